#include "ThemePictures.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace z3d::demo {

namespace {

struct Theme
{
    const char* file;
    QColor top;
    QColor bottom;
    QColor text;
};

bool writeBanner(const QString& path, const Theme& theme)
{
    // Shapes only: drawing text would need a font database, which the stager does without.
    QImage banner(300, 96, QImage::Format_RGB32);
    QPainter painter(&banner);
    QLinearGradient shade(0, 0, 0, banner.height());
    shade.setColorAt(0, theme.top);
    shade.setColorAt(1, theme.bottom);
    painter.fillRect(banner.rect(), shade);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme.text);
    painter.drawEllipse(QPointF(48, 48), 30, 30);
    painter.setBrush(theme.bottom);
    painter.drawEllipse(QPointF(48, 48), 18, 18);
    painter.setBrush(theme.text);
    for (int bar = 0; bar < 3; ++bar)
        painter.drawRoundedRect(QRectF(96, 22 + bar * 20, 180 - bar * 40, 10), 4, 4);
    painter.end();
    return banner.save(path);
}

} // namespace

bool writeThemePictures(const QString& themesFolder)
{
    const Theme themes[] = {
        {"default.jpg", QColor(60, 16, 12), QColor(12, 4, 2), QColor(232, 176, 64)},
        {"ember.jpg", QColor(150, 40, 0), QColor(40, 0, 0), QColor(255, 224, 160)},
        {"ice.bmp", QColor(200, 230, 255), QColor(40, 90, 150), QColor(16, 32, 64)},
        {"moss.jpg", QColor(60, 100, 40), QColor(10, 30, 10), QColor(220, 240, 180)},
    };
    for (const Theme& theme : themes)
        if (!writeBanner(themesFolder + QLatin1Char('/') + QLatin1String(theme.file), theme))
            return false;
    return true;
}

} // namespace z3d::demo
