#include "core/platform/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace z3d {

QString PrivateFolder::forUser(const QString& temporaryFolder)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivate(runtime))
        return QDir::cleanPath(runtime);
    return within(temporaryFolder);
}

#if defined(Q_OS_UNIX)

QString PrivateFolder::within(const QString& temporaryFolder)
{
    const QString folder =
        QDir(temporaryFolder).filePath(QStringLiteral("z3dlauncher-%1").arg(::getuid()));
    // An existing entry of that name is judged below, never changed.
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return isPrivate(folder) ? folder : QString();
}

bool PrivateFolder::isPrivate(const QString& folder)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(folder).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == ::getuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

#else

// The temporary folder is the user's own (in the user's profile).
QString PrivateFolder::within(const QString& temporaryFolder)
{
    return temporaryFolder;
}

bool PrivateFolder::isPrivate(const QString& folder)
{
    return QFileInfo(folder).isDir();
}

#endif

} // namespace z3d
