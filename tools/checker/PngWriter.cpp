#include "PngWriter.h"

#include <png.h>

#include <array>
#include <cstdio>
#include <system_error>

namespace z3d::checker {

namespace {

// libpng reports an error by a long jump out of its calls; everything it touches is plain C.
bool writeRows(std::FILE* out, const automap::MapPicture& picture)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool written = false;
    if (info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, out);
        png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8,
                     PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        std::array<png_color, automap::MapPicture::Palette.size()> palette{};
        for (std::size_t i = 0; i < automap::MapPicture::Palette.size(); ++i) {
            const auto& colour = automap::MapPicture::Palette[i];
            palette[i] = {colour.red, colour.green, colour.blue};
        }
        png_set_PLTE(png, info, palette.data(), int(automap::MapPicture::Palette.size()));
        png_write_info(png, info);
        for (int y = 0; y < picture.height; ++y) {
            png_write_row(png, picture.pixels.data() + std::size_t(y) * std::size_t(picture.width));
        }
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    return written;
}

} // namespace

bool PngWriter::write(const std::filesystem::path& file, const automap::MapPicture& picture)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out)
        return false;
    const bool written = writeRows(out, picture);
    // The close flushes the last bytes: a full disk shows here.
    if (std::fclose(out) != 0 || !written) {
        std::error_code error;
        std::filesystem::remove(file, error);
        return false;
    }
    return true;
}

} // namespace z3d::checker
