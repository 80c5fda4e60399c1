#pragma once

#include <string>

namespace z3d::checker {

// One save game of a save folder: its slot digit and the description the player typed,
// as raw bytes (the first 24 bytes of the file, up to the first NUL).
struct SaveHeader
{
    int slot = 0;
    std::string description;
};

} // namespace z3d::checker
