#pragma once

#include "core/platform/ErrorNumber.h"

#include <QFileDevice>
#include <QString>

#include <system_error>

namespace z3d {

// The one place where the system's file errors become the launcher's error numbers.
class ErrorMapping
{
public:
    // What the failed operation was aimed at: a missing target is 53 for a file and 76 for a
    // folder; a missing parent folder is 76 either way.
    enum class Target
    {
        File,
        Folder
    };

    // Maps a system error (errno values on POSIX, Windows error codes on Windows; compared
    // through std::errc) for an operation on path.
    static ErrorNumber fromSystemError(const std::error_code& error, const QString& path,
                                       Target target = Target::File);
    // Maps a QFile/QSaveFile error for an operation on path; looks at the disk to tell a
    // missing file from a missing folder.
    static ErrorNumber fromFileError(QFileDevice::FileError error, const QString& path);
};

} // namespace z3d
