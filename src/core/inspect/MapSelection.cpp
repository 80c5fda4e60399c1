#include "core/inspect/MapSelection.h"

#include "core/platform/PathResolver.h"

namespace z3d {

MapStyle mapStyleOf(const QString& firstMap)
{
    if (firstMap.isEmpty())
        return MapStyle::None;
    const QChar first = firstMap.at(0).toUpper();
    if (first == QLatin1Char('E'))
        return MapStyle::Episodes;
    if (first == QLatin1Char('M'))
        return MapStyle::Numbered;
    return MapStyle::None;
}

std::optional<MapLaunchTarget> launchTargetForMap(const QStringList& maps, int selectedRow,
                                                  LaunchKind kind, const QString& gameFile,
                                                  const IwadRegistry& iwads)
{
    const QString first = maps.isEmpty() ? QString() : maps.constFirst();
    if (first.isEmpty() && kind != LaunchKind::NewGame)
        return std::nullopt;
    const MapStyle style = mapStyleOf(first);
    if (style == MapStyle::None)
        return std::nullopt;

    const QString entry =
        selectedRow >= 0 && selectedRow < maps.size() ? maps.at(selectedRow) : QString();
    MapLaunchTarget target;
    if (style == MapStyle::Episodes) {
        const QString episode = entry.size() > 1 ? QString(entry.at(1)) : QString();
        const QString map = entry.size() > 3 ? QString(entry.at(3)) : QString();
        target.warpArgument = episode + QLatin1Char(' ') + map;
        target.iwadPath = iwads.path(IwadType::Doom);
    } else {
        target.warpArgument = entry.right(2);
        target.iwadPath = iwads.path(IwadType::Doom2);
    }
    if (PathResolver::lastComponent(gameFile).compare(QLatin1String("Twzone.wad"),
                                                      Qt::CaseInsensitive) == 0)
        target.iwadPath = iwads.path(IwadType::Doom2);
    return target;
}

} // namespace z3d
