#pragma once

#include <cstddef>
#include <string_view>

namespace z3d::automap {

class WadFile;

// A map's end-of-level tally at a skill (1 to 5) in single player, counted as the engine
// counts it when the map starts: the things present at that skill that count as kills (the
// Doom and Doom II monsters, Lost Soul excepted, and no friendly one) or as items (the
// bonuses, power-ups and the computer map), and the secret sectors. A thing type the engine
// does not define for Doom counts as neither. Records cut short at a lump's end are ignored.
struct MapTally
{
    static constexpr int MinSkill = 1;
    static constexpr int MaxSkill = 5;

    int monsters = 0;
    int items = 0;
    int secrets = 0;

    // Doom format: THINGS of 10 bytes (x, y, angle, type, flags: 1 skills 1-2, 2 skill 3,
    // 4 skills 4-5, 16 multiplayer only, 128 friendly unless 256 marks the flags as
    // garbage). Hexen format (hexen true): THINGS of 20 bytes (type at 10, flags at 12: the
    // same skill bits, 0x100 present in single player, 0x2000 friendly). SECTORS of 26 bytes,
    // the special at 22: secret when it is 9 or has the generalised secret bit 128 (Doom
    // format), or has the bit 1024 (Hexen format). All little-endian.
    static MapTally fromBinary(std::string_view things, std::string_view sectors, bool hexen,
                               int skill);
    // UDMF: the TEXTMAP's thing blocks (type, skill1 ... skill5, single, friend) and sector
    // blocks (secret = true, or a special of 9 or with the bit 1024).
    static MapTally fromTextMap(std::string_view textmap, int skill);
    // The map whose marker is at markerIndex of wad, from its own lumps only.
    static MapTally fromWad(const WadFile& wad, std::size_t markerIndex, int skill);
};

} // namespace z3d::automap
