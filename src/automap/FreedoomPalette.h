#pragma once

#include <array>
#include <cstdint>

namespace z3d::automap {

// The palette a picture is coloured with when neither its wad nor the IWAD holds a PLAYPAL:
// Freedoom's, 256 colours of red, green and blue bytes, as PLAYPAL stores its first palette.
struct FreedoomPalette
{
    static constexpr std::size_t Size = 768;
    static const std::array<std::uint8_t, Size> Colours;
};

} // namespace z3d::automap
