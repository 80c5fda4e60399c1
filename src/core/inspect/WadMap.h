#pragma once

#include "automap/WadFile.h"

#include <QString>

#include <optional>

namespace z3d {

// One map of a wad, opened for reading its lumps: the wad at a path found without regard to
// case, and the index of the map's marker in its directory (see automap::WadFile::findMap).
struct WadMap
{
    automap::WadFile wad;
    std::size_t marker = 0;

    // Nothing when the wad cannot be read as a WAD or holds no map of that name.
    static std::optional<WadMap> open(const QString& wadPath, const QString& map);
};

} // namespace z3d
