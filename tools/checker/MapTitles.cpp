#include "MapTitles.h"

#include "TitleSources.h"

#include <array>
#include <cctype>

namespace z3d::checker {

namespace {

constexpr std::size_t MaxLabel = 10;

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The BEX string that names map: HUSTR_<n> for MAPnn, HUSTR_ExMy for ExMy.
std::string dehackedKey(const std::string& map)
{
    if (map.size() == 5 && map.compare(0, 3, "MAP") == 0 && isDigit(map[3]) && isDigit(map[4]))
        return "HUSTR_" + std::to_string((map[3] - '0') * 10 + (map[4] - '0'));
    return "HUSTR_" + map;
}

template <typename Names> void merge(std::map<std::string, std::string>& into, Names&& from)
{
    for (auto& [key, value] : from)
        into[key] = std::move(value);
}

} // namespace

bool MapTitles::isTitleLump(std::string_view name)
{
    static constexpr std::array<std::string_view, 6> Names{"UMAPINFO", "ZMAPINFO", "MAPINFO",
                                                           "EMAPINFO", "DEHACKED", "LANGUAGE"};
    for (const std::string_view known : Names) {
        if (name == known)
            return true;
    }
    return false;
}

void MapTitles::addLump(std::string_view name, std::string_view text)
{
    if (name == "UMAPINFO") {
        merge(m_umapinfo, title_sources::umapinfo(text));
    } else if (name == "ZMAPINFO" || name == "MAPINFO") {
        auto& titles = name == "ZMAPINFO" ? m_zmapinfo : m_mapinfo;
        auto& lookups = name == "ZMAPINFO" ? m_zmapinfoLookups : m_mapinfoLookups;
        for (auto& [map, entry] : title_sources::mapinfo(text)) {
            if (entry.lookup)
                lookups.emplace_back(map, upper(entry.text));
            else
                titles[map] = std::move(entry.text);
        }
    } else if (name == "EMAPINFO") {
        merge(m_emapinfo, title_sources::emapinfo(text));
    } else if (name == "DEHACKED") {
        merge(m_dehacked, title_sources::bexStrings(text));
    } else if (name == "LANGUAGE") {
        merge(m_language, title_sources::languageStrings(text));
    }
}

std::string MapTitles::lookUp(const std::string& name) const
{
    if (const auto found = m_language.find(name); found != m_language.end())
        return found->second;
    if (const auto found = m_dehacked.find(name); found != m_dehacked.end())
        return found->second;
    return {};
}

std::string MapTitles::titleOf(const std::string& map) const
{
    const auto from = [&](const std::map<std::string, std::string>& titles) -> std::string {
        const auto found = titles.find(map);
        return found == titles.end() ? std::string() : withoutLabel(found->second);
    };
    const auto fromMapinfo = [&](const std::map<std::string, std::string>& titles,
                                 const std::vector<std::pair<std::string, std::string>>& lookups) {
        // A later definition of the map wins, whether title or lookup.
        std::string title = from(titles);
        for (const auto& [name, key] : lookups) {
            if (name == map)
                title = withoutLabel(lookUp(key));
        }
        return title;
    };
    const auto dehacked = m_dehacked.find(dehackedKey(map));
    const bool zdoom = !m_zmapinfo.empty() || !m_zmapinfoLookups.empty();
    for (const std::string& title :
         {from(m_umapinfo),
          zdoom ? fromMapinfo(m_zmapinfo, m_zmapinfoLookups)
                : fromMapinfo(m_mapinfo, m_mapinfoLookups),
          from(m_emapinfo),
          dehacked == m_dehacked.end() ? std::string() : withoutLabel(dehacked->second)}) {
        if (!title.empty() && upper(title) != map)
            return title;
    }
    return {};
}

std::string MapTitles::withoutLabel(std::string_view title)
{
    title = trimmed(title);
    const std::size_t colon = title.find(':');
    if (colon == std::string_view::npos || colon > MaxLabel)
        return std::string(title);
    const std::string_view label = trimmed(title.substr(0, colon));
    bool digit = false;
    bool plain = !label.empty() && std::isalpha(static_cast<unsigned char>(label.front()));
    for (const char c : label) {
        const auto byte = static_cast<unsigned char>(c);
        digit = digit || std::isdigit(byte);
        plain = plain && (std::isalnum(byte) || c == ' ');
    }
    const std::string_view rest = trimmed(title.substr(colon + 1));
    if (!plain || !digit)
        return std::string(title);
    return std::string(rest); // a label alone is no title
}

} // namespace z3d::checker
