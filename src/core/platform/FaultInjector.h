#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>

#include <optional>

namespace z3d {

// The file operations a test can make fail.
enum class FileOperation
{
    Read,         // opening a file for reading
    Write,        // creating or replacing a file
    Delete,       // deleting a file
    CreateFolder, // creating a folder
    DeleteFolder, // deleting a folder (alone or with its contents)
};

// Process-wide list of injected failures, consulted by every operation of the platform file
// layer before it touches the disk. Empty in production: nothing registers a fault outside
// tests. A test registers the paths that must fail and clears the list afterwards (a test runs
// as root, so file permissions cannot produce these failures).
//
// Paths are compared after cleaning ('\\' and '/' alike, no trailing separator) and without
// regard to case.
class FaultInjector
{
public:
    // Makes op on exactly path fail with error.
    static void fail(FileOperation op, const QString& path, ErrorNumber error);
    // Makes op on any path inside folder (not the folder itself) fail with error.
    static void failInside(FileOperation op, const QString& folder, ErrorNumber error);
    // Makes the free space of the file system holding folder (and everything inside it) read
    // as bytes.
    static void setFreeSpace(const QString& folder, qint64 bytes);
    // Removes every injected failure and free-space answer.
    static void clear();
    // The error injected for op on path, or ErrorNumber::None.
    static ErrorNumber check(FileOperation op, const QString& path);
    // The free space injected for path (the nearest enclosing folder given), if any.
    static std::optional<qint64> freeSpace(const QString& path);
};

} // namespace z3d
