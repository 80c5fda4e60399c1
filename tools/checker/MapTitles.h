#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace z3d::checker {

// The titles a wad gives its own maps. Fed the wad's title lumps in directory order, it
// answers, for each map, from the first of these sources that names it:
//   UMAPINFO (levelname); ZMAPINFO, or MAPINFO when the wad has no ZMAPINFO ("map MAP01
//   "Title"", or a lookup of a string the wad's LANGUAGE or DEHACKED lumps define); EMAPINFO
//   (levelname); DEHACKED's BEX strings (HUSTR_<n> for MAPnn, HUSTR_ExMy for ExMy), then
//   The Plutonia Experiment's and TNT: Evilution's (PHUSTR_<n>, then THUSTR_<n>).
// Of several lumps of one name, a later one's entry for a map wins. A title that starts with
// a label of its own ("MAP01: Hydroelectric Plant", "level 1: entryway", "C1M1: Outer
// Prison") is given without it, and one that is nothing but the map's name is no title.
// A source is read only when a map is still without a title, and of DEHACKED and LANGUAGE
// only the strings asked for are kept: the checker's time goes to the maps' names.
class MapTitles
{
public:
    // Whether lumps of this name are read for titles.
    static bool isTitleLump(std::string_view name);

    void addLump(std::string_view name, std::string text);
    // The titles of maps (upper-case names), in their order; empty where the wad names none.
    std::vector<std::string> titlesOf(const std::vector<std::string>& maps) const;

    // title without a leading label: text before the first colon that is at most ten
    // letters, digits and blanks, starts with a letter and holds a digit. A label alone
    // gives an empty title.
    static std::string withoutLabel(std::string_view title);

private:
    // The texts of the lumps of that name, in directory order.
    std::vector<std::string_view> lumps(std::string_view name) const;

    std::vector<std::pair<std::string, std::string>> m_lumps; // name, text
};

} // namespace z3d::checker
