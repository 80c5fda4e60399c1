#pragma once

#include <QString>

namespace z3d {

// The folder of the running program's file, absolute, its name as the system gives it: every
// byte kept (LosslessUtf8), where Qt's own answer is empty for a name that is not UTF-8 (and a
// folder made of an empty text is the working folder).
class ExecutableFolder
{
public:
    // Empty when the system cannot tell.
    static QString path();
    // Whether installRoot, as Qt's file layer reaches it by its text, is the parent of
    // launcherFolder (as path() gives it) itself: the same folder by device and inode. Not so
    // for a relative or empty launcherFolder, a root whose name Qt cannot hold (a byte outside
    // UTF-8 on Unix) or a missing one, nor for any other folder the root's text may name.
    static bool holdsInstallRoot(const QString& launcherFolder, const QString& installRoot);
};

} // namespace z3d
