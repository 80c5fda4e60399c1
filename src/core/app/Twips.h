#pragma once

#include <cmath>

namespace z3d {

// Window coordinates are kept in twips, 1440 to the logical inch (15 to the pixel at 96 DPI).
class Twips
{
public:
    static constexpr double kPerInch = 1440.0;

    Twips(double dpiX, double dpiY) : m_dpiX(dpiX), m_dpiY(dpiY) {}

    int width(int twips) const { return toPixels(twips, m_dpiX); }
    int height(int twips) const { return toPixels(twips, m_dpiY); }
    int fromWidth(int pixels) const { return toTwips(pixels, m_dpiX); }
    int fromHeight(int pixels) const { return toTwips(pixels, m_dpiY); }

private:
    static int toPixels(int twips, double dpi)
    {
        return static_cast<int>(std::lround(twips * dpi / kPerInch));
    }
    static int toTwips(int pixels, double dpi)
    {
        return static_cast<int>(std::lround(pixels * kPerInch / dpi));
    }

    double m_dpiX;
    double m_dpiY;
};

} // namespace z3d
