#pragma once

#include "automap/MapPicture.h"

#include <filesystem>
#include <system_error>

namespace z3d::checker {

// Writes a map picture as an 8-bit palette PNG (the picture's palette, one entry per ink)
// with libpng. When the file cannot be written whole, the system's error (an I/O error when
// libpng itself failed) and no file left behind.
class PngWriter
{
public:
    static std::error_code write(const std::filesystem::path& file,
                                 const automap::MapPicture& picture);
};

} // namespace z3d::checker
