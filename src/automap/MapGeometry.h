#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace z3d::automap {

class WadFile;

struct Vertex
{
    double x = 0;
    double y = 0;
};

// How the automap shows a line. Steps are two-sided lines between sectors of different
// floor heights (or, floors alike, different ceiling heights); the marks are lines whose
// special exits the map, teleports, or opens a door locked by a key of that colour.
enum class LineLook : std::uint8_t
{
    FloorStep,
    CeilingStep,
    Wall,
    Exit,
    Teleporter,
    RedLock,
    BlueLock,
    YellowLock,
};

// A line between two vertices (indices into MapGeometry::vertices, always valid).
struct Line
{
    std::uint32_t from = 0;
    std::uint32_t to = 0;
    LineLook look = LineLook::Wall;
};

// Where the first player starts, facing angle degrees (0 east, 90 north).
struct PlayerStart
{
    Vertex at;
    double angle = 0;
};

// The lines of a map the automap shows, and the player's start. As the game draws it: a line
// flagged not to be drawn is left out, a line flagged secret shows as a wall, a two-sided line
// between sectors of equal heights is left out, and one whose sectors cannot be read shows as
// a floor step. Readers keep what is valid: a line naming a vertex that does not exist is left
// out, a record cut short at the end of its lump is ignored, and a vertex with an unusable
// coordinate (not finite, or beyond MaxCoordinate) leaves out the lines that use it.
struct MapGeometry
{
    static constexpr double MaxCoordinate = 1.0e9;

    std::vector<Vertex> vertices;
    std::vector<Line> lines;
    std::optional<PlayerStart> start;

    // The lumps of a binary map; all little-endian. Doom format: VERTEXES of 4 bytes (int16 x,
    // y), LINEDEFS of 14 bytes (v1, v2, flags, special, tag, front side, back side; 0xFFFF is
    // no side), THINGS of 10 bytes (x, y, angle, type, flags). Hexen format (the map has a
    // BEHAVIOR lump): LINEDEFS of 16 bytes (v1, v2, flags, special byte, five argument bytes,
    // front side, back side), THINGS of 20 bytes (tid, x, y, z, angle, type, ...). Both:
    // SIDEDEFS of 30 bytes (the sector at 28), SECTORS of 26 bytes (floor, ceiling first).
    struct BinaryLumps
    {
        std::string_view vertexes;
        std::string_view linedefs;
        std::string_view sidedefs;
        std::string_view sectors;
        std::string_view things;
    };
    static MapGeometry fromBinary(const BinaryLumps& lumps, bool hexen);
    // UDMF: the TEXTMAP text's vertex (x, y), linedef (v1, v2, sidefront, sideback, special,
    // arg0..arg4, locknumber, secret, dontdraw), sidedef (sector), sector (heightfloor,
    // heightceiling) and thing (x, y, angle, type) blocks; specials are Doom's in the "doom",
    // "heretic" and "strife" namespaces, Hexen's in the others.
    static MapGeometry fromTextMap(std::string_view textmap);
    // The map whose marker is at markerIndex of wad: only its own lumps are read (those
    // following the marker up to the first lump that is not part of a map, or TEXTMAP).
    static MapGeometry fromWad(const WadFile& wad, std::size_t markerIndex);
};

} // namespace z3d::automap
