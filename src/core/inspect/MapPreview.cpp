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
    return automap::MapPicture::draw(automap::MapGeometry::fromWad(opened->wad, opened->marker),
                                     size);
}

} // namespace z3d
