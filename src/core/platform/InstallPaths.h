#pragma once

#include <QString>

namespace z3d {

// The installation's fixed paths, computed once at start-up from InstallRoot (the parent of
// the folder holding the launcher). Each is InstallRoot joined with its fixed relative path,
// '/'-separated, in the spelling found on disk when it exists (else as written here). Folder
// values end with '/' where they are used as prefixes (LauncherDir + "config.z3d").
struct InstallPaths
{
    QString installRoot;      // no trailing separator (except the root folder "/")
    QString zipLibraryDir;    // Z3DArchives, no trailing separator; archives.z3d may replace it
    QString launcherDataDir;  // Z3DLaunch/Data/
    QString baseDefsDir;      // Defs/Base/
    QString modelDefsDir;     // Defs/Model/
    QString addonDefsDir;     // Defs/Model/Addon/
    QString pellamDefsDir;    // Defs/Model/Pellam/
    QString orrinpackDefsDir; // Defs/Model/Orrinpack/
    QString launcherDir;      // Z3DLaunch/
    QString gamesDir;         // Z3DGames/
    QString customDefsDir;    // Defs/Custom/
    QString musicDir;         // Z3DLaunch/Music/
    QString modelDir;         // Md2/
    QString engineExe;        // bin/Zorn3D.exe
    QString gameInfoDir;      // Z3DLaunch/GameInfo/

    // Every path for the installation rooted at installRoot.
    static InstallPaths fromInstallRoot(const QString& installRoot);
    // Every path for a launcher running from launcherFolder (InstallRoot is its parent).
    static InstallPaths fromLauncherFolder(const QString& launcherFolder);
    // InstallRoot joined with a relative path in either separator style
    // ("\\Data\\Textures"), resolved case-insensitively.
    QString under(const QString& relative) const;
};

} // namespace z3d
