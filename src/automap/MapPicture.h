#pragma once

#include "automap/MapGeometry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace z3d::automap {

// A map drawn as the game's automap draws it: one byte per pixel, rows from the top, each an
// index into Palette. Indices below InkCount are the inks at full strength (a line's middle);
// the others are an ink partly covering the background (a line's smoothed edge).
struct MapPicture
{
    enum Ink : std::uint8_t
    {
        Background = 0,
        FloorStep,   // a two-sided line between different floor heights: brown
        CeilingStep, // the same floors, different ceilings: yellow
        Wall,        // one-sided, or flagged secret: red
        Exit,
        Teleporter,
        RedLock,
        BlueLock,
        YellowLock,
        PlayerArrow,
        InkCount
    };
    struct Colour
    {
        std::uint8_t red;
        std::uint8_t green;
        std::uint8_t blue;
    };
    static constexpr std::array<Colour, InkCount> Inks{
        Colour{0x10, 0x10, 0x18}, Colour{0xBC, 0x84, 0x4C}, Colour{0xF0, 0xE0, 0x40},
        Colour{0xE8, 0x20, 0x20}, Colour{0x30, 0xE0, 0x50}, Colour{0xC0, 0x60, 0xFF},
        Colour{0xFF, 0x70, 0x90}, Colour{0x40, 0x80, 0xFF}, Colour{0xFF, 0xFF, 0x00},
        Colour{0xFF, 0xFF, 0xFF}};
    // How finely a line's edge is smoothed: coverage in steps of 1 / Levels.
    static constexpr int Levels = 16;
    static constexpr std::size_t PaletteSize = InkCount + (InkCount - 1) * (Levels - 1);

    // The index of ink at coverage level (1..Levels) of a pixel.
    static constexpr std::uint8_t shade(std::uint8_t ink, int level)
    {
        return level >= Levels || ink == Background
                   ? ink
                   : std::uint8_t(InkCount + (ink - 1) * (Levels - 1) + (level - 1));
    }
    static constexpr std::uint8_t inkOf(std::uint8_t index)
    {
        return index < InkCount ? index : std::uint8_t(1 + (index - InkCount) / (Levels - 1));
    }
    static constexpr int levelOf(std::uint8_t index)
    {
        return index == Background ? 0
               : index < InkCount  ? Levels
                                   : 1 + (index - InkCount) % (Levels - 1);
    }

    // The colours of the indices: each ink, then each ink's partial coverages mixed with the
    // background.
    static const std::array<Colour, PaletteSize> Palette;

    static constexpr int MinSize = 8;
    static constexpr int MaxSize = 4096;

    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height

    // The map's lines scaled, keeping their proportions, to fit a size x size square (size
    // clamped to MinSize..MaxSize) with a margin around them; the picture is as large as the
    // drawing (a long map gives a wide, low picture) and at least MinSize on each side. Map y
    // grows northwards, so it is turned over. Lines are as wide as the picture is large (at
    // least a pixel and a quarter, so that none fades at any size) with smoothed edges; steps
    // are drawn first, then walls, then the marks, then the player's start as an arrow
    // pointing as the player faces. A map without lines gives an empty picture of MinSize x
    // MinSize.
    static MapPicture draw(const MapGeometry& map, int size);

    std::uint8_t at(int x, int y) const
    {
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

inline constexpr std::array<MapPicture::Colour, MapPicture::PaletteSize> MapPicture::Palette = [] {
    using P = MapPicture;
    std::array<P::Colour, P::PaletteSize> palette{};
    const P::Colour back = P::Inks[P::Background];
    const auto mix = [](std::uint8_t from, std::uint8_t to, int level) {
        return std::uint8_t((from * (P::Levels - level) + to * level + P::Levels / 2) / P::Levels);
    };
    for (std::size_t i = 0; i < P::PaletteSize; ++i) {
        const P::Colour ink = P::Inks[P::inkOf(std::uint8_t(i))];
        const int level = P::levelOf(std::uint8_t(i));
        palette[i] = {mix(back.red, ink.red, level), mix(back.green, ink.green, level),
                      mix(back.blue, ink.blue, level)};
    }
    return palette;
}();

} // namespace z3d::automap
