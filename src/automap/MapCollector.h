#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace z3d::automap {

// How a map's geometry is stored: the classic binary lumps (THINGS, LINEDEFS, ...) or one
// UDMF text lump (TEXTMAP ... ENDMAP).
enum class MapFormat
{
    Binary,
    Text
};

struct MapEntry
{
    std::string name; // upper case, "ExMy" or "MAPnn"
    MapFormat format = MapFormat::Binary;
    std::string title; // as the wad itself names the map; empty when it does not
};

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

} // namespace z3d::automap
