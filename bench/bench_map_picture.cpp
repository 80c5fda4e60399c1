// Times the map pictures of the map list in process: opening freedoom2.wad, finding a map,
// reading its geometry and drawing it at the tip's 240 pixels, as the launcher does when the
// mouse rests on a map. Each map is paired, in the same run, with reading the same bytes raw
// (the header, the directory and the map's VERTEXES and LINEDEFS lumps with stdio) and the
// ratio of the two medians is printed. Median wall time over N rounds (default 51, or the
// first argument).

#include "automap/MapGeometry.h"
#include "automap/MapPicture.h"
#include "automap/WadFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

const std::string Freedoom2 = "/usr/share/games/doom/freedoom2.wad";
constexpr int PictureSize = 240;

double medianMs(int rounds, const std::function<std::size_t()>& work, std::size_t& result)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        result = work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::uint32_t u32(const unsigned char* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

// The floor: the header, the directory, and the VERTEXES and LINEDEFS after the marker, read
// with stdio and no checks; the number of bytes read.
std::size_t readRaw(const char* map)
{
    std::FILE* file = std::fopen(Freedoom2.c_str(), "rb");
    if (!file)
        return 0;
    unsigned char header[12];
    std::size_t total = std::fread(header, 1, 12, file);
    const std::uint32_t count = u32(header + 4);
    std::vector<unsigned char> directory(std::size_t(count) * 16);
    std::fseek(file, long(u32(header + 8)), SEEK_SET);
    total += std::fread(directory.data(), 16, count, file) * 16;
    std::vector<char> lump;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (std::strncmp(reinterpret_cast<const char*>(&directory[i * 16 + 8]), map, 8) != 0)
            continue;
        for (std::uint32_t k = i + 1; k < count && k < i + 12; ++k) {
            const char* name = reinterpret_cast<const char*>(&directory[k * 16 + 8]);
            if (std::strncmp(name, "VERTEXES", 8) == 0 || std::strncmp(name, "LINEDEFS", 8) == 0) {
                lump.resize(u32(&directory[k * 16 + 4]));
                std::fseek(file, long(u32(&directory[k * 16])), SEEK_SET);
                total += std::fread(lump.data(), 1, lump.size(), file);
            }
        }
        break;
    }
    std::fclose(file);
    return total;
}

std::size_t readAndDraw(const char* map)
{
    using namespace z3d::automap;
    const std::optional<WadFile> wad = WadFile::open(Freedoom2);
    if (!wad)
        return 0;
    const std::optional<std::size_t> marker = wad->findMap(map);
    if (!marker)
        return 0;
    const MapGeometry geometry = MapGeometry::fromWad(*wad, *marker);
    return MapPicture::draw(geometry, PictureSize).pixels.size() + geometry.lines.size();
}

} // namespace

int main(int argc, char* argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    if (!std::filesystem::exists(Freedoom2)) {
        std::printf("Map pictures: skipped, %s not installed\n", Freedoom2.c_str());
        return 0;
    }
    std::printf("Map pictures of freedoom2.wad at %d pixels, median wall time of %d rounds\n",
                PictureSize, rounds);
    for (const char* map : {"MAP01", "MAP29"}) {
        std::size_t drawn = 0;
        std::size_t raw = 0;
        const double drawMs = medianMs(
            rounds, [&] { return readAndDraw(map); }, drawn);
        const double rawMs = medianMs(
            rounds, [&] { return readRaw(map); }, raw);
        if (drawn == 0 || raw == 0) {
            std::printf("  %s: could not be read\n", map);
            return 1;
        }
        std::printf("  %-44s %8.2f ms\n", (std::string(map) + " read and drawn").c_str(), drawMs);
        std::printf("  %-44s %8.2f ms   ratio %.2fx time\n", "  the same lumps read raw (stdio)",
                    rawMs, drawMs / rawMs);
    }
    return 0;
}
