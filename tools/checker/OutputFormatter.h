#pragma once

#include "automap/MapTally.h"
#include "automap/TitleSources.h"
#include "SaveHeader.h"
#include "WadReport.h"

#include <string>
#include <string_view>
#include <vector>

namespace z3d::checker {

// The checker's printed output. The launcher reads it item by item (an item ends at a comma
// or a line end; one pair of surrounding double quotes is removed), so:
//
// CHECKWAD prints exactly three header lines, then one line per map:
//     Number of maps: <n>          the count starts at character 17 of the first line
//     Wad type: <IWAD|PWAD|unknown>  Lumps: <count from the header, or ?>
//     Status: <OK or what is wrong with the file>
//     <name padded to five characters> <binary map|text map (UDMF)>[ "<title>"]
// where the wad names the map (see MapTitles): its title between double quotes, made safe by
// mapTitle. None of these lines holds a comma. Counts above 99 print as "99+ (<n>)": the launcher
// reads two characters and ranks wads by them, and 99 keeps such a wad on top.
//
// MAPSTATS prints one "Label: value" line each: Title (empty where the wad names none, made
// safe as in CHECKWAD), Monsters, Items, Secrets, and, where the wad names them, Next, Secret
// next and Par (in seconds).
//
// GETSAVEHDRS prints one line per save, the slot digit and the description as a single
// double-quoted item ("3Hangar run, take two"), so a comma stays inside one item.
class OutputFormatter
{
public:
    static std::string checkwad(const WadReport& report);
    static std::string mapStats(std::string_view title, const automap::MapTally& tally,
                                const automap::title_sources::MapLinks& links);
    static std::string saveHeaders(const std::vector<SaveHeader>& saves);
    static std::string saveLine(const SaveHeader& save);

    // Makes raw description bytes safe inside one quoted item of one line: control
    // characters (CR and LF included) become blanks, a double quote becomes an apostrophe,
    // and bytes that are not valid UTF-8 become '?'.
    static std::string sanitise(std::string_view text);

    // Makes header text comma-free and single-line.
    static std::string headerText(std::string_view text);

    // A title as printed between the quotes of a map line: read as Windows-1252 (Latin-1 with
    // its additions) when it is not valid UTF-8, sanitised, a comma written as U+201A (the
    // launcher shows it as a comma again), runs of blanks as one, trimmed, and cut to
    // MaxTitleBytes at a character boundary.
    static std::string mapTitle(std::string_view title);
    static constexpr std::size_t MaxTitleBytes = 120;
};

} // namespace z3d::checker
