#pragma once

#include <QString>

namespace z3d {

// The probe made before a game file is deleted: is the file held by another program?
class FileInUse
{
public:
    // True when another process of this machine has the file open. On Windows that is an
    // exclusive open failing with a sharing violation; elsewhere, since opens are never
    // exclusive, a process other than this one holding a descriptor of the same file (found
    // through /proc). A missing file, a folder or an empty path is not in use. The path is
    // found without regard to case.
    static bool check(const QString& path);
};

} // namespace z3d
