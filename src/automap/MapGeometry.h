#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace z3d::automap {

class WadFile;

struct Vertex
{
    double x = 0;
    double y = 0;
};

// A line between two vertices (indices into MapGeometry::vertices, always valid); a two-sided
// line has a sector on both sides (a step or an opening rather than a wall).
struct Line
{
    std::uint32_t from = 0;
    std::uint32_t to = 0;
    bool twoSided = false;
};

// The lines of a map, as its automap shows them. Readers keep what is valid: a line naming a
// vertex that does not exist is left out, a record cut short at the end of its lump is
// ignored, and a vertex with an unusable coordinate (not finite, or beyond MaxCoordinate)
// leaves out the lines that use it.
struct MapGeometry
{
    static constexpr double MaxCoordinate = 1.0e9;

    std::vector<Vertex> vertices;
    std::vector<Line> lines;

    // Doom format: VERTEXES of 4 bytes (int16 x, y), LINEDEFS of 14 bytes (v1, v2, flags,
    // special, tag, front side, back side; 0xFFFF is no side). Hexen format (hexen true, the
    // map has a BEHAVIOR lump): LINEDEFS of 16 bytes (v1, v2, flags, special byte, five
    // argument bytes, front side, back side). All little-endian.
    static MapGeometry fromBinary(std::string_view vertexes, std::string_view linedefs, bool hexen);
    // UDMF: the TEXTMAP text's vertex blocks (x, y) and linedef blocks (v1, v2, and sideback
    // other than -1 or twosided = true for a two-sided line).
    static MapGeometry fromTextMap(std::string_view textmap);
    // The map whose marker is at markerIndex of wad: only its own lumps are read (those
    // following the marker up to the first lump that is not part of a map, or TEXTMAP).
    static MapGeometry fromWad(const WadFile& wad, std::size_t markerIndex);
};

} // namespace z3d::automap
