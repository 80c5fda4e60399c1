#include "core/platform/StaleTemporaries.h"

#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

#include <QDir>

namespace z3d {

namespace {

constexpr qsizetype kRandomPart = 6;
const QString kZipPrefix = QStringLiteral(".z3dzip-");

bool isRandomPart(QStringView text)
{
    if (text.size() != kRandomPart)
        return false;
    for (const QChar c : text) {
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
    }
    return true;
}

} // namespace

bool StaleTemporaries::isTemporaryName(const QString& fileName)
{
    if (fileName.startsWith(kZipPrefix))
        return isRandomPart(QStringView(fileName).mid(kZipPrefix.size()));
    const qsizetype dot = fileName.size() - kRandomPart - 1;
    if (dot < 1 || fileName.at(dot) != u'.' || !isRandomPart(QStringView(fileName).mid(dot + 1)))
        return false;
    // The target's own name: something before its extension's dot, something after it.
    const QStringView target = QStringView(fileName).left(dot);
    const qsizetype extension = target.lastIndexOf(u'.');
    return extension > 0 && extension < target.size() - 1;
}

QStringList StaleTemporaries::removeIn(const QString& folder)
{
    QStringList removed;
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!isTemporaryName(name))
            continue;
        const QString path = dir.filePath(name);
        if (FileOperations::deleteFile(path) == ErrorNumber::None)
            removed.append(path);
    }
    return removed;
}

QStringList StaleTemporaries::removeFromLauncherFolders(const InstallPaths& paths)
{
    QStringList removed;
    const QStringList folders = {paths.launcherDir, paths.launcherDataDir, paths.gameInfoDir,
                                 paths.musicDir,
                                 PathResolver::resolveUnder(paths.launcherDir, "Zips")};
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && PathResolver::folderExists(folder))
            removed += removeIn(folder);
    }
    return removed;
}

} // namespace z3d
