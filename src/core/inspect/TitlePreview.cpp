#include "core/inspect/TitlePreview.h"

#include "automap/WadFile.h"
#include "core/platform/PathResolver.h"

#include <QFile>

namespace z3d {

namespace {

std::optional<automap::WadFile> openWad(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QByteArray native = QFile::encodeName(PathResolver::resolve(path));
    return automap::WadFile::open(std::filesystem::path(native.toStdString()));
}

} // namespace

std::optional<automap::TitlePicture> TitlePreview::read(const QString& wadPath,
                                                        const QString& paletteWadPath)
{
    const std::optional<automap::WadFile> wad = openWad(wadPath);
    if (!wad)
        return std::nullopt;
    const std::optional<automap::WadFile> paletteWad = openWad(paletteWadPath);
    return automap::readTitlePicture(*wad, paletteWad ? &*paletteWad : nullptr);
}

} // namespace z3d
