// The checker's save-folder reader and GETSAVEHDRS output: the input is split into save files
// (the first byte of each piece picks its slot), and every printed line must be one
// double-quoted item with no quote, CR or LF inside.

#include "FuzzScratch.h"
#include "OutputFormatter.h"
#include "SaveFolderReader.h"

using namespace z3d::checker;
using z3d::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path folder = z3d::fuzz::scratchFolder() / "savegame";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\xff', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view piece = bytes.substr(start, end - start);
        if (!piece.empty()) {
            const std::string name = "Zorn3DSav" + std::to_string(piece[0] & 7) + ".z3dsg";
            std::ofstream(folder / name, std::ios::binary)
                .write(piece.data() + 1, static_cast<std::streamsize>(piece.size() - 1));
        }
        start = end + 1;
    }
    const std::string output = OutputFormatter::saveHeaders(SaveFolderReader::read(folder));
    std::size_t lineStart = 0;
    while (lineStart < output.size()) {
        std::size_t lineEnd = output.find('\n', lineStart);
        require(lineEnd != std::string::npos, "every save line ends");
        std::string line = output.substr(lineStart, lineEnd - lineStart);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        require(line.size() >= 3 && line.front() == '"' && line.back() == '"',
                "a save line is one quoted item");
        const std::string inner = line.substr(1, line.size() - 2);
        require(inner.find_first_of("\"\r\n") == std::string::npos, "nothing breaks the item");
        lineStart = lineEnd + 1;
    }
    return 0;
}
