#pragma once

#include "core/iwads/IwadEnvironment.h"

namespace z3d {

class IwadRegistry;
struct InstallPaths;

// SearchIwads: registers every IWAD found in the standard places, in this order:
//   1. the full games (Doom2, Doom, Tnt, Plutonia) in the environment's search folder,
//   2. the same in InstallRoot, 3. in InstallRoot/Data, 4. in InstallRoot/Iwads,
//   5. the shareware Doom1 in the search folder, InstallRoot/Iwads, InstallRoot/Data and
//      InstallRoot, after these,
//   6. the full games in games/doom under each XDG data folder in order (the environment's
//      xdgGameFolders), 7. the shareware Doom1 in those folders,
//   8. the free stand-ins last of all: for Doom2, then Doom, when the game has no file yet,
//      the first freedoom2.wad / freedoom1.wad found in those folders.
// A game keeps its first registration, so the earlier place wins. Names are looked up without
// regard to case and registered in their on-disk spelling. An empty or missing folder, a
// folder that is a file or cannot be read, and a name that is a directory or a dangling link
// simply yield nothing.
void searchIwads(IwadRegistry& registry, const InstallPaths& paths,
                 const IwadEnvironment& environment);

} // namespace z3d
