#pragma once

#include "automap/MapPicture.h"

#include <filesystem>

namespace z3d::checker {

// Writes a map picture as an 8-bit palette PNG (the picture's palette, one entry per ink)
// with libpng. False, and no file left behind, when the file cannot be written whole.
class PngWriter
{
public:
    static bool write(const std::filesystem::path& file, const automap::MapPicture& picture);
};

} // namespace z3d::checker
