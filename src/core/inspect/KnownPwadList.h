#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

// checkpwad.z3d in LauncherDataDir: the add-on wads the launcher knows to need special
// treatment at launch. One wad file name per line; the head of the file lists wads for the
// Tnt IWAD (class 1); a line beginning "Check2" ... "Check7" (any case) opens the section of
// that class. The file is read item by item, so a name must not contain a comma.
//
// Classes: 0 not listed, 1 Tnt IWAD, 2 Plutonia IWAD, 3 "-boom ", 4 "-mfo ", 5 "-stx ",
// 6 "-c_nextmap ", 7 Basic Doom mode for that launch.
class KnownPwadList
{
public:
    static constexpr const char* kFileName = "checkpwad.z3d";

    // The class of the game file named by gameFilePath (its file name is compared without
    // regard to case) in the checkpwad.z3d of launcherDataDir; 0 when the file is missing,
    // unreadable or does not name it.
    static int lookUp(const QString& launcherDataDir, const QString& gameFilePath);
    // The class of fileName among the file's items, read in order: a section marker sets the
    // current class; the first item equal to fileName decides (class 1 before any marker).
    static int classOf(const QStringList& items, const QString& fileName);
};

} // namespace z3d
