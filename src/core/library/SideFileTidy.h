#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>

namespace z3d {

// The two side files met while a game's files are listed. The engine leaves a GL-node file
// ("<name>.Z3Dgwa") beside a wad, and a wad backup ("<name>.Z3Dbak") stands for a wad that
// must be put back.
class SideFileTidy
{
public:
    enum class Outcome
    {
        NotSideFile, // any other file: left alone
        Deleted,     // a node file, deleted (read-only too)
        Restored,    // a backup, copied over "<name>.wad" and then deleted
        Failed,      // the file could not be tidied; a backup is kept when its copy failed
    };

    struct Result
    {
        Outcome outcome = Outcome::NotSideFile;
        // For Restored: the path of the wad written, in its on-disk spelling.
        QString restoredWad;
        ErrorNumber error = ErrorNumber::None;
    };

    // Tidies path when its full path ends in "Z3Dgwa" or "Z3Dbak" (without regard to case).
    // A backup replaces "<path without its last six characters>wad" (an existing file of any
    // case is overwritten atomically, read-only or not) and is deleted only once the copy is
    // complete, so a failed copy never loses the backup.
    static Result tidy(const QString& path);
};

} // namespace z3d
