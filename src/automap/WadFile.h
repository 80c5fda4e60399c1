#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace z3d::automap {

// One entry of a WAD's lump directory.
struct Lump
{
    std::string name; // as stored, up to eight characters, upper-cased
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

// A WAD's header and lump directory, and the data of single lumps on request: nothing else
// of the file is read. An entry whose data would lie outside the file is kept with size 0, so
// a damaged lump reads as empty while the names around it still place a map's lumps.
class WadFile
{
public:
    // A directory larger than this is taken as damage rather than read.
    static constexpr std::int64_t MaxLumps = std::int64_t{1} << 22;

    // Nothing when the file cannot be opened or is not a WAD (short header, unknown
    // signature, a count or directory that does not fit the file).
    static std::optional<WadFile> open(const std::filesystem::path& file);
    // The same on a stream of known size; the stream must outlive the WadFile.
    static std::optional<WadFile> open(std::istream& in, std::uint64_t fileSize);

    const std::vector<Lump>& lumps() const { return m_lumps; }
    // The lump's data, at most limit bytes of it; empty when it cannot be read.
    std::string read(const Lump& lump, std::size_t limit) const;

    // The index of the map marker named name (ExMy or MAPnn, any case) that is followed by
    // THINGS or TEXTMAP; the last such marker, as the engine loads the last. Nothing when the
    // wad has no such map.
    std::optional<std::size_t> findMap(std::string_view name) const;
    // The lump named name (THINGS, SECTORS, ...) of the binary map whose marker is at
    // markerIndex: the first of that name among the map lumps that follow the marker; nothing
    // when the map has none.
    const Lump* mapLump(std::size_t markerIndex, std::string_view name) const;

private:
    WadFile() = default;

    std::shared_ptr<std::ifstream> m_file; // owned when opened from a path
    std::istream* m_in = nullptr;
    std::vector<Lump> m_lumps;
};

} // namespace z3d::automap
