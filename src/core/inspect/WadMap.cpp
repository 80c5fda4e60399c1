#include "core/inspect/WadMap.h"

#include "core/platform/PathResolver.h"

#include <QFile>

namespace z3d {

std::optional<WadMap> WadMap::open(const QString& wadPath, const QString& map)
{
    const QByteArray native = QFile::encodeName(PathResolver::resolve(wadPath));
    std::optional<automap::WadFile> wad =
        automap::WadFile::open(std::filesystem::path(native.toStdString()));
    if (!wad)
        return std::nullopt;
    const std::optional<std::size_t> marker = wad->findMap(map.toStdString());
    if (!marker)
        return std::nullopt;
    return WadMap{std::move(*wad), *marker};
}

} // namespace z3d
