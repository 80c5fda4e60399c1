#include "FileChanges.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace z3d::test {

namespace {

// Writes a scratch file beside path until its change time is later than path's.
bool waitPastChangeTime(const QString& path)
{
    const QDateTime changed = QFileInfo(path).metadataChangeTime();
    const QString probe = path + QStringLiteral(".clock");
    bool passed = false;
    for (int attempt = 0; attempt < 1000000 && !passed; ++attempt) {
        QFile file(probe);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write("x") != 1)
            return false;
        file.close();
        passed = QFileInfo(probe).metadataChangeTime() > changed;
    }
    return QFile::remove(probe) && passed;
}

// The file's modification time, to the nanosecond.
bool modificationTime(const QString& path, timespec& time)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    time = status.st_mtim;
    return true;
}

// Sets the file's modification time to the nanosecond (as "cp -p" keeps it), leaving its access
// time as it is.
bool setModificationTime(const QString& path, const timespec& time)
{
    const timespec times[2] = {{0, UTIME_OMIT}, time};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace

bool changeFile(const QString& path, FileChange change)
{
    if (change == FileChange::None)
        return true;
    timespec modified{};
    if (!waitPastChangeTime(path) || !modificationTime(path, modified))
        return false;
    QFile file(path);
    const qint64 size = QFileInfo(path).size();
    switch (change) {
    case FileChange::None:
        return true;
    case FileChange::TimeMoved:
        modified.tv_sec += 3600;
        return setModificationTime(path, modified);
    case FileChange::RewrittenKeepingSizeAndTime:
        return file.open(QIODevice::ReadWrite) && file.write(QByteArray(size, 'r')) == size &&
               file.flush() && setModificationTime(path, modified);
    case FileChange::ReplacedKeepingSizeAndTime: {
        const QString other = path + QStringLiteral(".new");
        QFile replacement(other);
        if (!replacement.open(QIODevice::WriteOnly) ||
            replacement.write(QByteArray(size, 'n')) != size || !replacement.flush())
            return false;
        replacement.close();
        // A rename that replaces the file, as QFile::rename never does.
        return setModificationTime(other, modified) &&
               std::rename(QFile::encodeName(other).constData(),
                           QFile::encodeName(path).constData()) == 0;
    }
    case FileChange::Grown:
        return file.open(QIODevice::Append) && file.write("more") == 4;
    }
    return false;
}

} // namespace z3d::test
