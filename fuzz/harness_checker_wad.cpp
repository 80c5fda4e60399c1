// The checker's WAD reader and CHECKWAD output on arbitrary bytes: three comma-free header
// lines, then exactly one comma-free line per map reported.

#include "FuzzScratch.h"
#include "OutputFormatter.h"
#include "WadDirectoryReader.h"

#include <sstream>

using namespace z3d::checker;
using z3d::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    const WadReport report = WadDirectoryReader::read(in, size);
    require(report.intact || report.maps.empty(), "a damaged file reports no maps");
    const std::string output = OutputFormatter::checkwad(report);
    require(output.find(',') == std::string::npos, "no comma in the CHECKWAD output");
    std::size_t lines = 0;
    for (const char c : output)
        lines += c == '\n' ? 1 : 0;
    require(lines == 3 + report.maps.size(), "three header lines and one line per map");
    require(output.rfind("Number of maps: ", 0) == 0, "the count where the launcher reads it");
    return 0;
}
