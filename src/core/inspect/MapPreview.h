#pragma once

#include "automap/MapPicture.h"

#include <QString>

#include <optional>

namespace z3d {

// The picture of one map of a wad, drawn as the game's automap shows it (see MapPicture),
// scaled to fit a size x size square. Only the
// wad's directory and that map's lumps are read. Nothing when the wad cannot be read as a
// WAD, holds no map of that name or the map has no line to draw; a map with damaged lumps
// draws what is valid.
class MapPreview
{
public:
    static std::optional<automap::MapPicture> draw(const QString& wadPath, const QString& map,
                                                   int size);
};

} // namespace z3d
