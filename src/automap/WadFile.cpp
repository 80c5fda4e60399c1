#include "automap/WadFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

namespace z3d::automap {

namespace {

constexpr std::int64_t HeaderSize = 12;
constexpr std::int64_t EntrySize = 16;

// The lumps of a binary map, in any order after its marker.
constexpr std::array<std::string_view, 12> BinaryMapLumps{
    "THINGS", "LINEDEFS", "SIDEDEFS", "VERTEXES", "SEGS",     "SSECTORS",
    "NODES",  "SECTORS",  "REJECT",   "BLOCKMAP", "BEHAVIOR", "SCRIPTS"};

std::uint32_t readU32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

std::optional<WadFile> WadFile::open(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return std::nullopt;
    auto in = std::make_shared<std::ifstream>(file, std::ios::binary);
    if (!*in)
        return std::nullopt;
    std::optional<WadFile> wad = open(*in, size);
    if (wad)
        wad->m_file = std::move(in);
    return wad;
}

std::optional<WadFile> WadFile::open(std::istream& in, std::uint64_t fileSize)
{
    const auto size = static_cast<std::int64_t>(std::min<std::uint64_t>(fileSize, INT64_MAX / 2));
    std::array<unsigned char, HeaderSize> header{};
    in.clear();
    in.seekg(0);
    if (size < HeaderSize || !in.read(reinterpret_cast<char*>(header.data()), HeaderSize))
        return std::nullopt;
    const std::string_view magic(reinterpret_cast<const char*>(header.data()), 4);
    if (magic != "IWAD" && magic != "PWAD")
        return std::nullopt;
    const auto count = static_cast<std::int64_t>(static_cast<std::int32_t>(readU32(&header[4])));
    const std::int64_t directory = readU32(&header[8]);
    if (count < 0 || count > MaxLumps || directory < HeaderSize ||
        directory + count * EntrySize > size)
        return std::nullopt;

    std::vector<unsigned char> entries(static_cast<std::size_t>(count * EntrySize));
    in.seekg(directory);
    if (count > 0 && !in.read(reinterpret_cast<char*>(entries.data()),
                              static_cast<std::streamsize>(entries.size())))
        return std::nullopt;

    WadFile wad;
    wad.m_in = &in;
    wad.m_lumps.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) {
        const unsigned char* entry = entries.data() + i * EntrySize;
        Lump lump;
        lump.offset = readU32(entry);
        lump.size = readU32(entry + 4);
        if (std::int64_t{lump.offset} + lump.size > size || lump.offset < HeaderSize)
            lump.size = 0;
        const auto* name = reinterpret_cast<const char*>(entry + 8);
        lump.name = upper(std::string_view(name, std::find(name, name + 8, '\0') - name));
        wad.m_lumps.push_back(std::move(lump));
    }
    return wad;
}

std::string WadFile::read(const Lump& lump, std::size_t limit) const
{
    std::string data(std::min<std::size_t>(lump.size, limit), '\0');
    if (data.empty())
        return data;
    m_in->clear();
    m_in->seekg(lump.offset);
    if (!m_in->read(data.data(), static_cast<std::streamsize>(data.size())))
        return {};
    return data;
}

std::optional<std::size_t> WadFile::findMap(std::string_view name) const
{
    const std::string wanted = upper(name);
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i + 1 < m_lumps.size(); ++i) {
        const std::string& next = m_lumps[i + 1].name;
        if (m_lumps[i].name == wanted && (next == "THINGS" || next == "TEXTMAP"))
            found = i;
    }
    return found;
}

const Lump* WadFile::mapLump(std::size_t markerIndex, std::string_view name) const
{
    for (std::size_t i = markerIndex + 1; i < m_lumps.size(); ++i) {
        const std::string& found = m_lumps[i].name;
        if (std::find(BinaryMapLumps.begin(), BinaryMapLumps.end(), found) == BinaryMapLumps.end())
            return nullptr;
        if (found == name)
            return &m_lumps[i];
    }
    return nullptr;
}

} // namespace z3d::automap
