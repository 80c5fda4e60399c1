#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

struct InstallPaths;

// The temporary files an interrupted replacement leaves behind. Every file the launcher
// rewrites is written as "<name>.XXXXXX" beside it and renamed over it; a zip member is
// written as ".z3dzip-XXXXXX" in its folder. A process killed between the two steps (or a
// power cut) leaves the temporary for good, so the start-up removes them from the launcher's
// own folders, where the player keeps no files of that form.
//
// Only one launcher runs per installation: call this once the single-instance lock is held,
// never while another instance could be writing.
class StaleTemporaries
{
public:
    // Whether a file name has the form of such a temporary: ".z3dzip-" and six letters or
    // digits, or a name with an extension followed by '.' and six letters or digits
    // ("config.z3d.aBcDeF"). A name without an extension before the suffix ("notes.aBcDeF")
    // is not one: the launcher writes no such file.
    static bool isTemporaryName(const QString& fileName);
    // Removes the temporaries directly in folder (not in its sub-folders); the paths removed.
    static QStringList removeIn(const QString& folder);
    // removeIn() over the launcher's folders: Z3DLaunch, its Data, GameInfo, Music and Zips.
    static QStringList removeFromLauncherFolders(const InstallPaths& paths);
};

} // namespace z3d
