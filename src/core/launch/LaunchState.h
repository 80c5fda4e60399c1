#pragma once

#include "core/launch/LaunchKind.h"

#include <QString>

namespace z3d {

// The launch state: set by choosing a map, a save game or the skill "Start game from New",
// read when a launch is assembled. Lives for the whole run.
struct LaunchState
{
    LaunchKind kind = LaunchKind::None;
    // The map part of the warp switch: "1 1" for E1M1, "07" for MAP07.
    QString warpArgument;
    // The save-game argument (the slot).
    QString saveSlot;
    // The IWAD the launch runs.
    QString iwadPath;
    // The engine was started and the launcher window may be minimised.
    bool launchPending = false;
    // The shortcut command asks for the command line instead of an engine start.
    bool shortcutRequest = false;
};

} // namespace z3d
