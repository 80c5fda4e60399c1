#include "automap/MapGeometry.h"

#include "automap/AsciiText.h"
#include "automap/LineSpecials.h"
#include "automap/UdmfFields.h"
#include "automap/WadFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
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

// Doom's line flags, shared by the Hexen format.
constexpr unsigned SecretFlag = 32;
constexpr unsigned DontDrawFlag = 128;
constexpr int PlayerOneStart = 1;

// A line as its record gives it; indices are doubles so that UDMF's numbers of any size
// (or none, -1) are kept until they are checked.
struct LineRecord
{
    double from = -1;
    double to = -1;
    double front = -1;
    double back = -1;
    bool twoSided = false; // a back side, named or not
    bool secret = false;
    bool hidden = false;
    int special = 0;
    std::array<int, 5> args{};
    int lock = 0;
};

struct Heights
{
    double floor = 0;
    double ceiling = 0;
};

// What a map's lumps give, before the lines are checked and looked at.
struct MapRecords
{
    SpecialSet specials = SpecialSet::Doom;
    std::vector<Vertex> vertices;
    std::vector<LineRecord> lines;
    std::vector<double> sideSectors; // the sector of each side, by index
    std::vector<Heights> sectors;
    std::optional<PlayerStart> start;

    // The heights of the sector on that side, or nothing when the side or sector is not there.
    const Heights* heightsOf(double side) const
    {
        if (!(side >= 0 && side < double(sideSectors.size())) || side != std::floor(side))
            return nullptr;
        const double sector = sideSectors[std::size_t(side)];
        if (!(sector >= 0 && sector < double(sectors.size())) || sector != std::floor(sector))
            return nullptr;
        return &sectors[std::size_t(sector)];
    }

    std::optional<LineLook> lookOf(const LineRecord& line) const
    {
        if (line.hidden)
            return std::nullopt;
        if (line.secret)
            return LineLook::Wall;
        if (const std::optional<LineLook> mark =
                markOf(specials, line.special, line.args, line.lock))
            return mark;
        if (!line.twoSided)
            return LineLook::Wall;
        const Heights* front = heightsOf(line.front);
        const Heights* back = heightsOf(line.back);
        if (!front || !back || front->floor != back->floor)
            return LineLook::FloorStep;
        if (front->ceiling != back->ceiling)
            return LineLook::CeilingStep;
        return std::nullopt;
    }

    // The lines the automap shows whose vertices exist and are usable.
    MapGeometry geometry() &&
    {
        MapGeometry map;
        map.vertices = std::move(vertices);
        const auto vertex = [&](double index) {
            return index >= 0 && index < double(map.vertices.size()) &&
                   index == std::floor(index) && usable(map.vertices[std::size_t(index)]);
        };
        for (const LineRecord& line : lines) {
            const std::optional<LineLook> look = lookOf(line);
            if (look && vertex(line.from) && vertex(line.to))
                map.lines.push_back({std::uint32_t(line.from), std::uint32_t(line.to), *look});
        }
        if (start && usable(start->at) && std::isfinite(start->angle))
            map.start = start;
        return map;
    }
};

using ascii_text::equalsIgnoringCase;

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

MapGeometry MapGeometry::fromBinary(const BinaryLumps& lumps, bool hexen)
{
    MapRecords map;
    map.specials = hexen ? SpecialSet::Hexen : SpecialSet::Doom;
    map.vertices.reserve(lumps.vertexes.size() / 4);
    for (std::size_t at = 0; at + 4 <= lumps.vertexes.size(); at += 4)
        map.vertices.push_back(
            {double(i16(lumps.vertexes, at)), double(i16(lumps.vertexes, at + 2))});

    const std::string_view linedefs = lumps.linedefs;
    const std::size_t record = hexen ? 16 : 14;
    const std::size_t sides = hexen ? 12 : 10;
    map.lines.reserve(linedefs.size() / record);
    for (std::size_t at = 0; at + record <= linedefs.size(); at += record) {
        LineRecord line;
        line.from = u16(linedefs, at);
        line.to = u16(linedefs, at + 2);
        const unsigned flags = u16(linedefs, at + 4);
        line.secret = (flags & SecretFlag) != 0;
        line.hidden = (flags & DontDrawFlag) != 0;
        if (hexen) {
            line.special = static_cast<unsigned char>(linedefs[at + 6]);
            for (std::size_t i = 0; i < line.args.size(); ++i)
                line.args[i] = static_cast<unsigned char>(linedefs[at + 7 + i]);
        } else {
            line.special = u16(linedefs, at + 6);
        }
        line.front = u16(linedefs, at + sides);
        const std::uint16_t back = u16(linedefs, at + sides + 2);
        line.twoSided = back != NoSide;
        line.back = line.twoSided ? double(back) : -1;
        map.lines.push_back(line);
    }
    for (std::size_t at = 0; at + 30 <= lumps.sidedefs.size(); at += 30)
        map.sideSectors.push_back(u16(lumps.sidedefs, at + 28));
    for (std::size_t at = 0; at + 26 <= lumps.sectors.size(); at += 26)
        map.sectors.push_back({double(i16(lumps.sectors, at)), double(i16(lumps.sectors, at + 2))});

    const std::size_t thing = hexen ? 20 : 10;
    const std::size_t position = hexen ? 2 : 0;
    const std::size_t angle = hexen ? 8 : 4;
    for (std::size_t at = 0; at + thing <= lumps.things.size(); at += thing) {
        if (i16(lumps.things, at + angle + 2) == PlayerOneStart) {
            map.start = PlayerStart{{double(i16(lumps.things, at + position)),
                                     double(i16(lumps.things, at + position + 2))},
                                    double(i16(lumps.things, at + angle))};
        }
    }
    return std::move(map).geometry();
}

MapGeometry MapGeometry::fromTextMap(std::string_view textmap)
{
    // The fields of the blocks a picture needs, each block's kept when it closes.
    struct Reader
    {
        enum class Block
        {
            None,
            Vertex,
            Linedef,
            Sidedef,
            Sector,
            Thing,
            Other
        };

        MapRecords map;
        Block block = Block::None;
        Vertex vertex;
        LineRecord line;
        double sideSector = -1;
        Heights heights;
        PlayerStart thing;
        double thingType = 0;

        void begin(std::string_view kind)
        {
            constexpr std::array<std::pair<std::string_view, Block>, 5> BlockNames{
                {{"vertex", Block::Vertex},
                 {"linedef", Block::Linedef},
                 {"sidedef", Block::Sidedef},
                 {"sector", Block::Sector},
                 {"thing", Block::Thing}}};
            block = Block::Other;
            for (const auto& [name, named] : BlockNames)
                block = equalsIgnoringCase(kind, name) ? named : block;
            vertex = {NAN, NAN};
            line = {};
            sideSector = -1;
            heights = {};
            thing = {{NAN, NAN}, 0};
            thingType = 0;
        }

        void end()
        {
            if (block == Block::Vertex)
                map.vertices.push_back(vertex);
            else if (block == Block::Linedef)
                map.lines.push_back(line);
            else if (block == Block::Sidedef)
                map.sideSectors.push_back(sideSector);
            else if (block == Block::Sector)
                map.sectors.push_back(heights);
            else if (block == Block::Thing && thingType == PlayerOneStart)
                map.start = thing;
            block = Block::None;
        }

        void field(std::string_view key, std::string_view token, bool quoted)
        {
            constexpr std::array<std::string_view, 5> ArgNames{"arg0", "arg1", "arg2", "arg3",
                                                               "arg4"};
            const auto is = [&](std::string_view name) { return equalsIgnoringCase(key, name); };
            // Numbers beyond int's range mean nothing as specials or arguments.
            const auto integer = [](double value) {
                return std::abs(value) < 1.0e9 && value == std::floor(value) ? int(value) : 0;
            };
            const double value = quoted ? NAN : number(token);
            const bool yes = !quoted && equalsIgnoringCase(token, "true");
            if (block == Block::None && is("namespace")) {
                for (const std::string_view doom : {"doom", "heretic", "strife"})
                    map.specials =
                        equalsIgnoringCase(token, doom) ? SpecialSet::Doom : map.specials;
            } else if (block == Block::Vertex) {
                vertex.x = is("x") ? value : vertex.x;
                vertex.y = is("y") ? value : vertex.y;
            } else if (block == Block::Linedef) {
                if (is("v1"))
                    line.from = value;
                else if (is("v2"))
                    line.to = value;
                else if (is("sidefront"))
                    line.front = value;
                else if (is("sideback")) {
                    line.back = value;
                    line.twoSided = line.twoSided || value != -1;
                } else if (is("twosided"))
                    line.twoSided = line.twoSided || yes;
                else if (is("secret"))
                    line.secret = yes;
                else if (is("dontdraw"))
                    line.hidden = yes;
                else if (is("special"))
                    line.special = integer(value);
                else if (is("locknumber"))
                    line.lock = integer(value);
                for (std::size_t i = 0; i < ArgNames.size(); ++i)
                    line.args[i] = is(ArgNames[i]) ? integer(value) : line.args[i];
            } else if (block == Block::Sidedef && is("sector")) {
                sideSector = value;
            } else if (block == Block::Sector) {
                heights.floor = is("heightfloor") ? value : heights.floor;
                heights.ceiling = is("heightceiling") ? value : heights.ceiling;
            } else if (block == Block::Thing) {
                thing.at.x = is("x") ? value : thing.at.x;
                thing.at.y = is("y") ? value : thing.at.y;
                thing.angle = is("angle") ? value : thing.angle;
                thingType = is("type") ? value : thingType;
            }
        }
    };
    Reader reader;
    reader.map.specials = SpecialSet::Hexen;
    readUdmfFields(textmap, reader);
    return std::move(reader.map).geometry();
}

MapGeometry MapGeometry::fromWad(const WadFile& wad, std::size_t markerIndex)
{
    const std::vector<Lump>& lumps = wad.lumps();
    if (markerIndex + 1 < lumps.size() && lumps[markerIndex + 1].name == "TEXTMAP")
        return fromTextMap(wad.read(lumps[markerIndex + 1], MaxLumpBytes));

    // The first lump of each name counts.
    std::map<std::string_view, const Lump*> found;
    bool hexen = false;
    for (std::size_t i = markerIndex + 1; i < lumps.size(); ++i) {
        const std::string& name = lumps[i].name;
        if (std::find(BinaryMapLumps.begin(), BinaryMapLumps.end(), name) == BinaryMapLumps.end())
            break;
        found.emplace(name, &lumps[i]);
        hexen = hexen || name == "BEHAVIOR";
    }
    if (!found.count("VERTEXES") || !found.count("LINEDEFS"))
        return {};
    const auto bytes = [&](std::string_view name) {
        const auto lump = found.find(name);
        return lump == found.end() ? std::string() : wad.read(*lump->second, MaxLumpBytes);
    };
    const std::string vertexes = bytes("VERTEXES");
    const std::string linedefs = bytes("LINEDEFS");
    const std::string sidedefs = bytes("SIDEDEFS");
    const std::string sectors = bytes("SECTORS");
    const std::string things = bytes("THINGS");
    return fromBinary({vertexes, linedefs, sidedefs, sectors, things}, hexen);
}

} // namespace z3d::automap
