#include "WadDirectoryReader.h"

#include "automap/AsciiText.h"
#include "automap/MapTitles.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace z3d::checker {

namespace {

constexpr std::int64_t EntriesPerChunk = 4096;

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

// Calls visit with each of the count directory entries from offset on, in order, until it
// returns false. False when the directory could not be read whole.
template <typename Visit>
bool forEachEntry(std::istream& in, std::int64_t offset, std::int64_t count, Visit visit)
{
    std::vector<unsigned char> chunk;
    in.clear();
    in.seekg(offset);
    for (std::int64_t first = 0; first < count; first += EntriesPerChunk) {
        const std::int64_t entries = std::min(EntriesPerChunk, count - first);
        chunk.resize(static_cast<std::size_t>(entries * WadDirectoryReader::EntrySize));
        in.read(reinterpret_cast<char*>(chunk.data()), entries * WadDirectoryReader::EntrySize);
        if (in.gcount() != entries * WadDirectoryReader::EntrySize)
            return false;
        for (std::int64_t i = 0; i < entries; ++i) {
            if (!visit(chunk.data() + i * WadDirectoryReader::EntrySize))
                return true;
        }
    }
    return true;
}

// The text of a title lump, at most MapTitles::MaxLumpBytes of it; what cannot be read is left out.
std::string lumpText(std::istream& in, std::int64_t position, std::int64_t length)
{
    std::string text;
    text.resize(
        static_cast<std::size_t>(std::min(length, std::int64_t{automap::MapTitles::MaxLumpBytes})));
    in.clear();
    in.seekg(position);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return text;
}

// The text of the last lump named name (any case) among the count entries of the directory
// at offset, whose entries were checked already. Only MAPINFO's includes ask for other lumps
// than the title lumps, and rarely: the directory is read again rather than kept.
std::optional<std::string> lumpNamed(std::istream& in, std::int64_t offset, std::int64_t count,
                                     std::string_view name)
{
    const std::string wanted = automap::ascii_text::upper(name);
    std::optional<TitleLump> found;
    forEachEntry(in, offset, count, [&](const unsigned char* entry) {
        if (automap::ascii_text::upper(lumpName(entry + 8)) == wanted)
            found = TitleLump{wanted, readU32(entry), readU32(entry + 4)};
        return true;
    });
    if (!found)
        return std::nullopt;
    return lumpText(in, found->position, found->length);
}

// The titles the wad's own lumps give its maps. Only those lumps' data is read (and the
// lumps MAPINFO includes, through lump); one that cannot be read counts as empty.
void addTitles(std::istream& in, const std::vector<TitleLump>& lumps, std::vector<MapEntry>& maps,
               automap::title_sources::LumpReader reader)
{
    automap::MapTitles titles(std::move(reader));
    for (const TitleLump& lump : lumps)
        titles.addLump(lump.name, lumpText(in, lump.position, lump.length));
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

    automap::MapCollector collector;
    std::vector<TitleLump> titleLumps;
    std::string problem;
    const bool whole =
        forEachEntry(in, directoryOffset, report.lumpCount, [&](const unsigned char* entry) {
            const std::int64_t position = readU32(entry);
            const std::int64_t length = readU32(entry + 4);
            if (length > 0) {
                const std::int64_t end = position + length;
                if (end > size)
                    problem = "lump data reaches beyond the end of the file";
                else if (position < HeaderSize)
                    problem = "lump data overlaps the header";
                else if (position < directoryEnd && end > directoryOffset)
                    problem = "lump data overlaps the lump directory";
                if (!problem.empty())
                    return false;
            }
            std::string name = lumpName(entry + 8);
            if (length > 0 && automap::MapTitles::isTitleLump(name))
                titleLumps.push_back({name, position, length});
            collector.add(name);
            return true;
        });
    if (!whole) {
        return damaged(report, "read error in the lump directory");
    }
    if (!problem.empty()) {
        return damaged(report, problem);
    }
    report.intact = true;
    report.maps = collector.maps();
    if (!report.maps.empty() && !titleLumps.empty()) {
        addTitles(in, titleLumps, report.maps, [&](std::string_view name) {
            return lumpNamed(in, directoryOffset, report.lumpCount, name);
        });
    }
    return report;
}

} // namespace z3d::checker
