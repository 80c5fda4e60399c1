#include "automap/MapTitles.h"

#include "automap/AsciiText.h"
#include "automap/TitleSources.h"
#include "automap/WadFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <set>

namespace z3d::automap {

namespace {

using namespace ascii_text;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number of map (upper case): nn of MAPnn, y of ExMy; -1 for another name.
int mapNumber(std::string_view map)
{
    if (map.size() == 5 && map.substr(0, 3) == "MAP" && isDigit(map[3]) && isDigit(map[4]))
        return (map[3] - '0') * 10 + (map[4] - '0');
    return map.size() == 4 && map[0] == 'E' && isDigit(map[3]) ? map[3] - '0' : -1;
}

// The prefixes of the DEHACKED strings that name maps, in the order they are asked: Doom II's,
// then The Plutonia Experiment's, then TNT: Evilution's. A wad does not say which of the
// three it is made for; one that names its maps for Plutonia or TNT alone is read as well.
constexpr std::array<std::string_view, 3> MapStringPrefixes{"HUSTR_", "PHUSTR_", "THUSTR_"};

// The DEHACKED string of prefix that names map: <prefix><n> for MAPnn, HUSTR_ExMy for ExMy (the
// Plutonia and TNT strings name only MAPnn); empty when there is none.
std::string dehackedKey(std::string_view prefix, const std::string& map)
{
    if (map.size() == 5 && mapNumber(map) >= 0)
        return std::string(prefix) + std::to_string(mapNumber(map));
    return prefix == MapStringPrefixes[0] ? std::string(prefix) + map : std::string();
}

bool isMapString(std::string_view name)
{
    for (const std::string_view prefix : MapStringPrefixes) {
        if (name.size() > prefix.size() && upper(name.substr(0, prefix.size())) == prefix)
            return true;
    }
    return false;
}

using Strings = std::map<std::string, std::string>;

// Whether label (any case and blanks) names map (upper case), as withoutLabel says.
bool namesMap(std::string_view label, std::string_view map)
{
    std::string compact = upper(label);
    std::erase_if(compact, [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
    // ExMy, or the episode by another letter ("C1M1" where episodes are chapters).
    if (map.size() == 4 && compact.size() == 4 &&
        std::isalpha(static_cast<unsigned char>(compact[0])) && compact.substr(1) == map.substr(1))
        return true;
    for (const std::string_view word : {"LEVEL", "MAP"}) {
        if (compact.size() <= word.size() || compact.compare(0, word.size(), word) != 0)
            continue;
        const char* first = compact.data() + word.size();
        const char* last = compact.data() + compact.size();
        int number = -1;
        if (isDigit(*first) && std::from_chars(first, last, number).ptr == last &&
            number == mapNumber(map))
            return true;
    }
    return false;
}

} // namespace

MapTitles::MapTitles(title_sources::LumpReader lump) : m_lump(std::move(lump)) {}

MapTitles MapTitles::fromWad(const WadFile& wad)
{
    const auto text = [&wad](const Lump& lump) { return wad.read(lump, MaxLumpBytes); };
    MapTitles titles([&wad, text](std::string_view name) -> std::optional<std::string> {
        const std::string wanted = upper(name);
        const auto& lumps = wad.lumps();
        const auto found = std::find_if(lumps.rbegin(), lumps.rend(),
                                        [&](const Lump& lump) { return lump.name == wanted; });
        if (found == lumps.rend())
            return std::nullopt;
        return text(*found);
    });
    for (const Lump& lump : wad.lumps()) {
        if (lump.size > 0 && isTitleLump(lump.name))
            titles.addLump(lump.name, text(lump));
    }
    return titles;
}

bool MapTitles::isTitleLump(std::string_view name)
{
    static constexpr std::array<std::string_view, 6> Names{"UMAPINFO", "ZMAPINFO", "MAPINFO",
                                                           "EMAPINFO", "DEHACKED", "LANGUAGE"};
    if (name.size() < 7)
        return false;
    for (const std::string_view known : Names) {
        if (name == known)
            return true;
    }
    return false;
}

void MapTitles::addLump(std::string_view name, std::string text)
{
    m_lumps.emplace_back(std::string(name), std::move(text));
}

std::vector<std::string_view> MapTitles::mapinfoLumps() const
{
    std::vector<std::string_view> texts = lumps("ZMAPINFO");
    return texts.empty() ? lumps("MAPINFO") : texts;
}

std::vector<std::string_view> MapTitles::lumps(std::string_view name) const
{
    std::vector<std::string_view> texts;
    for (const auto& [lumpName, text] : m_lumps) {
        if (lumpName == name)
            texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> MapTitles::titlesOf(const std::vector<std::string>& maps) const
{
    std::vector<std::string> titles(maps.size());
    // Gives each map still without a title the one names(map) finds, if it is one.
    const auto fill = [&](const auto& names) {
        bool missing = false;
        for (std::size_t i = 0; i < maps.size(); ++i) {
            if (titles[i].empty()) {
                std::string title = withoutLabel(names(maps[i]), maps[i]);
                if (upper(title) != maps[i])
                    titles[i] = std::move(title);
            }
            missing = missing || titles[i].empty();
        }
        return missing;
    };
    const auto from = [](const Strings& strings) {
        return [&strings](const std::string& key) {
            const auto found = strings.find(key);
            return found == strings.end() ? std::string() : found->second;
        };
    };
    // Adds to strings what parse(text, args...) finds in each lump of that name, a later
    // lump's string winning.
    const auto collect = [this](Strings& strings, std::string_view name, const auto& parse,
                                const auto&... args) {
        for (const std::string_view text : lumps(name))
            for (auto& [key, value] : parse(text, args...))
                strings[key] = std::move(value);
    };

    Strings umapinfo;
    collect(umapinfo, "UMAPINFO", title_sources::umapinfo);
    if (!fill(from(umapinfo)))
        return titles;

    std::map<std::string, title_sources::MapinfoName> mapinfo;
    std::set<std::string> lookups;
    for (const std::string_view text : mapinfoLumps()) {
        for (auto& [map, name] : title_sources::mapinfo(text, m_lump)) {
            if (name.lookup)
                lookups.insert(upper(name.text));
            mapinfo[map] = std::move(name);
        }
    }
    Strings strings;
    if (!lookups.empty()) {
        const auto looked = [&](std::string_view key) { return lookups.count(upper(key)) > 0; };
        collect(strings, "DEHACKED", title_sources::dehackedStrings, looked);
        // The wad's LANGUAGE strings win over its DEHACKED ones.
        collect(strings, "LANGUAGE", title_sources::languageStrings, looked);
    }
    const bool missing = fill([&](const std::string& map) {
        const auto found = mapinfo.find(map);
        if (found == mapinfo.end())
            return std::string();
        return found->second.lookup ? from(strings)(upper(found->second.text)) : found->second.text;
    });
    if (!missing)
        return titles;

    Strings emapinfo;
    collect(emapinfo, "EMAPINFO", title_sources::emapinfo);
    if (!fill(from(emapinfo)))
        return titles;

    Strings dehacked;
    collect(dehacked, "DEHACKED", title_sources::dehackedStrings, isMapString);
    for (const std::string_view prefix : MapStringPrefixes) {
        if (!fill([&](const std::string& map) { return from(dehacked)(dehackedKey(prefix, map)); }))
            break;
    }
    return titles;
}

title_sources::MapLinks MapTitles::linksOf(const std::string& map) const
{
    // A later lump's entry wins within each source.
    const auto last =
        [&map](const std::vector<std::map<std::string, title_sources::MapLinks>>& found) {
            title_sources::MapLinks links;
            for (auto entry = found.rbegin(); entry != found.rend(); ++entry) {
                if (const auto it = entry->find(map); it != entry->end())
                    links.completeFrom(it->second);
            }
            return links;
        };
    std::vector<std::map<std::string, title_sources::MapLinks>> umapinfo;
    for (const std::string_view text : lumps("UMAPINFO"))
        umapinfo.push_back(title_sources::umapinfoLinks(text));
    std::vector<std::map<std::string, title_sources::MapLinks>> mapinfo;
    for (const std::string_view text : mapinfoLumps())
        mapinfo.push_back(title_sources::mapinfoLinks(text, m_lump));
    title_sources::MapLinks links = last(umapinfo);
    links.completeFrom(last(mapinfo));
    return links;
}

std::string MapTitles::withoutLabel(std::string_view title, std::string_view map)
{
    title = trimmed(title);
    const std::size_t colon = title.find(':');
    if (colon == std::string_view::npos || !namesMap(title.substr(0, colon), map))
        return std::string(title);
    return std::string(trimmed(title.substr(colon + 1))); // a label alone is no title
}

} // namespace z3d::automap
