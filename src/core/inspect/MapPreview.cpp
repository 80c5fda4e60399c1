#include "core/inspect/MapPreview.h"

#include "automap/MapGeometry.h"
#include "automap/WadFile.h"
#include "core/platform/PathResolver.h"

#include <QFile>

namespace z3d {

std::optional<automap::MapPicture> MapPreview::draw(const QString& wadPath, const QString& map,
                                                    int size)
{
    const QByteArray native = QFile::encodeName(PathResolver::resolve(wadPath));
    const std::optional<automap::WadFile> wad =
        automap::WadFile::open(std::filesystem::path(native.toStdString()));
    if (!wad)
        return std::nullopt;
    const std::optional<std::size_t> marker = wad->findMap(map.toStdString());
    if (!marker)
        return std::nullopt;
    return automap::MapPicture::draw(automap::MapGeometry::fromWad(*wad, *marker), size);
}

} // namespace z3d
