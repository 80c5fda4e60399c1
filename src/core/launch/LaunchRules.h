#pragma once

#include "core/iwads/IwadRegistry.h"
#include "core/iwads/IwadType.h"
#include "core/launch/LaunchState.h"

#include <QString>

namespace z3d {

// The small decisions of a launch that need neither disk nor window.
class LaunchRules
{
public:
    // SelectIwadPath: the registered path of the IWAD named fileName ("DOOM2.WAD" gives the
    // Doom II path, compared without case); any other name leaves current unchanged.
    static QString selectIwadPath(const QString& fileName, const IwadRegistry& registry,
                                  const QString& current);
    // RicochetCommandValue: 1 gives "10", 2 gives "9", ... 9 gives "2"; anything else "".
    static QString ricochetCommandValue(int value);
    // The IWAD switch's name: the file's base name in lower case ("doom2" for DOOM2.WAD).
    static QString iwadSwitchName(const QString& iwadPath);
    // The IWAD file a map needs, named in the "Iwad not found" refusal: the IWAD that
    // iwadPath names when it names one; "Doom2.wad" for Twzone.wad; otherwise the IWAD of the
    // first map's style: "Doom2.wad" for numbered maps (MAPnn), "Doom.wad" for any other.
    static QString requiredIwadFileName(const QString& iwadPath, const QString& firstMapEntry,
                                        const QString& gameFile);
};

} // namespace z3d
