#include "automap/MapCollector.h"

#include <cctype>

namespace z3d::automap {

namespace {

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return result;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::string> MapCollector::mapName(std::string_view lumpName)
{
    const std::string name = upper(lumpName);
    if (name.size() == 4 && name[0] == 'E' && isDigit(name[1]) && name[2] == 'M' &&
        isDigit(name[3])) {
        return name;
    }
    if (name.size() == 5 && name.compare(0, 3, "MAP") == 0 && isDigit(name[3]) &&
        isDigit(name[4])) {
        return name;
    }
    return std::nullopt;
}

void MapCollector::add(std::string_view lumpName)
{
    if (m_pendingMarker) {
        const std::string name = upper(lumpName);
        if (name == "THINGS" || name == "TEXTMAP") {
            if (m_seen.insert(*m_pendingMarker).second) {
                m_maps.push_back(
                    {*m_pendingMarker, name == "THINGS" ? MapFormat::Binary : MapFormat::Text, {}});
            }
        }
    }
    m_pendingMarker = mapName(lumpName);
}

} // namespace z3d::automap
