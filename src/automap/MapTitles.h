#pragma once

#include "automap/TitleSources.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace z3d::automap {

class WadFile;

// The titles a wad gives its own maps. Fed the wad's title lumps in directory order, it
// answers, for each map, from the first of these sources that names it:
//   UMAPINFO (levelname); ZMAPINFO, or MAPINFO when the wad has no ZMAPINFO ("map MAP01
//   "Title"", or a lookup of a string the wad's LANGUAGE or DEHACKED lumps define; the
//   lumps they include are read through the wad's lump reader); EMAPINFO (levelname);
//   DEHACKED's strings (HUSTR_<n> for MAPnn, HUSTR_ExMy for ExMy), then The Plutonia
//   Experiment's and TNT: Evilution's (PHUSTR_<n>, then THUSTR_<n>).
// Of several lumps of one name, a later one's entry for a map wins. A title that starts with
// a label naming its own map ("MAP01: Hydroelectric Plant", "level 1: entryway" for MAP01)
// is given without it, and one that is nothing but the map's name is no title.
// A source is read only when a map is still without a title, and of DEHACKED and LANGUAGE
// only the strings asked for are kept: the checker's time goes to the maps' names.
class MapTitles
{
public:
    // lump reads the wad's lumps that MAPINFO includes; without one, includes are skipped.
    explicit MapTitles(title_sources::LumpReader lump = {});

    // The most read of one title lump; real ones are a few kilobytes.
    static constexpr std::size_t MaxLumpBytes = std::size_t{4} << 20;

    // Fed the title lumps of wad (their first MaxLumpBytes each), its lumps read for includes.
    static MapTitles fromWad(const WadFile& wad);

    // Whether lumps of this name are read for titles.
    static bool isTitleLump(std::string_view name);

    void addLump(std::string_view name, std::string text);
    // The titles of maps (upper-case names), in their order; empty where the wad names none.
    std::vector<std::string> titlesOf(const std::vector<std::string>& maps) const;
    // Where map (upper case) leads, each of its fields from the first source that gives it:
    // UMAPINFO, then ZMAPINFO (or MAPINFO when the wad has no ZMAPINFO).
    title_sources::MapLinks linksOf(const std::string& map) const;

    // title without a leading label that names map (upper case), the text before the first
    // colon: the map's name ("MAP01", "E1M1", or "C1M1" for E1M1 where episodes are chapters),
    // or "Level" or "Map" and the map's number ("level 1", "Map 01" for MAP01; "Level 3" for
    // E1M3), compared without regard to case or blanks. Another label ("Episode 2: The
    // Shores", "E2M1: Deimos" for E1M1) is part of the title. A label alone gives an empty
    // title.
    static std::string withoutLabel(std::string_view title, std::string_view map);

private:
    // The texts of the ZMAPINFO lumps, or the MAPINFO ones when the wad has no ZMAPINFO.
    std::vector<std::string_view> mapinfoLumps() const;
    // The texts of the lumps of that name, in directory order.
    std::vector<std::string_view> lumps(std::string_view name) const;

    title_sources::LumpReader m_lump;
    std::vector<std::pair<std::string, std::string>> m_lumps; // name, text
};

} // namespace z3d::automap
