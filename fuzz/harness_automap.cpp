// The map geometry reader and the automap drawing on arbitrary bytes. A WAD ("IWAD" or
// "PWAD" first) has each of its first maps read from its own lumps; any other input is read
// as a UDMF TEXTMAP, and as Doom and Hexen VERTEXES, LINEDEFS, SIDEDEFS, SECTORS and THINGS
// (its five fifths). Whatever is
// read, every line names vertices that exist and are usable, and the picture has the size it
// promises, holds only the palette's inks and shows something when there are lines.

#include "automap/MapGeometry.h"
#include "automap/MapPicture.h"
#include "FuzzScratch.h"
#include "FuzzWad.h"

#include <cmath>
#include <string_view>

using namespace z3d::automap;
using z3d::fuzz::require;

namespace {

constexpr int Size = 64;
constexpr int MapsPerWad = 4;

void check(const MapGeometry& map)
{
    for (const Line& line : map.lines) {
        require(line.from < map.vertices.size() && line.to < map.vertices.size(),
                "a line names vertices that exist");
        for (const Vertex& v : {map.vertices[line.from], map.vertices[line.to]}) {
            require(std::isfinite(v.x) && std::isfinite(v.y) &&
                        std::abs(v.x) <= MapGeometry::MaxCoordinate &&
                        std::abs(v.y) <= MapGeometry::MaxCoordinate,
                    "a line's vertices are usable");
        }
    }
    const MapPicture picture = MapPicture::draw(map, Size);
    require(picture.width >= MapPicture::MinSize && picture.width <= Size &&
                picture.height >= MapPicture::MinSize && picture.height <= Size,
            "the picture fits the size asked for");
    require(picture.pixels.size() == std::size_t(picture.width) * std::size_t(picture.height),
            "one byte per pixel");
    bool drawn = false;
    for (const std::uint8_t ink : picture.pixels) {
        require(ink < MapPicture::Palette.size(), "only the palette's inks");
        drawn = drawn || ink != MapPicture::Background;
    }
    require(drawn == !map.lines.empty(), "lines are drawn, and nothing else is");
    if (map.start) {
        require(std::isfinite(map.start->angle) &&
                    std::abs(map.start->at.x) <= MapGeometry::MaxCoordinate &&
                    std::abs(map.start->at.y) <= MapGeometry::MaxCoordinate,
                "the start is usable");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const z3d::fuzz::WadInput input(text); input.startsAsWad) {
        if (input.wad) {
            for (const std::size_t map : z3d::fuzz::firstMaps(*input.wad, MapsPerWad))
                check(MapGeometry::fromWad(*input.wad, map));
        }
        return 0;
    }
    check(MapGeometry::fromTextMap(text));
    const std::size_t fifth = size / 5;
    const MapGeometry::BinaryLumps lumps{text.substr(0, fifth), text.substr(fifth, fifth),
                                         text.substr(2 * fifth, fifth),
                                         text.substr(3 * fifth, fifth), text.substr(4 * fifth)};
    check(MapGeometry::fromBinary(lumps, false));
    check(MapGeometry::fromBinary(lumps, true));
    return 0;
}
