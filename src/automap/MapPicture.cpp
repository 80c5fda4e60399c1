#include "automap/MapPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace z3d::automap {

namespace {

constexpr int Border = 1;

struct Bounds
{
    double left = std::numeric_limits<double>::max();
    double bottom = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    double top = std::numeric_limits<double>::lowest();

    void include(const Vertex& v)
    {
        left = std::min(left, v.x);
        right = std::max(right, v.x);
        bottom = std::min(bottom, v.y);
        top = std::max(top, v.y);
    }
};

// Bresenham's line, every point clipped to the picture.
void drawLine(MapPicture& picture, int x0, int y0, int x1, int y1, std::uint8_t ink)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        if (x0 >= 0 && y0 >= 0 && x0 < picture.width && y0 < picture.height)
            picture.pixels[std::size_t(y0) * std::size_t(picture.width) + std::size_t(x0)] = ink;
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

} // namespace

MapPicture MapPicture::draw(const MapGeometry& map, int size)
{
    size = std::clamp(size, MinSize, MaxSize);
    MapPicture picture;
    Bounds bounds;
    for (const Line& line : map.lines) {
        bounds.include(map.vertices[line.from]);
        bounds.include(map.vertices[line.to]);
    }
    if (map.lines.empty()) {
        picture.width = picture.height = MinSize;
        picture.pixels.assign(std::size_t(MinSize) * MinSize, Background);
        return picture;
    }
    const double spanX = bounds.right - bounds.left;
    const double spanY = bounds.top - bounds.bottom;
    const int inner = size - 2 * Border;
    const double scale = std::max(spanX, spanY) > 0 ? (inner - 1) / std::max(spanX, spanY) : 0;
    const auto extent = [&](double span) {
        return std::clamp(int(std::lround(span * scale)) + 1 + 2 * Border, MinSize, size);
    };
    picture.width = extent(spanX);
    picture.height = extent(spanY);
    picture.pixels.assign(std::size_t(picture.width) * std::size_t(picture.height), Background);

    // Centred in the picture when the drawing is smaller than the least size.
    const double offsetX = (picture.width - 1 - spanX * scale) / 2;
    const double offsetY = (picture.height - 1 - spanY * scale) / 2;
    const auto column = [&](const Vertex& v) {
        return std::clamp(int(std::lround(offsetX + (v.x - bounds.left) * scale)), 0,
                          picture.width - 1);
    };
    const auto row = [&](const Vertex& v) {
        return std::clamp(int(std::lround(offsetY + (bounds.top - v.y) * scale)), 0,
                          picture.height - 1);
    };
    for (const std::uint8_t ink : {TwoSided, OneSided}) {
        for (const Line& line : map.lines) {
            if ((line.twoSided ? TwoSided : OneSided) != ink)
                continue;
            const Vertex& a = map.vertices[line.from];
            const Vertex& b = map.vertices[line.to];
            drawLine(picture, column(a), row(a), column(b), row(b), ink);
        }
    }
    return picture;
}

} // namespace z3d::automap
