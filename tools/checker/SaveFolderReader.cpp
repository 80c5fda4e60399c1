#include "SaveFolderReader.h"

#include <array>
#include <cctype>
#include <fstream>
#include <map>
#include <string>
#include <system_error>

namespace z3d::checker {

std::optional<int> SaveFolderReader::slotOf(std::string_view fileName)
{
    constexpr std::string_view prefix = "zorn3dsav";
    constexpr std::string_view suffix = ".z3dsg";
    if (fileName.size() != prefix.size() + 1 + suffix.size()) {
        return std::nullopt;
    }
    std::string lower(fileName);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const char digit = lower[prefix.size()];
    if (lower.compare(0, prefix.size(), prefix) != 0 ||
        lower.compare(prefix.size() + 1, suffix.size(), suffix) != 0 || digit < '0' ||
        digit > '9') {
        return std::nullopt;
    }
    return digit - '0';
}

std::optional<std::string> SaveFolderReader::description(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::array<char, DescriptionSize> bytes{};
    in.read(bytes.data(), DescriptionSize);
    if (static_cast<std::size_t>(in.gcount()) != DescriptionSize) {
        return std::nullopt;
    }
    std::string text;
    for (char c : bytes) {
        if (c == '\0') {
            break;
        }
        text.push_back(c);
    }
    return text;
}

std::vector<SaveHeader> SaveFolderReader::read(const std::filesystem::path& folder)
{
    std::error_code error;
    std::map<int, std::string> slotFiles; // slot -> first file name in byte order
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        const std::string name = it->path().filename().string();
        const std::optional<int> slot = slotOf(name);
        if (!slot) {
            continue;
        }
        auto found = slotFiles.find(*slot);
        if (found == slotFiles.end() || name < found->second) {
            slotFiles[*slot] = name;
        }
    }

    std::vector<SaveHeader> saves;
    for (const auto& [slot, name] : slotFiles) {
        if (std::optional<std::string> text = description(folder / name)) {
            saves.push_back({slot, std::move(*text)});
        }
    }
    return saves;
}

} // namespace z3d::checker
