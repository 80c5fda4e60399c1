// MAPSTATS's readers on arbitrary bytes: a map's tally, its title and where it leads. A WAD
// ("IWAD" or "PWAD" first) has each of its first maps tallied at every skill from its own
// lumps, and its title lumps read; any other input is read as a UDMF TEXTMAP, as Doom and
// Hexen THINGS + SECTORS (its two halves), and as UMAPINFO and MAPINFO. No count is negative
// or larger than the records read, and the output is one "Label: value" line each, the four
// counted ones first.

#include "automap/MapTally.h"
#include "automap/MapTitles.h"
#include "FuzzScratch.h"
#include "FuzzWad.h"
#include "OutputFormatter.h"

#include <string_view>

using namespace z3d::automap;
using z3d::checker::OutputFormatter;
using z3d::fuzz::require;

namespace {

constexpr int MapsPerWad = 4;

void check(const MapTally& tally, std::size_t records)
{
    require(tally.monsters >= 0 && tally.items >= 0 && tally.secrets >= 0, "no count below 0");
    require(std::size_t(tally.monsters + tally.items) <= records &&
                std::size_t(tally.secrets) <= records,
            "no more counted than read");
}

void checkOutput(const std::string& output)
{
    constexpr std::string_view Labels[] = {"Title:", "Monsters: ", "Items: ", "Secrets: "};
    std::size_t line = 0;
    for (std::size_t at = 0; at < output.size(); ++line) {
        const std::size_t end = output.find('\n', at);
        require(end != std::string::npos, "every line ends");
        const std::string_view text(output.data() + at, end - at);
        require(line >= 4 || text.substr(0, Labels[line].size()) == Labels[line],
                "the counted labels first, in order");
        require(text.find(": ") != std::string_view::npos || text == "Title:", "Label: value");
        for (const char c : text)
            require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "no control character");
        at = end + 1;
    }
    require(line >= 4 && line <= 7, "four to seven lines");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const z3d::fuzz::WadInput input(text); input.startsAsWad) {
        if (!input.wad)
            return 0;
        const WadFile& wad = *input.wad;
        const MapTitles titles = MapTitles::fromWad(wad);
        for (const std::size_t map : z3d::fuzz::firstMaps(wad, MapsPerWad)) {
            const std::string& name = wad.lumps()[map].name;
            for (int skill = MapTally::MinSkill; skill <= MapTally::MaxSkill; ++skill) {
                const MapTally tally = MapTally::fromWad(wad, map, skill);
                check(tally, size);
                checkOutput(OutputFormatter::mapStats(titles.titlesOf({name}).front(), tally,
                                                      titles.linksOf(name)));
            }
        }
        return 0;
    }
    const std::string_view things = text.substr(0, size / 2);
    const std::string_view sectors = text.substr(size / 2);
    for (int skill = MapTally::MinSkill; skill <= MapTally::MaxSkill; ++skill) {
        check(MapTally::fromTextMap(text, skill), size);
        check(MapTally::fromBinary(things, sectors, false, skill), size / 10);
        check(MapTally::fromBinary(things, sectors, true, skill), size / 10);
    }
    for (const auto& [map, links] : title_sources::umapinfoLinks(text))
        checkOutput(OutputFormatter::mapStats(map, {}, links));
    for (const auto& [map, links] : title_sources::mapinfoLinks(text))
        checkOutput(OutputFormatter::mapStats(map, {}, links));
    return 0;
}
