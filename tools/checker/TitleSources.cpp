#include "TitleSources.h"

#include "AsciiText.h"
#include "automap/TextTokens.h"

#include <cctype>
#include <vector>

namespace z3d::checker::title_sources {

namespace {

using namespace ascii_text;

using automap::TextTokens;

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

std::vector<Token> tokens(std::string_view text)
{
    std::vector<Token> result;
    TextTokens reader(text);
    Token token;
    while (reader.next(token.text, token.quoted))
        result.push_back(token);
    return result;
}

std::vector<std::string_view> lines(std::string_view text)
{
    std::vector<std::string_view> result;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        result.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(text.substr(end, 2) == "\r\n" ? end + 2 : end + 1);
    }
    return result;
}

} // namespace

std::map<std::string, std::string> umapinfo(std::string_view text)
{
    std::map<std::string, std::string> titles;
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
        } else if (depth == 1 && !map.empty() && token.is("levelname") && i + 2 < all.size() &&
                   all[i + 1].is("=") && all[i + 2].quoted) {
            titles[map] = unescaped(all[i + 2].text);
            i += 2;
        }
    }
    return titles;
}

std::map<std::string, MapinfoName> mapinfo(std::string_view text)
{
    std::map<std::string, MapinfoName> names;
    const std::vector<Token> all = tokens(text);
    int depth = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Token& token = all[i];
        if (token.is("{")) {
            ++depth;
        } else if (token.is("}")) {
            depth = depth > 0 ? depth - 1 : 0;
        } else if (depth == 0 && token.is("map") && i + 2 < all.size() && !all[i + 1].quoted) {
            const std::string map = mapName(all[i + 1].text);
            if (all[i + 2].is("lookup") && i + 3 < all.size() && all[i + 3].quoted) {
                names[map] = {std::string(all[i + 3].text), true};
                i += 3;
            } else if (all[i + 2].quoted) {
                const std::string title = unescaped(all[i + 2].text);
                if (title.size() > 1 && title.front() == '$')
                    names[map] = {title.substr(1), true};
                else
                    names[map] = {title, false};
                i += 2;
            }
        }
    }
    return names;
}

std::map<std::string, std::string> emapinfo(std::string_view text)
{
    std::map<std::string, std::string> titles;
    std::string map;
    for (std::string_view line : lines(text)) {
        line = trimmed(line);
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

std::map<std::string, std::string> bexStrings(std::string_view text, const StringFilter& wanted)
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
    for (std::string_view line : lines(text)) {
        line = trimmed(line);
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

} // namespace z3d::checker::title_sources
