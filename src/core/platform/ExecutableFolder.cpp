#include "core/platform/ExecutableFolder.h"

#include "core/platform/LosslessUtf8.h"
#include "core/platform/NativePath.h"
#include "core/platform/PathResolver.h"

#include <QCoreApplication>
#include <QDir>

#include <filesystem>
#include <system_error>

namespace z3d {

QString ExecutableFolder::path()
{
#if defined(Q_OS_LINUX)
    std::error_code error;
    const std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && file.is_absolute())
        return PathResolver::parentFolder(LosslessUtf8::decode(
            QByteArrayView(file.native().data(), qsizetype(file.native().size()))));
#endif
    // Elsewhere the system's names are Unicode (Windows) or the answer is Qt's.
    return QCoreApplication::applicationDirPath();
}

bool ExecutableFolder::holdsInstallRoot(const QString& launcherFolder, const QString& installRoot)
{
    const QString folder = QDir::cleanPath(PathResolver::normalizeSeparators(launcherFolder));
    if (!QDir::isAbsolutePath(folder) || !reachableByText(installRoot))
        return false;
    QString parent = PathResolver::parentFolder(folder);
    if (parent.isEmpty())
        parent = folder;
    std::error_code error; // a folder that cannot be looked at is not the root either
    return std::filesystem::equivalent(toNativePath(installRoot), toLosslessNativePath(parent),
                                       error);
}

} // namespace z3d
