#include "WadDirectoryReader.h"

#include "MapCollector.h"
#include "MapTitles.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace z3d::checker {

namespace {

constexpr std::int64_t EntriesPerChunk = 4096;
// The most read of one title lump; real ones are a few kilobytes.
constexpr std::int64_t MaxTitleLumpBytes = std::int64_t{4} << 20;

struct TitleLump
{
    std::string name;
    std::int64_t position;
    std::int64_t length;
};

std::uint32_t readU32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::int32_t readI32(const unsigned char* bytes)
{
    return static_cast<std::int32_t>(readU32(bytes));
}

std::string lumpName(const unsigned char* bytes)
{
    std::string name;
    for (int i = 0; i < 8 && bytes[i] != 0; ++i) {
        name.push_back(static_cast<char>(bytes[i]));
    }
    return name;
}

WadReport damaged(WadReport report, std::string problem)
{
    report.intact = false;
    report.problem = std::move(problem);
    report.maps.clear();
    return report;
}

// The titles the wad's own lumps give its maps. Only those lumps' data is read; one that
// cannot be read counts as empty.
void addTitles(std::istream& in, const std::vector<TitleLump>& lumps, std::vector<MapEntry>& maps)
{
    MapTitles titles;
    for (const TitleLump& lump : lumps) {
        std::string text;
        text.resize(static_cast<std::size_t>(std::min(lump.length, MaxTitleLumpBytes)));
        in.clear();
        in.seekg(lump.position);
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
        titles.addLump(lump.name, std::move(text));
    }
    std::vector<std::string> names;
    for (const MapEntry& map : maps)
        names.push_back(map.name);
    std::vector<std::string> found = titles.titlesOf(names);
    for (std::size_t i = 0; i < maps.size(); ++i)
        maps[i].title = std::move(found[i]);
}

} // namespace

WadReport WadDirectoryReader::read(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return damaged({}, std::filesystem::exists(file, error) ? "not a regular file"
                                                                : "file not found");
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) {
        return damaged({}, "cannot read the file size");
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return damaged({}, "cannot open the file");
    }
    return read(in, size);
}

WadReport WadDirectoryReader::read(std::istream& in, std::uint64_t fileSize)
{
    WadReport report;
    const auto size = static_cast<std::int64_t>(fileSize);
    if (size < HeaderSize) {
        return damaged(report, "file too short for a WAD header");
    }

    std::array<unsigned char, HeaderSize> header{};
    in.seekg(0);
    in.read(reinterpret_cast<char*>(header.data()), HeaderSize);
    if (in.gcount() != HeaderSize) {
        return damaged(report, "read error in the header");
    }
    const std::string magic(reinterpret_cast<const char*>(header.data()), 4);
    if (magic != "IWAD" && magic != "PWAD") {
        return damaged(report, "not a WAD file (no IWAD or PWAD signature)");
    }
    report.kind = magic;
    report.lumpCount = readI32(header.data() + 4);
    const std::int64_t directoryOffset = readU32(header.data() + 8);

    if (report.lumpCount < 0) {
        return damaged(report, "negative lump count");
    }
    if (report.lumpCount > MaxLumps) {
        return damaged(report, "lump count too large");
    }
    if (report.lumpCount == 0) {
        report.intact = true;
        return report;
    }
    const std::int64_t directoryEnd = directoryOffset + report.lumpCount * EntrySize;
    if (directoryOffset < HeaderSize) {
        return damaged(report, "lump directory overlaps the header");
    }
    if (directoryOffset > size || directoryEnd > size) {
        return damaged(report, "lump directory reaches beyond the end of the file");
    }

    MapCollector collector;
    std::vector<TitleLump> titleLumps;
    std::vector<unsigned char> chunk;
    in.seekg(directoryOffset);
    for (std::int64_t first = 0; first < report.lumpCount; first += EntriesPerChunk) {
        const std::int64_t count = std::min(EntriesPerChunk, report.lumpCount - first);
        chunk.resize(static_cast<std::size_t>(count * EntrySize));
        in.read(reinterpret_cast<char*>(chunk.data()), count * EntrySize);
        if (in.gcount() != count * EntrySize) {
            return damaged(report, "read error in the lump directory");
        }
        for (std::int64_t i = 0; i < count; ++i) {
            const unsigned char* entry = chunk.data() + i * EntrySize;
            const std::int64_t position = readU32(entry);
            const std::int64_t length = readU32(entry + 4);
            if (length > 0) {
                const std::int64_t end = position + length;
                if (end > size) {
                    return damaged(report, "lump data reaches beyond the end of the file");
                }
                if (position < HeaderSize) {
                    return damaged(report, "lump data overlaps the header");
                }
                if (position < directoryEnd && end > directoryOffset) {
                    return damaged(report, "lump data overlaps the lump directory");
                }
            }
            std::string name = lumpName(entry + 8);
            if (length > 0 && MapTitles::isTitleLump(name))
                titleLumps.push_back({name, position, length});
            collector.add(name);
        }
    }
    report.intact = true;
    report.maps = collector.maps();
    if (!report.maps.empty() && !titleLumps.empty())
        addTitles(in, titleLumps, report.maps);
    return report;
}

} // namespace z3d::checker
