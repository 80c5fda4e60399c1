#pragma once

#include "automap/MapPicture.h"
#include "automap/TitlePicture.h"

#include <filesystem>
#include <system_error>

namespace z3d::checker {

// Writes a picture as a PNG with libpng. When the file cannot be written whole, the system's
// error (an I/O error when libpng itself failed) and no file left behind.
class PngWriter
{
public:
    // A map picture: 8-bit palette (the picture's palette, one entry per ink).
    static std::error_code write(const std::filesystem::path& file,
                                 const automap::MapPicture& picture);
    // A title picture of opaque pixels (argb): 8-bit RGB.
    static std::error_code write(const std::filesystem::path& file,
                                 const automap::TitlePicture& picture);
};

} // namespace z3d::checker
