#pragma once

#include <QString>

namespace z3d {

// The user's special folders that shortcuts go into. Empty when the system names none.
class SpecialFolders
{
public:
    // The desktop folder (on Linux the XDG desktop folder, usually ~/Desktop).
    static QString desktop();
    // The folder of the user's program menu entries (on Linux ~/.local/share/applications,
    // on Windows the Start Menu's Programs folder).
    static QString applications();
};

} // namespace z3d
