#include "automap/TitleSources.h"

#include "automap/AsciiText.h"
#include "automap/OriginalMapNames.h"
#include "automap/TextTokens.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

namespace z3d::automap::title_sources {

namespace {

using namespace ascii_text;

// A quoted string's content with its escapes resolved (\n and \t as blanks).
std::string unescaped(std::string_view text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            result.push_back(text[i]);
            continue;
        }
        const char next = text[++i];
        result.push_back(next == 'n' || next == 't' ? ' ' : next);
    }
    return result;
}

// "1" to "99" name MAP01 to MAP99 (Hexen's map numbers); anything else is the name itself.
std::string mapName(std::string_view name)
{
    if (!name.empty() && name.size() <= 2 &&
        std::isdigit(static_cast<unsigned char>(name.front())) &&
        std::isdigit(static_cast<unsigned char>(name.back()))) {
        return std::string(name.size() == 1 ? "MAP0" : "MAP") + std::string(name);
    }
    return upper(name);
}

struct Token
{
    std::string_view text;
    bool quoted = false;

    bool is(std::string_view word) const { return !quoted && equalsIgnoringCase(text, word); }
};

// The tokens of text; with semicolonComments, a ';' outside braces and the rest of its line
// are left out.
std::vector<Token> tokens(std::string_view text, bool semicolonComments = false)
{
    std::vector<Token> result;
    TextTokens reader(text);
    Token token;
    int depth = 0;
    while (reader.next(token.text, token.quoted)) {
        if (semicolonComments && token.is(";") && depth == 0) {
            reader.skipRestOfLine();
            continue;
        }
        depth += token.is("{") ? 1 : token.is("}") && depth > 0 ? -1 : 0;
        result.push_back(token);
    }
    return result;
}

// The line starting at at (without its end), at moved past its end (CR LF, LF or CR).
std::string_view nextLine(std::string_view text, std::size_t& at)
{
    const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    const std::string_view line = text.substr(at, end - at);
    at = end + (text.substr(end, 2) == "\r\n" ? 2 : end < text.size() ? 1 : 0);
    return line;
}

// The two lengths of a DEHACKED "Text <old length> <new length>" line.
std::optional<std::pair<std::size_t, std::size_t>> textBlockLengths(std::string_view line)
{
    std::size_t lengths[2] = {};
    const char* at = line.data() + std::min<std::size_t>(line.size(), 4);
    const char* end = line.data() + line.size();
    if (!equalsIgnoringCase(line.substr(0, 4), "Text"))
        return std::nullopt;
    for (std::size_t& length : lengths) {
        const char* digits = at;
        while (digits < end && std::isspace(static_cast<unsigned char>(*digits)))
            ++digits;
        if (digits == at)
            return std::nullopt;
        const auto [after, error] = std::from_chars(digits, end, length);
        if (error != std::errc())
            return std::nullopt;
        at = after;
    }
    if (!trimmed(std::string_view(at, std::size_t(end - at))).empty())
        return std::nullopt;
    return std::pair{lengths[0], lengths[1]};
}

// count characters of text from at on (fewer at its end), carriage returns left out and not
// counted; at moved past them.
std::string textBlockPart(std::string_view text, std::size_t& at, std::size_t count)
{
    std::string part;
    for (; at < text.size() && part.size() < count; ++at) {
        if (text[at] != '\r')
            part.push_back(text[at]);
    }
    return part;
}

// The top-level words of MAPINFO that start something other than a map: the lines after
// them belong to no map.
bool startsOtherDefinition(const Token& token)
{
    for (const std::string_view word :
         {"defaultmap", "adddefaultmap", "gamedefaults", "cluster", "clusterdef", "episode",
          "clearepisodes", "skill", "gameinfo", "intermission", "automap", "automap_overlay",
          "doomednums", "spawnnums", "conversationids", "damagetype"}) {
        if (token.is(word))
            return true;
    }
    return false;
}

// The value of a "key value" or "key = value" pair whose key is at all[i]: i moved to it.
std::optional<std::string_view> pairValue(const std::vector<Token>& all, std::size_t& i)
{
    std::size_t at = i + 1;
    if (at < all.size() && all[at].is("="))
        ++at;
    if (at >= all.size() ||
        (!all[at].quoted && all[at].text.size() == 1 &&
         std::string_view("{}=;,").find(all[at].text) != std::string_view::npos))
        return std::nullopt;
    i = at;
    return all[at].text;
}

// Sets the field of links that key names (next, secret: the keys of the lump's dialect) from
// the pair at all[i]; false when key is none of them.
bool readLink(const std::vector<Token>& all, std::size_t& i, MapLinks& links, std::string_view next,
              std::string_view secret, std::string_view par)
{
    std::string* field = all[i].is(next)     ? &links.next
                         : all[i].is(secret) ? &links.secretNext
                         : all[i].is(par)    ? &links.par
                                             : nullptr;
    if (!field)
        return false;
    const std::optional<std::string_view> value = pairValue(all, i);
    if (!value)
        return true;
    if (field != &links.par)
        *field = mapName(unescaped(*value));
    else if (!value->empty() && value->size() <= 6 &&
             value->find_first_not_of("0123456789") == std::string_view::npos)
        *field = *value; // seconds; a par of over eleven days is no par
    return true;
}

std::map<std::string, MapLinks> withoutEmpty(std::map<std::string, MapLinks> links)
{
    std::erase_if(links, [](const auto& entry) {
        const MapLinks& found = entry.second;
        return found.next.empty() && found.secretNext.empty() && found.par.empty();
    });
    return links;
}

struct MapinfoResult
{
    std::map<std::string, MapinfoName> names;
    std::map<std::string, MapLinks> links;
};

void readMapinfo(std::string_view text, const LumpReader& lump, int depth, int& includes,
                 MapinfoResult& result)
{
    const std::vector<Token> all = tokens(text, true);
    int braces = 0;
    std::string map;      // the map whose lines or block are being read
    bool inBlock = false; // map's keys are in its braces rather than on the lines after it
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Token& token = all[i];
        if (token.is("{")) {
            inBlock = braces == 0 && !map.empty();
            ++braces;
        } else if (token.is("}")) {
            braces = braces > 0 ? braces - 1 : 0;
            if (braces == 0 && inBlock)
                map.clear();
        } else if (!map.empty() && braces == (inBlock ? 1 : 0) &&
                   readLink(all, i, result.links[map], "next", "secretnext", "par")) {
            continue; // one of map's links, read
        } else if (braces == 0 && token.is("include") && i + 1 < all.size()) {
            const std::string_view name = all[++i].text;
            if (!lump || depth >= MaxIncludeDepth || includes >= MaxIncludes)
                continue;
            ++includes;
            if (const std::optional<std::string> included = lump(name))
                readMapinfo(*included, lump, depth + 1, includes, result);
        } else if (braces == 0 && startsOtherDefinition(token)) {
            map.clear();
        } else if (braces == 0 && token.is("map") && i + 2 < all.size() && !all[i + 1].quoted) {
            map = mapName(all[i + 1].text);
            inBlock = false;
            if (all[i + 2].is("lookup") && i + 3 < all.size() && all[i + 3].quoted) {
                result.names[map] = {std::string(all[i + 3].text), true};
                i += 3;
            } else if (all[i + 2].quoted) {
                const std::string title = unescaped(all[i + 2].text);
                if (title.size() > 1 && title.front() == '$')
                    result.names[map] = {title.substr(1), true};
                else
                    result.names[map] = {title, false};
                i += 2;
            }
        }
    }
}

// Calls visit(map, all, i) for each key inside a UMAPINFO map's braces, at all[i].
template <typename Visit> void forEachUmapinfoKey(std::string_view text, Visit visit)
{
    const std::vector<Token> all = tokens(text);
    int depth = 0;
    std::string map;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Token& token = all[i];
        if (token.is("{")) {
            ++depth;
        } else if (token.is("}")) {
            depth = depth > 0 ? depth - 1 : 0;
        } else if (depth == 0 && token.is("map") && i + 1 < all.size()) {
            map = mapName(all[++i].text);
        } else if (depth == 1 && !map.empty()) {
            visit(map, all, i);
        }
    }
}

} // namespace

void MapLinks::completeFrom(const MapLinks& other)
{
    for (auto [mine, theirs] :
         {std::pair{&next, &other.next}, {&secretNext, &other.secretNext}, {&par, &other.par}}) {
        if (mine->empty())
            *mine = *theirs;
    }
}

std::map<std::string, std::string> umapinfo(std::string_view text)
{
    std::map<std::string, std::string> titles;
    forEachUmapinfoKey(text, [&](const std::string& map, const auto& all, std::size_t& i) {
        if (all[i].is("levelname") && i + 2 < all.size() && all[i + 1].is("=") &&
            all[i + 2].quoted) {
            titles[map] = unescaped(all[i + 2].text);
            i += 2;
        }
    });
    return titles;
}

std::map<std::string, MapLinks> umapinfoLinks(std::string_view text)
{
    std::map<std::string, MapLinks> links;
    forEachUmapinfoKey(text, [&](const std::string& map, const auto& all, std::size_t& i) {
        readLink(all, i, links[map], "next", "nextsecret", "partime");
    });
    return withoutEmpty(std::move(links));
}

std::map<std::string, MapinfoName> mapinfo(std::string_view text, const LumpReader& lump)
{
    MapinfoResult result;
    int includes = 0;
    readMapinfo(text, lump, 0, includes, result);
    return std::move(result.names);
}

std::map<std::string, MapLinks> mapinfoLinks(std::string_view text, const LumpReader& lump)
{
    MapinfoResult result;
    int includes = 0;
    readMapinfo(text, lump, 0, includes, result);
    return withoutEmpty(std::move(result.links));
}

std::map<std::string, std::string> emapinfo(std::string_view text)
{
    std::map<std::string, std::string> titles;
    std::string map;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view line = trimmed(nextLine(text, at));
        if (line.empty() || line.front() == '#' || line.front() == ';' || line.substr(0, 2) == "//")
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            map = close == std::string_view::npos ? std::string()
                                                  : upper(trimmed(line.substr(1, close - 1)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (map.empty() || equals == std::string_view::npos ||
            !equalsIgnoringCase(trimmed(line.substr(0, equals)), "levelname"))
            continue;
        std::string_view value = trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        titles[map] = unescaped(value);
    }
    return titles;
}

std::map<std::string, std::string> dehackedStrings(std::string_view text,
                                                   const StringFilter& wanted)
{
    std::map<std::string, std::string> strings;
    bool inStrings = false;
    std::string key; // empty while an unwanted string runs on
    std::string value;
    bool continued = false;
    const auto take = [&](std::string_view part) {
        continued = !part.empty() && part.back() == '\\';
        if (key.empty())
            return;
        value += part.substr(0, part.size() - (continued ? 1 : 0));
        if (!continued)
            strings[key] = unescaped(value);
    };
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view line = trimmed(nextLine(text, at));
        if (continued) {
            take(line);
            continue;
        }
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            inStrings = equalsIgnoringCase(line.substr(0, line.find(']') + 1), "[STRINGS]");
            continue;
        }
        if (const auto lengths = textBlockLengths(line)) {
            inStrings = false;
            const std::string original = textBlockPart(text, at, lengths->first);
            std::string replacement = textBlockPart(text, at, lengths->second);
            const std::string name = OriginalMapNames::stringNamed(original);
            if (!name.empty() && wanted(name))
                strings[name] = std::move(replacement);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inStrings || equals == std::string_view::npos)
            continue;
        const std::string_view name = trimmed(line.substr(0, equals));
        key = wanted(name) ? upper(name) : std::string();
        value.clear();
        take(trimmed(line.substr(equals + 1)));
    }
    if (continued && !key.empty())
        strings[key] = unescaped(value);
    return strings;
}

std::map<std::string, std::string> languageStrings(std::string_view text,
                                                   const StringFilter& wanted)
{
    std::map<std::string, std::string> preferred;
    std::map<std::string, std::string> others;
    bool english = true; // entries before any section header count as the default's
    const std::vector<Token> all = tokens(text);
    for (std::size_t i = 0; i < all.size(); ++i) {
        // Section headers are not tokens of their own: "[enu" and "default]" arrive as words.
        if (!all[i].quoted && !all[i].text.empty() && all[i].text.front() == '[') {
            english = false;
            for (std::size_t k = i; k < all.size() && !all[k].quoted; ++k) {
                std::string word = upper(all[k].text);
                std::erase(word, '[');
                const bool last = word.find(']') != std::string::npos;
                std::erase(word, ']');
                english = english || word == "ENU" || word == "EN" || word == "DEFAULT";
                i = k;
                if (last)
                    break;
            }
            continue;
        }
        if (all[i].quoted || i + 2 >= all.size() || !all[i + 1].is("=") || !all[i + 2].quoted ||
            !wanted(all[i].text))
            continue;
        const std::string key = upper(all[i].text);
        std::string value;
        std::size_t k = i + 2;
        for (; k < all.size() && all[k].quoted; ++k)
            value += unescaped(all[k].text);
        (english ? preferred : others)[key] = value;
        i = k - 1;
    }
    for (auto& [key, value] : others)
        preferred.try_emplace(key, std::move(value));
    return preferred;
}

} // namespace z3d::automap::title_sources
