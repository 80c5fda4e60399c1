#pragma once

#include "core/platform/ErrorNumber.h"
#include "core/platform/InstallationLock.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

namespace z3d {

// A file that replaces its target whole. The bytes go into a temporary beside the target under
// a name of the launcher's own (StaleTemporaries); commit() flushes it, checks that every byte
// reached the file system, has the system put them on the disk and only then renames it over
// the target. Any failure, or an object
// destroyed without commit(), removes the temporary and leaves the target as it was. A buffered
// writer's count is no proof: a full disk often shows only when the buffer is flushed.
//
// While the temporary exists, the installation's lock is held shared (InstallationLock), so no
// launcher's start-up sweep removes it.
//
// A target that is a link is written through: the file it points to is replaced. A new file
// is readable by everyone and writable by its owner; a replaced one keeps its permissions.
class ReplacementFile
{
public:
    explicit ReplacementFile(const QString& target);
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary in the target's folder.
    ErrorNumber open();
    // Appends bytes; 61 when the file system ran out of room.
    ErrorNumber write(const QByteArray& bytes);
    // Puts the temporary in the target's place; 61 when the last bytes found no room.
    ErrorNumber commit();

private:
    // The error of a write that failed with stillNeeded bytes yet to reach the disk.
    ErrorNumber failure(qint64 stillNeeded);

    QString m_target;
    // Held from open() until the temporary is gone, renamed or removed.
    InstallationLock m_writing;
    QTemporaryFile m_file;
};

} // namespace z3d
