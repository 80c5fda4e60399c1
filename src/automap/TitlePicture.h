#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace z3d::automap {

class WadFile;

// An add-on's title picture as stored in its wad.
struct TitlePicture
{
    // Larger sides are taken as damage rather than drawn.
    static constexpr int MaxSide = 4096;

    int width = 0; // as stored (a PNG's from its header): Heretic/Hexen TITLE is 320 x 200
    int height = 0;
    std::vector<std::uint32_t> argb; // 0xAARRGGBB, row-major; empty when png holds the picture
    std::vector<std::uint8_t> png;   // the lump's bytes when it is a PNG (the viewer decodes it)

    // The height the picture is shown at for its width. The game draws a title picture over
    // its whole 320 x 200 screen, whose pixels are shown 4:3, each one a fifth taller than
    // wide: a picture of those proportions (8:5) is shown as 4:3; any other as stored.
    int shownHeight() const;
};

// The title picture of wad: TITLEPIC in Doom's picture format (columns of posts) or a PNG;
// else TITLE as raw 320 x 200 bytes. Coloured by the wad's own PLAYPAL, else paletteWad's
// (may be null), else the built-in Freedoom palette. Nothing when the wad has none, or the
// picture is damaged beyond drawing (a damaged one never crashes; draw what is valid where
// that is sound).
std::optional<TitlePicture> readTitlePicture(const WadFile& wad, const WadFile* paletteWad);

} // namespace z3d::automap
