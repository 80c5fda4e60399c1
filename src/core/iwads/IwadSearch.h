#pragma once

#include "core/iwads/IwadEnvironment.h"

namespace z3d {

class IwadRegistry;
struct InstallPaths;

// SearchIwads: registers every IWAD found in the standard places, in this order:
//   1. the full games (Doom2, Doom, Tnt, Plutonia) in the environment's search folder,
//   2. the same in InstallRoot, 3. in InstallRoot/Data, 4. in InstallRoot/Iwads,
//   5. the shareware Doom1 in the search folder, InstallRoot/Iwads, InstallRoot/Data and
//      InstallRoot, last of all.
// A game keeps its first registration, so the earlier place wins. Names are looked up without
// regard to case and registered in their on-disk spelling. An empty or missing folder simply
// yields nothing.
void searchIwads(IwadRegistry& registry, const InstallPaths& paths,
                 const IwadEnvironment& environment);

} // namespace z3d
