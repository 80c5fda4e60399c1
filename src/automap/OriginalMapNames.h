#pragma once

#include <string>
#include <string_view>

namespace z3d::automap {

// The names the original games' executables give their maps, each under the name of its
// DEHACKED string: Doom's HUSTR_E1M1 ("E1M1: Hangar") to HUSTR_E4M9, Doom II's HUSTR_1
// ("level 1: entryway") to HUSTR_32, and The Plutonia Experiment's and TNT: Evilution's
// PHUSTR_1 to PHUSTR_32 and THUSTR_1 to THUSTR_32. A DEHACKED Text block names the string it
// replaces by these texts.
class OriginalMapNames
{
public:
    // The string whose original text is text (compared without regard to case); empty when
    // text is no original map name.
    static std::string stringNamed(std::string_view text);
};

} // namespace z3d::automap
