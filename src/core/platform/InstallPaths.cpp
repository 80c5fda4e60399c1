#include "core/platform/InstallPaths.h"

#include "core/platform/PathResolver.h"

#include <QDir>

namespace z3d {

InstallPaths InstallPaths::fromInstallRoot(const QString& installRoot)
{
    InstallPaths p;
    QString root = PathResolver::resolve(
        QDir::cleanPath(QDir(PathResolver::normalizeSeparators(installRoot)).absolutePath()));
    p.installRoot = root;
    p.zipLibraryDir = p.under(QStringLiteral("\\Z3DArchives"));
    p.launcherDataDir = p.under(QStringLiteral("\\Z3DLaunch\\Data\\"));
    p.baseDefsDir = p.under(QStringLiteral("\\Defs\\Base\\"));
    p.modelDefsDir = p.under(QStringLiteral("\\Defs\\Model\\"));
    p.addonDefsDir = p.under(QStringLiteral("\\Defs\\Model\\Addon\\"));
    p.pellamDefsDir = p.under(QStringLiteral("\\Defs\\Model\\Pellam\\"));
    p.orrinpackDefsDir = p.under(QStringLiteral("\\Defs\\Model\\Orrinpack\\"));
    p.launcherDir = p.under(QStringLiteral("\\Z3DLaunch\\"));
    p.gamesDir = p.under(QStringLiteral("\\Z3DGames\\"));
    p.customDefsDir = p.under(QStringLiteral("\\Defs\\Custom\\"));
    p.musicDir = p.under(QStringLiteral("\\Z3DLaunch\\Music\\"));
    p.modelDir = p.under(QStringLiteral("\\Md2\\"));
    p.engineExe = p.under(QStringLiteral("\\bin\\Zorn3D.exe"));
    p.gameInfoDir = PathResolver::resolveUnder(p.launcherDir, QStringLiteral("GameInfo\\"));
    return p;
}

InstallPaths InstallPaths::fromLauncherFolder(const QString& launcherFolder)
{
    const QString folder =
        QDir::cleanPath(QDir(PathResolver::normalizeSeparators(launcherFolder)).absolutePath());
    QString root = PathResolver::parentFolder(folder);
    if (root.isEmpty())
        root = folder;
    return fromInstallRoot(root);
}

QString InstallPaths::under(const QString& relative) const
{
    return PathResolver::resolveUnder(installRoot, relative);
}

} // namespace z3d
