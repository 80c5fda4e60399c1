#pragma once

namespace z3d {

struct InstallPaths;

// Run when the launcher closes. Squish effects are removed from CoreEffects once the monster
// pack carries its own copy; when the Pellam model set is not installed (neither of its marker
// models exists) its definitions and model folders are removed, so the engine never reads
// definitions for models that are gone. Failures are ignored: tidying is best effort.
void tidyModelFolders(const InstallPaths& paths);

} // namespace z3d
