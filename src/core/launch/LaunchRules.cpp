#include "core/launch/LaunchRules.h"

#include "core/inspect/MapSelection.h"

#include <QFileInfo>

namespace z3d {

namespace {

QString fileNameOf(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(p).fileName();
}

} // namespace

QString LaunchRules::selectIwadPath(const QString& fileName, const IwadRegistry& registry,
                                    const QString& current)
{
    const std::optional<IwadType> type = iwadTypeFromFileName(fileNameOf(fileName));
    return type ? registry.path(*type) : current;
}

QString LaunchRules::ricochetCommandValue(int value)
{
    if (value < 1 || value > 9)
        return {};
    return QString::number(11 - value);
}

QString LaunchRules::iwadSwitchName(const QString& iwadPath)
{
    const QString name = fileNameOf(iwadPath);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? name.left(dot) : name).toLower();
}

QString LaunchRules::requiredIwadFileName(const QString& iwadPath, const QString& firstMapEntry,
                                          const QString& gameFile)
{
    if (const std::optional<IwadType> type = iwadTypeFromFileName(iwadPath))
        return QLatin1String(iwadInfo(*type).fileName);
    // An unregistered IWAD leaves no path to name it by: go by the game and its maps. The map
    // style, not the warp text's length: a new game or a save game has no warp text to measure.
    static const QString kDoom2 = QStringLiteral("Doom2.wad");
    static const QString kDoom = QStringLiteral("Doom.wad");
    if (fileNameOf(gameFile).compare(QLatin1String("Twzone.wad"), Qt::CaseInsensitive) == 0)
        return kDoom2;
    return mapStyleOf(firstMapEntry) == MapStyle::Numbered ? kDoom2 : kDoom;
}

} // namespace z3d
