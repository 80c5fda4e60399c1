#include "core/inspect/MapPreview.h"

#include "automap/MapGeometry.h"
#include "core/inspect/WadMap.h"

namespace z3d {

std::optional<automap::MapPicture> MapPreview::draw(const QString& wadPath, const QString& map,
                                                    int size)
{
    const std::optional<WadMap> opened = WadMap::open(wadPath, map);
    if (!opened)
        return std::nullopt;
    const automap::MapGeometry geometry =
        automap::MapGeometry::fromWad(opened->wad, opened->marker);
    if (geometry.lines.empty())
        return std::nullopt;
    return automap::MapPicture::draw(geometry, size);
}

} // namespace z3d
