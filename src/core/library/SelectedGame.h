#pragma once

#include "core/library/GameSelection.h"

namespace z3d {

struct LauncherSettings;

// The selected game's name as its records know it: the commercial game's display name, the
// installed game's folder name or the zip archive's base name; empty when nothing is selected.
QString selectedGameName(const GameSelection& selection, const LauncherSettings& settings);

} // namespace z3d
