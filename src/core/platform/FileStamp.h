#pragma once

#include <QString>

#include <optional>

namespace z3d {

// What tells one state of a file from another without reading it: the file itself (device and
// inode, or volume and file index), its size, its modification time and the time its entry last
// changed. A file rewritten in place, or replaced by another of the same size whose
// modification time was kept (as "cp -p" or an unzip keeps it), has another stamp: the change
// time moves with every write and every change of the times, and a replacement is another file.
struct FileStamp
{
    quint64 device = 0;
    quint64 file = 0;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch (100 ns steps on Windows)
    qint64 changed = 0;

    // The stamp of the file at path (links followed); nothing when there is no file there or
    // it cannot be examined.
    static std::optional<FileStamp> of(const QString& path);

    bool operator==(const FileStamp&) const = default;
};

} // namespace z3d
