#pragma once

#include "automap/MapGeometry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace z3d::automap {

// A map drawn as an automap: one byte per pixel, rows from the top, each pixel one of the
// Ink values; Palette gives their colours.
struct MapPicture
{
    enum Ink : std::uint8_t
    {
        Background = 0,
        TwoSided = 1, // steps, openings: a line with a sector on both sides
        OneSided = 2, // walls
    };
    struct Colour
    {
        std::uint8_t red;
        std::uint8_t green;
        std::uint8_t blue;
    };
    static constexpr std::array<Colour, 3> Palette{
        Colour{0x10, 0x10, 0x18}, Colour{0xC8, 0xA0, 0x50}, Colour{0xF0, 0x40, 0x40}};

    static constexpr int MinSize = 8;
    static constexpr int MaxSize = 4096;

    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height

    // The map's lines scaled, keeping their proportions, to fit a size x size square (size
    // clamped to MinSize..MaxSize) with a pixel of room around them; the picture is as large
    // as the drawing (a long map gives a wide, low picture) and at least MinSize on each side.
    // Map y grows northwards, so it is turned over. Walls are drawn over steps. A map without
    // lines gives an empty picture of MinSize x MinSize.
    static MapPicture draw(const MapGeometry& map, int size);

    std::uint8_t at(int x, int y) const
    {
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

} // namespace z3d::automap
