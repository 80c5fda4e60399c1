#include "core/iwads/IwadEnvironment.h"

#include "core/platform/PathResolver.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QSet>
#include <QtGlobal>

namespace z3d {

namespace {

const QString kDefaultDataDirs = QStringLiteral("/usr/local/share:/usr/share");
const QString kGamesFolder = QStringLiteral("games/doom");

// Only an absolute path counts; a relative one would be taken against the current folder.
bool usable(const QString& folder)
{
    return !folder.isEmpty() && QDir::isAbsolutePath(folder);
}

} // namespace

IwadEnvironment IwadEnvironment::fromProcess()
{
    return fromEnvironment(QProcessEnvironment::systemEnvironment());
}

IwadEnvironment IwadEnvironment::fromEnvironment(const QProcessEnvironment& environment)
{
    const auto value = [&](const char* name) { return environment.value(QLatin1String(name)); };
    return {value("$DOOMWADDIR"), value("DOOMWADDIR"),
            xdgDataFoldersOf(value("HOME"), value("XDG_DATA_HOME"), value("XDG_DATA_DIRS"))};
}

QStringList IwadEnvironment::xdgDataFoldersOf(const QString& home, const QString& dataHome,
                                              const QString& dataDirs)
{
    QStringList candidates;
    if (usable(dataHome))
        candidates << dataHome;
    else if (usable(home))
        candidates << home + QStringLiteral("/.local/share");
    const QString dirs = dataDirs.trimmed().isEmpty() ? kDefaultDataDirs : dataDirs;
    candidates << dirs.split(QLatin1Char(':'));

    QStringList folders;
    QSet<QString> seen;
    for (const QString& candidate : candidates) {
        if (!usable(candidate))
            continue;
        const QString folder = QDir::cleanPath(candidate);
        if (!seen.contains(folder)) {
            seen.insert(folder);
            folders << folder;
        }
    }
    return folders;
}

QString IwadEnvironment::searchFolder() const
{
    if (PathResolver::folderExists(dollarDoomWadDir))
        return PathResolver::resolve(dollarDoomWadDir);
    return PathResolver::resolve(doomWadDir);
}

QStringList IwadEnvironment::xdgGameFolders() const
{
    QStringList folders;
    for (const QString& dataFolder : xdgDataFolders) {
        if (!usable(dataFolder))
            continue;
        const QString folder = PathResolver::resolveUnder(dataFolder, kGamesFolder);
        if (PathResolver::folderExists(folder) && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}

} // namespace z3d
