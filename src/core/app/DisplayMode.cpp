#include "core/app/DisplayMode.h"

#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

#include <QFileInfo>

namespace z3d {

const QString DisplayMode::kUnknownResolution = QStringLiteral("Default Resolution");

QString DisplayMode::filePath(const QString& installRoot)
{
    return PathResolver::resolveUnder(installRoot, QStringLiteral("Bin/Z3Dres.out"));
}

DisplayMode DisplayMode::read(const QString& installRoot)
{
    const QString path = filePath(installRoot);
    if (!PathResolver::fileExists(path))
        return {};
    const QDateTime modified = QFileInfo(path).lastModified();
    const TextFileLines first = TextFile::readFirstLine(path);
    DisplayMode mode = parse(first.lines.value(0));
    mode.modified = modified;
    return mode;
}

DisplayMode DisplayMode::parse(const QString& line)
{
    const qsizetype star = line.lastIndexOf(QLatin1Char('*'));
    if (star < 0)
        return {};
    DisplayMode mode;
    const qsizetype from = 2;
    QString resolution = star > from ? line.mid(from, star - from) : QString();
    while (resolution.startsWith(QLatin1Char(' ')))
        resolution.remove(0, 1);
    if (resolution.isEmpty() || resolution.startsWith(QLatin1Char('0')))
        return {};
    mode.resolution = resolution;
    mode.refresh = line.mid(star + 1).trimmed();
    if (mode.refresh == QLatin1String("0 Hz"))
        mode.refresh.clear();
    if (line.startsWith(QLatin1Char('W'), Qt::CaseInsensitive))
        mode.mode = QStringLiteral("--- Windowed Mode ---");
    else if (line.startsWith(QLatin1Char('F'), Qt::CaseInsensitive))
        mode.mode = QStringLiteral("--- Fullscreen Mode ---");
    return mode;
}

bool DisplayMode::changedOnDisk(const QString& installRoot) const
{
    const QString path = filePath(installRoot);
    return PathResolver::fileExists(path) && QFileInfo(path).lastModified() != modified;
}

} // namespace z3d
