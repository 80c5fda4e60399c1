#include "core/app/TipsOfTheDay.h"

#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

namespace z3d {

const QString TipsOfTheDay::kMissingFileText =
    QStringLiteral("That the tips.txt file was not found? \r\n\r\n"
                   "This file was placed in the Z3DLaunch\\Data folder when Zorn3D was "
                   "originally installed.");

QString TipsOfTheDay::filePath(const QString& launcherDataDir)
{
    return PathResolver::resolveUnder(launcherDataDir, QStringLiteral("tips.txt"));
}

std::optional<QStringList> TipsOfTheDay::read(const QString& launcherDataDir)
{
    const QString path = filePath(launcherDataDir);
    if (launcherDataDir.isEmpty() || !PathResolver::fileExists(path))
        return std::nullopt;
    TextFileLines tips = TextFile::readLines(path);
    if (!tips.ok())
        return std::nullopt;
    return tips.lines;
}

int TipsOfTheDay::next(int tipNumber, int count)
{
    if (count <= 0)
        return 0;
    if (tipNumber < 0 || tipNumber >= count)
        return 1;
    return tipNumber + 1;
}

} // namespace z3d
