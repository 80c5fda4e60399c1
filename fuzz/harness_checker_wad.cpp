// The checker's WAD reader and CHECKWAD output on arbitrary bytes: three comma-free header
// lines, then exactly one comma-free line per map reported, any title in one pair of quotes
// at its end. Seeds with title lumps (DEHACKED, UMAPINFO, MAPINFO, ...) reach their readers.

#include "FuzzScratch.h"
#include "OutputFormatter.h"
#include "WadDirectoryReader.h"

#include <sstream>
#include <string_view>

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
    // A map line is its name and format, and a title only as one quoted piece at its end.
    std::size_t lineStart = 0;
    for (std::size_t line = 0; line < lines; ++line) {
        const std::size_t end = output.find('\n', lineStart);
        const std::string_view text(output.data() + lineStart, end - lineStart);
        std::size_t quotes = 0;
        for (const char c : text)
            quotes += c == '"' ? 1 : 0;
        require(quotes == 0 || (line >= 3 && quotes == 2 && text.back() == '"'),
                "a title stands in one pair of quotes at the end of its map line");
        for (const char c : text)
            require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "no control character");
        lineStart = end + 1;
    }
    return 0;
}
