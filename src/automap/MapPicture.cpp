#include "automap/MapPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <utility>

namespace z3d::automap {

namespace {

// The line width grows with the picture; at the tip's size a line is a pixel and a quarter.
constexpr double MinLineWidth = 1.25;
constexpr double PixelsPerLineWidth = 256;
// The player's arrow is as long as a sixteenth of the picture, and never shorter than this.
constexpr double MinArrowLength = 7;
constexpr double ArrowHeadAngle = 0.6;  // radians either side of the shaft
constexpr double ArrowHeadShare = 0.45; // of the arrow's length

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

struct Point
{
    double x;
    double y;
};

// Draws pixels with the smoothed strokes: a pixel takes the new ink where it covers the pixel
// at least as much as what the pixel holds.
class Pen
{
public:
    Pen(MapPicture& picture, double width) : m_picture(picture), m_half(width / 2) {}

    // A line of the pen's width with round ends between a and b (pixel centres are at whole
    // coordinates). Only the pixels within reach of the line are looked at: along the axis
    // the line runs most along, a few on either side.
    void stroke(Point a, Point b, std::uint8_t ink)
    {
        const double reach = m_half + 0.5;
        const bool steep = std::abs(b.y - a.y) > std::abs(b.x - a.x);
        if (steep) {
            std::swap(a.x, a.y);
            std::swap(b.x, b.y);
        }
        if (a.x > b.x)
            std::swap(a, b);
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        // Across the line, reach grows as the line leans towards the other axis.
        const double across = length2 > 0 ? reach * std::sqrt(length2) / dx : reach;
        const int majorSize = steep ? m_picture.height : m_picture.width;
        const int minorSize = steep ? m_picture.width : m_picture.height;
        const int first = std::max(0, int(std::ceil(a.x - reach)));
        const int last = std::min(majorSize - 1, int(std::floor(b.x + reach)));
        for (int major = first; major <= last; ++major) {
            const double along = std::clamp(double(major), a.x, b.x);
            const double centre = dx > 0 ? a.y + (along - a.x) * dy / dx : a.y;
            const int low = std::max(0, int(std::ceil(centre - across)));
            const int high = std::min(minorSize - 1, int(std::floor(centre + across)));
            for (int minor = low; minor <= high; ++minor) {
                const double distance = distanceToSegment({double(major), double(minor)}, a, b);
                const int level = int(std::lround(std::clamp(m_half + 0.5 - distance, 0.0, 1.0) *
                                                  MapPicture::Levels));
                if (level > 0)
                    plot(steep ? minor : major, steep ? major : minor, ink, level);
            }
        }
    }

private:
    static double distanceToSegment(Point p, Point a, Point b)
    {
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 > 0
                             ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0)
                             : 0.0;
        return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
    }

    void plot(int x, int y, std::uint8_t ink, int level)
    {
        std::uint8_t& pixel =
            m_picture.pixels[std::size_t(y) * std::size_t(m_picture.width) + std::size_t(x)];
        if (level >= MapPicture::levelOf(pixel))
            pixel = MapPicture::shade(ink, level);
    }

    MapPicture& m_picture;
    double m_half;
};

// The inks follow the looks in the same order.
MapPicture::Ink inkFor(LineLook look)
{
    static_assert(MapPicture::FloorStep + int(LineLook::YellowLock) == MapPicture::YellowLock);
    return MapPicture::Ink(MapPicture::FloorStep + int(look));
}

} // namespace

MapPicture MapPicture::draw(const MapGeometry& map, int size)
{
    size = std::clamp(size, MinSize, MaxSize);
    MapPicture picture;
    if (map.lines.empty()) {
        picture.width = picture.height = MinSize;
        picture.pixels.assign(std::size_t(MinSize) * MinSize, Background);
        return picture;
    }
    Bounds bounds;
    for (const Line& line : map.lines) {
        bounds.include(map.vertices[line.from]);
        bounds.include(map.vertices[line.to]);
    }
    if (map.start)
        bounds.include(map.start->at);
    const double lineWidth = std::max(MinLineWidth, size / PixelsPerLineWidth);
    // Room for a line's width and, beyond it, a margin of a few pixels.
    const int margin = int(std::ceil(lineWidth / 2 + 0.5)) + size / 80;
    const double spanX = bounds.right - bounds.left;
    const double spanY = bounds.top - bounds.bottom;
    const int inner = size - 2 * margin;
    const double scale = std::max(spanX, spanY) > 0 ? (inner - 1) / std::max(spanX, spanY) : 0;
    const auto extent = [&](double span) {
        return std::clamp(int(std::lround(span * scale)) + 1 + 2 * margin, MinSize, size);
    };
    picture.width = extent(spanX);
    picture.height = extent(spanY);
    picture.pixels.assign(std::size_t(picture.width) * std::size_t(picture.height), Background);

    // Centred in the picture when the drawing is smaller than the least size.
    const double offsetX = (picture.width - 1 - spanX * scale) / 2;
    const double offsetY = (picture.height - 1 - spanY * scale) / 2;
    const auto point = [&](const Vertex& v) {
        return Point{offsetX + (v.x - bounds.left) * scale, offsetY + (bounds.top - v.y) * scale};
    };
    Pen pen(picture, lineWidth);
    // Each ink in turn, so that walls cover steps and the marks cover walls.
    for (std::uint8_t ink = FloorStep; ink < PlayerArrow; ++ink) {
        for (const Line& line : map.lines) {
            if (inkFor(line.look) == ink)
                pen.stroke(point(map.vertices[line.from]), point(map.vertices[line.to]), ink);
        }
    }
    if (map.start) {
        const double length = std::max(MinArrowLength, size / 16.0);
        const Point centre = point(map.start->at);
        const double facing = map.start->angle * std::numbers::pi / 180;
        // Map north is the picture's up: y is turned over.
        const auto towards = [&](Point from, double angle, double distance) {
            return Point{from.x + std::cos(angle) * distance, from.y - std::sin(angle) * distance};
        };
        const Point tip = towards(centre, facing, length / 2);
        const Point tail = towards(centre, facing, -length / 2);
        pen.stroke(tail, tip, PlayerArrow);
        for (const double side : {ArrowHeadAngle, -ArrowHeadAngle})
            pen.stroke(tip, towards(tip, facing + std::numbers::pi + side, length * ArrowHeadShare),
                       PlayerArrow);
    }
    return picture;
}

} // namespace z3d::automap
