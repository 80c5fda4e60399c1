#include "core/inspect/MapContents.h"

#include "automap/MapTally.h"
#include "automap/MapTitles.h"
#include "core/inspect/WadMap.h"

namespace z3d {

std::optional<MapContents> MapContents::of(const QString& wadPath, const QString& map, int skill)
{
    using automap::MapTally;
    if (skill < MapTally::MinSkill || skill > MapTally::MaxSkill)
        return std::nullopt;
    const std::optional<WadMap> opened = WadMap::open(wadPath, map);
    if (!opened)
        return std::nullopt;
    const MapTally tally = MapTally::fromWad(opened->wad, opened->marker, skill);
    const automap::title_sources::MapLinks links =
        automap::MapTitles::fromWad(opened->wad).linksOf(map.toUpper().toStdString());
    // A wad's texts are bytes of any encoding: Latin-1 takes each byte as one character.
    const auto text = [](const std::string& bytes) {
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    };
    return MapContents{tally.monsters,         tally.items,    tally.secrets, text(links.next),
                       text(links.secretNext), text(links.par)};
}

} // namespace z3d
