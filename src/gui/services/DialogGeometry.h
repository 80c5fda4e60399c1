#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace z3d {

// Top-left corner that centres a window of the given size over the main window. A window larger
// than the main window keeps its centre there, so its corner may lie left of or above it.
QPoint centredOver(const QRect& mainWindow, const QSize& size);

// Where a hooked open-file dialog sits: 9 % of the main window's width from its left edge and
// 18 % (advanced layout) or 20 % (default layout) of its height from its top edge.
QPoint hookedFileDialogPosition(const QRect& mainWindow, bool advancedLayout);

} // namespace z3d
