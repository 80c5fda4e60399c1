#include "core/inspect/MapContents.h"

#include "automap/MapTally.h"
#include "automap/MapTitles.h"
#include "automap/WadFile.h"
#include "core/platform/PathResolver.h"

#include <QFile>

namespace z3d {

std::optional<MapContents> MapContents::of(const QString& wadPath, const QString& map, int skill)
{
    using automap::MapTally;
    if (skill < MapTally::MinSkill || skill > MapTally::MaxSkill)
        return std::nullopt;
    const QByteArray native = QFile::encodeName(PathResolver::resolve(wadPath));
    const std::optional<automap::WadFile> wad =
        automap::WadFile::open(std::filesystem::path(native.toStdString()));
    if (!wad)
        return std::nullopt;
    const std::optional<std::size_t> marker = wad->findMap(map.toStdString());
    if (!marker)
        return std::nullopt;
    const MapTally tally = MapTally::fromWad(*wad, *marker, skill);
    const automap::title_sources::MapLinks links =
        automap::MapTitles::fromWad(*wad).linksOf(map.toUpper().toStdString());
    // A wad's texts are bytes of any encoding: Latin-1 takes each byte as one character.
    const auto text = [](const std::string& bytes) {
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    };
    return MapContents{tally.monsters,         tally.items,    tally.secrets, text(links.next),
                       text(links.secretNext), text(links.par)};
}

} // namespace z3d
