#pragma once

#include <QString>

#include <optional>

namespace z3d {

// What one map of a wad holds at a skill (1 to 5), counted as the engine counts its
// end-of-level tally (see automap::MapTally), and where the wad's UMAPINFO or MAPINFO says it
// leads (automap::MapTitles): the next map, the secret exit's map and the par time in seconds,
// each empty where the wad says nothing. Only the wad's directory, the map's lumps and the
// wad's map-information lumps are read.
struct MapContents
{
    int monsters = 0;
    int items = 0;
    int secrets = 0;
    QString next;
    QString secretNext;
    QString par;

    // Nothing when the wad cannot be read as a WAD, holds no map of that name or the skill is
    // not 1 to 5.
    static std::optional<MapContents> of(const QString& wadPath, const QString& map, int skill);
};

} // namespace z3d
