#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace z3d::checker {

// Readers of the lumps in which a wad names its maps. Each returns what one lump says, keyed
// by upper-case map name (or string name); a later entry for the same key replaces an earlier
// one, as it does in the engines. Texts are returned as written (escapes resolved), without
// any clean-up for printing. Nothing a lump holds can make a reader fail: what it does not
// understand it skips.
namespace title_sources {

// A map's name in ZMAPINFO or MAPINFO: the title itself, or (lookup) the name of a string.
struct MapinfoName
{
    std::string text;
    bool lookup = false;
};

// UMAPINFO: "MAP <name> { levelname = "<title>" ... }".
std::map<std::string, std::string> umapinfo(std::string_view text);
// ZMAPINFO and MAPINFO: "map <name> "<title>"", "map <name> lookup "<string name>"" (in
// either the block or the older line style); a title starting with '$' is a lookup too. A
// number as the name (Hexen's "map 1") means MAPnn.
std::map<std::string, MapinfoName> mapinfo(std::string_view text);
// EMAPINFO: "[<name>]" sections with "levelname = <title>" lines.
std::map<std::string, std::string> emapinfo(std::string_view text);
// Which strings of DEHACKED or LANGUAGE are wanted, by name as written (any case): the others
// are skipped without being kept.
using StringFilter = std::function<bool(std::string_view name)>;

// DEHACKED: the BEX [STRINGS] section's "<NAME> = <text>" lines; a line ending in a
// backslash continues on the next, and \n stands for a line break.
std::map<std::string, std::string> bexStrings(std::string_view text, const StringFilter& wanted);
// LANGUAGE: "<NAME> = "<text>" "<more text>";" entries. Entries of the default and English
// sections ([enu default], [en], ...) win over other languages'.
std::map<std::string, std::string> languageStrings(std::string_view text,
                                                   const StringFilter& wanted);

} // namespace title_sources

} // namespace z3d::checker
