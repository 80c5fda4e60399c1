#include "TitleImage.h"

#include <png.h>

#include <algorithm>

namespace z3d::checker {

namespace {

using automap::TitlePicture;

std::optional<TitlePicture> decodePng(const TitlePicture& picture)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, picture.png.data(), picture.png.size()))
        return std::nullopt;
    if (int(image.width) != picture.width || int(image.height) != picture.height) {
        png_image_free(&image);
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    const png_color black{0, 0, 0};
    if (!png_image_finish_read(&image, &black, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    TitlePicture decoded;
    decoded.width = picture.width;
    decoded.height = picture.height;
    decoded.argb.resize(rgb.size() / 3);
    for (std::size_t i = 0; i < decoded.argb.size(); ++i) {
        decoded.argb[i] = 0xFF000000 | std::uint32_t{rgb[i * 3]} << 16 |
                          std::uint32_t{rgb[i * 3 + 1]} << 8 | rgb[i * 3 + 2];
    }
    return decoded;
}

// The picture resampled to height rows: in units where a stored row is height high and a
// shown row picture.height high, each shown row takes every stored row it overlaps, weighted
// by the overlap.
TitlePicture stretched(const TitlePicture& picture, int height)
{
    const auto from = std::int64_t(picture.height);
    const auto to = std::int64_t(height);
    const auto width = std::size_t(picture.width);
    TitlePicture shown;
    shown.width = picture.width;
    shown.height = height;
    shown.argb.resize(width * std::size_t(height));
    for (std::int64_t row = 0; row < to; ++row) {
        const std::int64_t top = row * from;
        const std::int64_t bottom = top + from;
        for (std::size_t x = 0; x < width; ++x) {
            std::int64_t sums[3] = {};
            for (std::int64_t stored = top / to; stored * to < bottom; ++stored) {
                const std::int64_t weight =
                    std::min(bottom, (stored + 1) * to) - std::max(top, stored * to);
                const std::uint32_t pixel = picture.argb[std::size_t(stored) * width + x];
                for (int channel = 0; channel < 3; ++channel)
                    sums[channel] += weight * (pixel >> (16 - 8 * channel) & 0xFF);
            }
            std::uint32_t pixel = 0xFF000000;
            for (int channel = 0; channel < 3; ++channel)
                pixel |= std::uint32_t((sums[channel] + from / 2) / from) << (16 - 8 * channel);
            shown.argb[std::size_t(row) * width + x] = pixel;
        }
    }
    return shown;
}

} // namespace

std::optional<TitlePicture> TitleImage::shown(const TitlePicture& picture)
{
    std::optional<TitlePicture> pixels = picture.argb.empty() ? decodePng(picture) : picture;
    if (!pixels)
        return std::nullopt;
    const int height = picture.shownHeight();
    if (height == pixels->height)
        return pixels;
    return stretched(*pixels, height);
}

} // namespace z3d::checker
