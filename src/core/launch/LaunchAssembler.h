#pragma once

#include "core/launch/LaunchInputs.h"
#include "core/launch/LaunchOutcome.h"
#include "core/settings/LauncherSettings.h"

namespace z3d {

// The two launch procedures as pure functions: settings are the options as gathered from the
// window (and refreshed from the installed resources); inputs carry the selection, the launch
// state and every answer of the disk. Nothing is read, written, shown or started here: the
// outcome says what the caller must do.

// A game of the "Doom games" view: the chosen IWAD.
LaunchOutcome launchCommercialGame(const LauncherSettings& settings, const LaunchInputs& inputs);

// A game of the "Installed games" or "Zip Libray" view.
LaunchOutcome launchInstalledGame(const LauncherSettings& settings, const LaunchInputs& inputs);

} // namespace z3d
