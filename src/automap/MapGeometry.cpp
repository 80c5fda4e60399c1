#include "automap/MapGeometry.h"

#include "automap/TextTokens.h"
#include "automap/WadFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace z3d::automap {

namespace {

// The largest map lump read: far beyond any real map, small enough to allocate freely.
constexpr std::size_t MaxLumpBytes = std::size_t{64} << 20;
constexpr std::uint16_t NoSide = 0xFFFF;

// The lumps of a binary map, in any order after its marker.
constexpr std::array<std::string_view, 12> BinaryMapLumps{
    "THINGS", "LINEDEFS", "SIDEDEFS", "VERTEXES", "SEGS",     "SSECTORS",
    "NODES",  "SECTORS",  "REJECT",   "BLOCKMAP", "BEHAVIOR", "SCRIPTS"};

std::uint16_t u16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::int16_t i16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::int16_t>(u16(bytes, at));
}

bool usable(const Vertex& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) &&
           std::abs(v.x) <= MapGeometry::MaxCoordinate &&
           std::abs(v.y) <= MapGeometry::MaxCoordinate;
}

// Keeps the lines whose vertices exist and are usable.
void keepValidLines(MapGeometry& map, const std::vector<Line>& candidates)
{
    for (const Line& line : candidates) {
        if (line.from < map.vertices.size() && line.to < map.vertices.size() &&
            usable(map.vertices[line.from]) && usable(map.vertices[line.to]))
            map.lines.push_back(line);
    }
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

double number(std::string_view text)
{
    double value = NAN;
    const char* end = text.data() + text.size();
    const char* begin = text.data();
    if (begin != end && *begin == '+')
        ++begin;
    if (std::from_chars(begin, end, value).ptr != end)
        return NAN;
    return value;
}

} // namespace

MapGeometry MapGeometry::fromBinary(std::string_view vertexes, std::string_view linedefs,
                                    bool hexen)
{
    MapGeometry map;
    map.vertices.reserve(vertexes.size() / 4);
    for (std::size_t at = 0; at + 4 <= vertexes.size(); at += 4)
        map.vertices.push_back({double(i16(vertexes, at)), double(i16(vertexes, at + 2))});

    const std::size_t record = hexen ? 16 : 14;
    const std::size_t sides = hexen ? 12 : 10;
    std::vector<Line> candidates;
    candidates.reserve(linedefs.size() / record);
    for (std::size_t at = 0; at + record <= linedefs.size(); at += record) {
        candidates.push_back(
            {u16(linedefs, at), u16(linedefs, at + 2), u16(linedefs, at + sides + 2) != NoSide});
    }
    keepValidLines(map, candidates);
    return map;
}

MapGeometry MapGeometry::fromTextMap(std::string_view textmap)
{
    enum class Block
    {
        None,
        Vertex,
        Linedef,
        Other
    };
    MapGeometry map;
    std::vector<Line> candidates;
    TextTokens tokens(textmap);
    std::string_view token;
    std::string_view key;
    std::string_view previous;
    bool quoted = false;
    bool afterEquals = false;
    Block block = Block::None;
    Vertex vertex;
    Line line;
    double from = -1;
    double to = -1;
    while (tokens.next(token, quoted)) {
        if (quoted && !afterEquals) {
            previous = {};
            continue;
        }
        if (!quoted && token == "{") {
            block = equalsIgnoringCase(previous, "vertex")    ? Block::Vertex
                    : equalsIgnoringCase(previous, "linedef") ? Block::Linedef
                                                              : Block::Other;
            vertex = {NAN, NAN};
            line = {};
            from = to = -1;
        } else if (!quoted && token == "}") {
            if (block == Block::Vertex)
                map.vertices.push_back(vertex);
            // Indices beyond the 32-bit range can name no vertex.
            if (block == Block::Linedef && from >= 0 && to >= 0 && from < 4.0e9 && to < 4.0e9) {
                line.from = static_cast<std::uint32_t>(from);
                line.to = static_cast<std::uint32_t>(to);
                candidates.push_back(line);
            }
            block = Block::None;
        } else if (!quoted && token == "=") {
            key = previous;
            afterEquals = true;
            continue;
        } else if (afterEquals) {
            const double value = quoted ? NAN : number(token);
            if (block == Block::Vertex && equalsIgnoringCase(key, "x"))
                vertex.x = value;
            else if (block == Block::Vertex && equalsIgnoringCase(key, "y"))
                vertex.y = value;
            else if (block == Block::Linedef && equalsIgnoringCase(key, "v1"))
                from = value == std::floor(value) ? value : -1;
            else if (block == Block::Linedef && equalsIgnoringCase(key, "v2"))
                to = value == std::floor(value) ? value : -1;
            else if (block == Block::Linedef && equalsIgnoringCase(key, "sideback"))
                line.twoSided = line.twoSided || value != -1;
            else if (block == Block::Linedef && equalsIgnoringCase(key, "twosided"))
                line.twoSided = line.twoSided || equalsIgnoringCase(token, "true");
        }
        afterEquals = false;
        previous = quoted ? std::string_view() : token;
    }
    keepValidLines(map, candidates);
    return map;
}

MapGeometry MapGeometry::fromWad(const WadFile& wad, std::size_t markerIndex)
{
    const std::vector<Lump>& lumps = wad.lumps();
    if (markerIndex + 1 < lumps.size() && lumps[markerIndex + 1].name == "TEXTMAP")
        return fromTextMap(wad.read(lumps[markerIndex + 1], MaxLumpBytes));

    const Lump* vertexes = nullptr;
    const Lump* linedefs = nullptr;
    bool hexen = false;
    for (std::size_t i = markerIndex + 1; i < lumps.size(); ++i) {
        const std::string& name = lumps[i].name;
        if (std::find(BinaryMapLumps.begin(), BinaryMapLumps.end(), name) == BinaryMapLumps.end())
            break;
        if (name == "VERTEXES" && !vertexes)
            vertexes = &lumps[i];
        else if (name == "LINEDEFS" && !linedefs)
            linedefs = &lumps[i];
        else if (name == "BEHAVIOR")
            hexen = true;
    }
    if (!vertexes || !linedefs)
        return {};
    return fromBinary(wad.read(*vertexes, MaxLumpBytes), wad.read(*linedefs, MaxLumpBytes), hexen);
}

} // namespace z3d::automap
