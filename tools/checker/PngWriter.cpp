#include "PngWriter.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <vector>

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

// What libpng is given of a picture: its header, its palette when it has one, its rows.
struct Rows
{
    int width;
    int height;
    int colourType;
    const png_byte* bytes;
    std::size_t rowBytes;
    std::vector<png_color> palette = {};
};

// True when the rows were written through out; otherwise *error holds the error number of the
// failed write, 0 when libpng failed without one. Everything libpng touches is plain C.
bool writeRows(std::FILE* out, const Rows& rows, int* error)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, error, failed, warned);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool written = false;
    if (info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, out);
        png_set_IHDR(png, info, png_uint_32(rows.width), png_uint_32(rows.height), 8,
                     rows.colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        if (!rows.palette.empty())
            png_set_PLTE(png, info, rows.palette.data(), int(rows.palette.size()));
        png_write_info(png, info);
        for (int y = 0; y < rows.height; ++y)
            png_write_row(png, rows.bytes + std::size_t(y) * rows.rowBytes);
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    return written;
}

std::error_code writeFile(const std::filesystem::path& file, const Rows& rows)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out)
        return {errno, std::generic_category()};
    errno = 0; // a failure of libpng's own leaves none
    int error = 0;
    if (!writeRows(out, rows, &error) && error == 0)
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

} // namespace

std::error_code PngWriter::write(const std::filesystem::path& file,
                                 const automap::MapPicture& picture)
{
    Rows rows{picture.width, picture.height, PNG_COLOR_TYPE_PALETTE, picture.pixels.data(),
              std::size_t(picture.width)};
    for (const auto& colour : automap::MapPicture::Palette)
        rows.palette.push_back({colour.red, colour.green, colour.blue});
    return writeFile(file, rows);
}

std::error_code PngWriter::write(const std::filesystem::path& file,
                                 const automap::TitlePicture& picture)
{
    std::vector<png_byte> rgb;
    rgb.reserve(picture.argb.size() * 3);
    for (const std::uint32_t pixel : picture.argb)
        rgb.insert(rgb.end(), {png_byte(pixel >> 16), png_byte(pixel >> 8), png_byte(pixel)});
    return writeFile(file, {picture.width, picture.height, PNG_COLOR_TYPE_RGB, rgb.data(),
                            std::size_t(picture.width) * 3});
}

} // namespace z3d::checker
