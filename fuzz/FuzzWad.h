#pragma once

// The map harnesses' reading of an input that starts as a WAD ("IWAD" or "PWAD"): the wad,
// and the lump index of each of its first maps.

#include "automap/WadFile.h"

#include <cstddef>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace z3d::fuzz {

// An input read as a WAD when it starts as one. The wad reads its lumps from the stream held
// here, so that the object is neither copied nor moved.
struct WadInput
{
    explicit WadInput(std::string_view input)
        : startsAsWad(input.substr(0, 4) == "IWAD" || input.substr(0, 4) == "PWAD")
    {
        if (!startsAsWad)
            return;
        in.str(std::string(input));
        wad = automap::WadFile::open(in, input.size());
    }
    WadInput(const WadInput&) = delete;
    WadInput& operator=(const WadInput&) = delete;

    const bool startsAsWad;
    std::istringstream in;
    std::optional<automap::WadFile> wad; // nothing when the input is no valid WAD
};

// The lump indices of the wad's first most map markers, in lump order.
inline std::vector<std::size_t> firstMaps(const automap::WadFile& wad, int most)
{
    std::vector<std::size_t> maps;
    const auto& lumps = wad.lumps();
    for (std::size_t i = 0; i + 1 < lumps.size() && std::ssize(maps) < most; ++i) {
        if (wad.findMap(lumps[i].name) == i)
            maps.push_back(i);
    }
    return maps;
}

} // namespace z3d::fuzz
