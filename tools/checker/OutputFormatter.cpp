#include "OutputFormatter.h"

namespace z3d::checker {

namespace {

// Length of the valid UTF-8 sequence starting at `text[i]`, or 0 when it is not valid
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned int minimum = 0;
    unsigned int value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        value = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0u) != 0x80u) {
            return 0;
        }
        value = value << 6 | (byte(i + k) & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
        } else if (const std::size_t length = utf8Length(text, i); length > 0) {
            i += length;
        } else {
            return false;
        }
    }
    return true;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Windows-1252 text in UTF-8: Latin-1 with printable characters at 0x80 to 0x9F; the five
// bytes it leaves unassigned become '?'.
std::string fromWindows1252(std::string_view text)
{
    static constexpr char32_t High[32] = {
        0x20AC, u'?',   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, u'?',   0x017D, u'?',   u'?',   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, u'?',   0x017E, 0x0178};
    std::string result;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(result, byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : char32_t(byte));
    }
    return result;
}

// U+201A SINGLE LOW-9 QUOTATION MARK, which looks like a comma.
constexpr std::string_view CommaStandIn = "\xE2\x80\x9A";

std::string countText(std::size_t count)
{
    if (count > 99) {
        return "99+ (" + std::to_string(count) + ")";
    }
    return std::to_string(count);
}

} // namespace

std::string OutputFormatter::sanitise(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            result.push_back(' ');
            ++i;
        } else if (c == '"') {
            result.push_back('\'');
            ++i;
        } else if (c < 0x80) {
            result.push_back(static_cast<char>(c));
            ++i;
        } else if (const std::size_t length = utf8Length(text, i); length > 0) {
            result.append(text.substr(i, length));
            i += length;
        } else {
            result.push_back('?');
            ++i;
        }
    }
    return result;
}

std::string OutputFormatter::headerText(std::string_view text)
{
    std::string result = sanitise(text);
    for (char& c : result) {
        if (c == ',') {
            c = ';';
        }
    }
    return result;
}

std::string OutputFormatter::mapTitle(std::string_view title)
{
    const std::string clean = sanitise(isUtf8(title) ? std::string(title) : fromWindows1252(title));
    std::string result;
    for (const char c : clean) {
        if (c == ' ' && (result.empty() || result.back() == ' '))
            continue;
        if (c == ',')
            result += CommaStandIn;
        else
            result.push_back(c);
    }
    if (result.size() > MaxTitleBytes) {
        std::size_t end = MaxTitleBytes;
        while (end > 0 && (static_cast<unsigned char>(result[end]) & 0xC0u) == 0x80u)
            --end;
        result.resize(end);
    }
    while (!result.empty() && result.back() == ' ')
        result.pop_back();
    return result;
}

std::string OutputFormatter::checkwad(const WadReport& report)
{
    std::string out = "Number of maps: " + countText(report.maps.size()) + "\n";
    out += "Wad type: " + (report.kind.empty() ? std::string("unknown") : report.kind);
    out += "  Lumps: ";
    out += report.kind.empty() ? std::string("?") : std::to_string(report.lumpCount);
    out += "\n";
    out += report.intact ? std::string("Status: OK") : "Status: " + headerText(report.problem);
    out += "\n";
    for (const MapEntry& map : report.maps) {
        std::string name = map.name;
        name.resize(5, ' ');
        out += name;
        out += map.format == MapFormat::Binary ? " binary map" : " text map (UDMF)";
        if (const std::string title = mapTitle(map.title); !title.empty())
            out += " \"" + title + "\"";
        out += "\n";
    }
    return out;
}

std::string OutputFormatter::mapStats(std::string_view title, const automap::MapTally& tally,
                                      const automap::title_sources::MapLinks& links)
{
    std::string out = "Title:";
    if (const std::string clean = mapTitle(title); !clean.empty())
        out += " " + clean;
    out += "\nMonsters: " + std::to_string(tally.monsters) + "\n";
    out += "Items: " + std::to_string(tally.items) + "\n";
    out += "Secrets: " + std::to_string(tally.secrets) + "\n";
    for (const auto& [label, value] : {std::pair{"Next", &links.next},
                                       {"Secret next", &links.secretNext},
                                       {"Par", &links.par}}) {
        if (!value->empty())
            out += std::string(label) + ": " + headerText(*value) + "\n";
    }
    return out;
}

std::string OutputFormatter::saveLine(const SaveHeader& save)
{
    return "\"" + std::to_string(save.slot % 10) + sanitise(save.description) + "\"\n";
}

std::string OutputFormatter::saveHeaders(const std::vector<SaveHeader>& saves)
{
    std::string out;
    for (const SaveHeader& save : saves) {
        out += saveLine(save);
    }
    return out;
}

} // namespace z3d::checker
