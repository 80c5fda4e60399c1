#pragma once

#include <QString>

namespace z3d {

// Where shortcuts live: a "Zorn3D Shortcuts" subfolder of the user's desktop folder and one of
// the user's program menu folder. Tests give their own base folders.
struct ShortcutFolders
{
    static constexpr const char* kSubfolder = "Zorn3D Shortcuts";

    QString desktop;      // the desktop folder itself
    QString applications; // the program menu folder itself (the Start Menu's programs)

    // The user's folders, from the system.
    static ShortcutFolders standard();

    // The base folder + "/Zorn3D Shortcuts", in its on-disk spelling when it exists; empty when
    // the base folder is unknown (then no link is written or looked for there).
    QString desktopShortcuts() const;
    QString menuShortcuts() const;
};

} // namespace z3d
