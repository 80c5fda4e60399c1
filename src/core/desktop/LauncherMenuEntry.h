#pragma once

#include "core/desktop/DesktopEntry.h"
#include "core/platform/ErrorNumber.h"

#include <QString>

namespace z3d {

// The launcher's own entry in the applications menu, written by `make install` through the
// desktop-entry writer the shortcuts use.
class LauncherMenuEntry
{
public:
    static constexpr const char* kFileName = "Z3DLauncher.desktop";
    static constexpr const char* kName = "Z3DLauncher";
    static constexpr const char* kComment = "Choose a Doom game, a map and the options, and start "
                                            "Zorn3D";

    // Name "Z3DLauncher", the comment above, the launcher file as the whole command, its
    // folder as the working folder, the icon file, and the menu's Game section.
    static DesktopEntryFields fields(const QString& launcherFile, const QString& iconFile);

    // Writes the entry as applicationsFolder/Z3DLauncher.desktop (an entry of that name in
    // another case is replaced), creating the folder when missing; the file is replaced
    // atomically. Sets *written to the file's path on success. A launcher path the format
    // cannot carry gives ErrorNumber::PathFileAccessError, and nothing is written.
    static ErrorNumber write(const QString& applicationsFolder, const QString& launcherFile,
                             const QString& iconFile, QString* written = nullptr);
};

} // namespace z3d
