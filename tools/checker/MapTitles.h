#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace z3d::checker {

// The titles a wad gives its own maps. Fed the wad's title lumps in directory order, it
// answers, for a map, from the first of these sources that names it:
//   UMAPINFO (levelname); ZMAPINFO, or MAPINFO when the wad has no ZMAPINFO ("map MAP01
//   "Title"", or a lookup of a string the wad's LANGUAGE or DEHACKED lumps define); EMAPINFO
//   (levelname); DEHACKED's BEX strings (HUSTR_<n> for MAPnn, HUSTR_ExMy for ExMy).
// A title that starts with a label of its own ("MAP01: Hydroelectric Plant", "level 1:
// entryway", "C1M1: Outer Prison") is given without it, and one that is nothing but the map's
// name is no title.
class MapTitles
{
public:
    // Whether lumps of this name (upper case) are read for titles.
    static bool isTitleLump(std::string_view name);

    void addLump(std::string_view name, std::string_view text);
    // The map's title (map in upper case), empty when the wad names none.
    std::string titleOf(const std::string& map) const;

    // title without a leading label: text before the first colon that is at most ten
    // letters, digits and blanks, starts with a letter and holds a digit.
    static std::string withoutLabel(std::string_view title);

private:
    std::string lookUp(const std::string& name) const;

    std::map<std::string, std::string> m_umapinfo;
    std::map<std::string, std::string> m_zmapinfo; // resolved
    std::map<std::string, std::string> m_mapinfo;  // resolved
    std::map<std::string, std::string> m_emapinfo;
    std::map<std::string, std::string> m_dehacked;
    std::map<std::string, std::string> m_language;
    // Lookups of ZMAPINFO and MAPINFO are resolved once every lump is in: LANGUAGE may come
    // after the MAPINFO that uses it.
    std::vector<std::pair<std::string, std::string>> m_zmapinfoLookups;
    std::vector<std::pair<std::string, std::string>> m_mapinfoLookups;
};

} // namespace z3d::checker
