#pragma once

#include "WadReport.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace z3d::checker {

// Picks the maps out of a WAD's lump names, fed in directory order. A map is a marker lump
// named ExMy or MAPnn (one digit each for x and y, two for nn) that is directly followed by
// THINGS (binary map) or TEXTMAP (UDMF map). Names compare without regard to case; a marker
// seen again later (a PWAD that repeats a map) is listed once, at its first position.
class MapCollector
{
public:
    void add(std::string_view lumpName);
    const std::vector<MapEntry>& maps() const { return m_maps; }

    // The upper-case map name when `lumpName` is ExMy or MAPnn, otherwise nothing.
    static std::optional<std::string> mapName(std::string_view lumpName);

private:
    std::optional<std::string> m_pendingMarker;
    std::set<std::string> m_seen;
    std::vector<MapEntry> m_maps;
};

} // namespace z3d::checker
