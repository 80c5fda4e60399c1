#pragma once

#include <QString>

namespace z3d {

// The free space of file systems, asked before large writes so that a write that cannot fit
// is refused before anything is written, and a failed write can be told apart as a full disk.
class DiskSpace
{
public:
    // The bytes an unprivileged writer may still use on the file system holding path (a file
    // or folder that need not exist yet: its nearest existing parent is asked). -1 when the
    // system cannot tell. An answer injected through FaultInjector::setFreeSpace wins.
    static qint64 availableBytes(const QString& path);
    // Whether bytes more fit on path's file system; true when the system cannot tell.
    static bool fits(const QString& path, qint64 bytes);
    // Whether a write to path that failed with stillNeeded bytes unwritten failed for want of
    // room: its file system has less than that left (and less than a few blocks, since
    // buffered writes fail after the buffer's size was already handed over).
    static bool isExhausted(const QString& path, qint64 stillNeeded);
    // "12.3 MB": a size for a message.
    static QString describe(qint64 bytes);
};

} // namespace z3d
