#include "gui/services/DialogGeometry.h"

#include <cmath>

namespace z3d {

QPoint centredOver(const QRect& mainWindow, const QSize& size)
{
    // Integer division as the placement hook does it, truncating toward zero.
    const int x = mainWindow.left() + (mainWindow.width() - size.width()) / 2;
    const int y = mainWindow.top() + (mainWindow.height() - size.height()) / 2;
    return {x, y};
}

QPoint hookedFileDialogPosition(const QRect& mainWindow, bool advancedLayout)
{
    const double x = mainWindow.left() + std::lround(mainWindow.width() * 9 / 100.0);
    const int percent = advancedLayout ? 18 : 20;
    const double y = mainWindow.top() + std::lround(mainWindow.height() * percent / 100.0);
    return {static_cast<int>(x), static_cast<int>(y)};
}

} // namespace z3d
