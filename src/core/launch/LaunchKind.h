#pragma once

namespace z3d {

// What the next launch starts.
enum class LaunchKind : int
{
    None = 0, // the engine's own start
    WarpToMap = 1,
    LoadSave = 2,
    NewGame = 3, // "Start game from New": no map and no skill switch
};

} // namespace z3d
