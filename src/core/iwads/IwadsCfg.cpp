#include "core/iwads/IwadsCfg.h"

#include "core/iwads/IwadRegistry.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

#include <QFileInfo>
#include <QStringList>

namespace z3d {

namespace {

constexpr int kLineCount = 4;

} // namespace

QString iwadsCfgPath(const InstallPaths& paths)
{
    return PathResolver::resolveUnder(paths.launcherDataDir, QStringLiteral("iwads.cfg"));
}

void readIwadsCfg(IwadRegistry& registry, const InstallPaths& paths)
{
    const QString path = iwadsCfgPath(paths);
    if (!QFileInfo(path).isFile())
        return;
    const TextFileLines read = TextFile::readLines(path, kLineCount);
    if (!read.ok())
        return;

    const QString firstLine = read.lines.value(0);
    registry.setDialogFolder(PathResolver::parentFolder(PathResolver::resolve(firstLine)));

    bool anyExisting = false;
    for (const QString& line : read.lines) {
        const QString onDisk = PathResolver::resolve(line);
        if (onDisk.isEmpty() || !QFileInfo(onDisk).isFile())
            continue;
        anyExisting = true;
        registry.registerIwad(onDisk);
    }
    if (!anyExisting)
        FileOperations::deleteFileIfExists(path);
}

ErrorNumber writeIwadsCfg(const InstallPaths& paths, const IwadLocationLines& lines)
{
    return TextFile::writeLines(iwadsCfgPath(paths), QStringList(lines.begin(), lines.end()));
}

ErrorNumber deleteIwadsCfg(const InstallPaths& paths)
{
    return FileOperations::deleteFileIfExists(iwadsCfgPath(paths));
}

} // namespace z3d
