#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace z3d::automap {

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

// Where a map leads, as far as the lump says: the next map, the secret exit's map (upper case,
// a number as the name meaning MAPnn) and the par time in seconds; empty where it says nothing.
struct MapLinks
{
    std::string next;
    std::string secretNext;
    std::string par;

    // Fills what this leaves empty from other.
    void completeFrom(const MapLinks& other);
};

// The text of the wad's lump of that name (the last of several, names compared without regard
// to case); nothing when the wad has none.
using LumpReader = std::function<std::optional<std::string>(std::string_view name)>;

// UMAPINFO: "MAP <name> { levelname = "<title>" ... }".
std::map<std::string, std::string> umapinfo(std::string_view text);
// UMAPINFO's "next", "nextsecret" and "partime" keys.
std::map<std::string, MapLinks> umapinfoLinks(std::string_view text);
// ZMAPINFO and MAPINFO: "map <name> "<title>"", "map <name> lookup "<string name>"" (in
// either the block or the older line style); a title starting with '$' is a lookup too. A
// number as the name (Hexen's "map 1") means MAPnn. Outside blocks ';' starts a comment that
// runs to the line's end, as in Hexen's MAPINFO. "include <lump>" reads that lump of the wad
// (through lump, when given) in its place, up to MaxIncludeDepth deep and MaxIncludes times in
// all, so that a lump that includes itself ends.
std::map<std::string, MapinfoName> mapinfo(std::string_view text, const LumpReader& lump = {});
// ZMAPINFO's and MAPINFO's "next", "secretnext" and "par" of each map, inside its block
// ("next = "MAP02"") or on the lines after its "map" line ("next MAP02"), includes read as above.
std::map<std::string, MapLinks> mapinfoLinks(std::string_view text, const LumpReader& lump = {});
constexpr int MaxIncludeDepth = 8;
constexpr int MaxIncludes = 32;
// EMAPINFO: "[<name>]" sections with "levelname = <title>" lines.
std::map<std::string, std::string> emapinfo(std::string_view text);
// Which strings of DEHACKED or LANGUAGE are wanted, by name as written (any case): the others
// are skipped without being kept.
using StringFilter = std::function<bool(std::string_view name)>;

// DEHACKED: the BEX [STRINGS] section's "<NAME> = <text>" lines (a line ending in a
// backslash continues on the next, and \n stands for a line break), and the older
// "Text <old length> <new length>" blocks, the line followed by the original text and its
// replacement (lengths in characters, carriage returns not counted), where the original is
// one of the original games' map names (OriginalMapNames): the replacement then defines that
// string.
std::map<std::string, std::string> dehackedStrings(std::string_view text,
                                                   const StringFilter& wanted);
// LANGUAGE: "<NAME> = "<text>" "<more text>";" entries. Entries of the default and English
// sections ([enu default], [en], ...) win over other languages'.
std::map<std::string, std::string> languageStrings(std::string_view text,
                                                   const StringFilter& wanted);

} // namespace title_sources

} // namespace z3d::automap
