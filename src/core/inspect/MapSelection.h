#pragma once

#include "core/iwads/IwadRegistry.h"
#include "core/launch/LaunchKind.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// A game's map style follows the first letter of its first map: "E" episodes (ExMy), "M"
// numbered maps (MAPnn), anything else (an empty list too) no style.
MapStyle mapStyleOf(const QString& firstMap);

// What the chosen map means for a launch.
struct MapLaunchTarget
{
    QString warpArgument; // "3 5" for E3M5, "07" for MAP07
    QString iwadPath;     // the registered Doom or Doom II path the map needs
};

// UpdateLaunchMapAndIwad: the warp text and IWAD of the selected map (selectedRow -1 when
// none is selected, which gives an empty entry). Nothing when the list has no first entry
// (unless a new game is being started) or its first entry has no map style. Episode maps run
// on Doom, numbered maps on Doom II; Twzone.wad uses episode names but needs Doom II.
std::optional<MapLaunchTarget> launchTargetForMap(const QStringList& maps, int selectedRow,
                                                  LaunchKind kind, const QString& gameFile,
                                                  const IwadRegistry& iwads);

} // namespace z3d
