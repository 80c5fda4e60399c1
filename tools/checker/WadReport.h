#pragma once

#include "automap/MapCollector.h"

#include <cstdint>
#include <string>
#include <vector>

namespace z3d::checker {

using automap::MapEntry;
using automap::MapFormat;

// What CHECKWAD learned about one file. When `intact` is false the file is damaged or not a
// WAD at all, `problem` says why in a few words, and `maps` is empty: a damaged file never
// offers a map the engine could not load.
struct WadReport
{
    bool intact = false;
    std::string problem;
    std::string kind;           // "IWAD", "PWAD" or empty when the signature is unknown
    std::int64_t lumpCount = 0; // as the header states it (may be negative in a damaged file)
    std::vector<MapEntry> maps;
};

} // namespace z3d::checker
