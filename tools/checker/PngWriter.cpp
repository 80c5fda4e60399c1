#include "PngWriter.h"

#include <png.h>

#include <array>
#include <cerrno>
#include <cstdio>

namespace z3d::checker {

namespace {

// libpng's failures end in a long jump out of its calls; the error number of the failed write
// is kept before anything else can change it. Nothing is printed: the caller says why.
[[noreturn]] void failed(png_structp png, png_const_charp)
{
    *static_cast<int*>(png_get_error_ptr(png)) = errno;
    png_longjmp(png, 1);
}

void warned(png_structp, png_const_charp) {}

// True when the rows were written through out; otherwise *error holds the error number of the
// failed write, 0 when libpng failed without one. Everything libpng touches is plain C.
bool writeRows(std::FILE* out, const automap::MapPicture& picture, int* error)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, error, failed, warned);
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

std::error_code PngWriter::write(const std::filesystem::path& file,
                                 const automap::MapPicture& picture)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out)
        return {errno, std::generic_category()};
    errno = 0; // a failure of libpng's own leaves none
    int error = 0;
    if (!writeRows(out, picture, &error) && error == 0)
        error = EIO;
    // The close flushes the last bytes: a full disk often shows only here.
    if (std::fclose(out) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    if (error != 0) {
        // Only a file of our writing goes: a device or other special file named stays.
        std::error_code ignored;
        if (std::filesystem::is_regular_file(std::filesystem::symlink_status(file, ignored)))
            std::filesystem::remove(file, ignored);
    }
    return {error, std::generic_category()};
}

} // namespace z3d::checker
