#pragma once

#include "automap/MapGeometry.h"

#include <array>
#include <optional>

namespace z3d::automap {

// Which of the two families of line specials a map uses: Doom's (with Boom's generalised
// types) in Doom-format maps, Hexen's (with its descendants' additions) in Hexen-format maps
// and most UDMF namespaces.
enum class SpecialSet
{
    Doom,
    Hexen,
};

// The mark the automap gives a line for its special: an exit, a teleporter, or a door locked
// by a red, blue or yellow key; nothing for any other special. lockNumber is a lock given
// apart from the special (UDMF's locknumber), 0 for none.
std::optional<LineLook> markOf(SpecialSet set, int special, const std::array<int, 5>& args,
                               int lockNumber);

} // namespace z3d::automap
