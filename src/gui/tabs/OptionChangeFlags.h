#pragma once

namespace z3d {

// Options whose console commands are sent only after the player changed them. The launch
// clears them after the engine has started.
struct OptionChangeFlags
{
    bool ricochetChanged = false;
    bool fakeGlowChanged = false;
};

} // namespace z3d
