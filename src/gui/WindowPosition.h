#pragma once

class QWidget;

namespace z3d {

struct LauncherSettings;

// Stores the window's top and left, in twips from its screen's corner, into windowTop and
// windowLeft.
void storeWindowPosition(const QWidget& window, LauncherSettings& settings);

} // namespace z3d
