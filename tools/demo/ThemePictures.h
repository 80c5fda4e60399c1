#pragma once

#include <QString>

namespace z3d::demo {

// The demo installation's title pictures in Z3DLaunch/Themes: default.jpg and three more
// themes (two JPEG, one BMP), each a banner of its own colours.
bool writeThemePictures(const QString& themesFolder);

} // namespace z3d::demo
