#pragma once

#include "WadReport.h"

#include <cstdint>
#include <filesystem>
#include <istream>

namespace z3d::checker {

// Reads a WAD's 12-byte header and its lump directory, and of the lump data only the lumps
// that title the maps (MapTitles), when the wad has maps: a multi-gigabyte file costs no more
// than its directory and a few kilobytes of text.
//
// Layout (little-endian): "IWAD" or "PWAD", int32 lump count, uint32 directory offset; the
// directory is `count` entries of uint32 offset, uint32 size, 8-byte name (NUL-padded).
// Offsets and sizes are read unsigned so files between 2 and 4 GiB work; the lump count is
// read signed so a negative count is recognised as damage.
//
// A file is damaged, and reported with no maps, when the header is short or unsigned, the
// count is negative or beyond `MaxLumps`, the directory reaches past the end of the file or
// into the header, or an entry with data points outside the file, into the header or into the
// directory itself. Entries sharing data with each other are allowed (real WADs do it), and
// empty entries (markers) may carry any offset.
class WadDirectoryReader
{
public:
    static constexpr std::int64_t HeaderSize = 12;
    static constexpr std::int64_t EntrySize = 16;
    // No real WAD comes near this (a 64 MiB directory); a larger count is taken as damage
    // rather than read.
    static constexpr std::int64_t MaxLumps = std::int64_t{1} << 22;

    static WadReport read(const std::filesystem::path& file);

    // The same check on an open stream of known size (tests and callers without a file).
    static WadReport read(std::istream& in, std::uint64_t fileSize);
};

} // namespace z3d::checker
