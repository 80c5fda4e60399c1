#include "automap/MapTally.h"

#include "automap/AsciiText.h"
#include "automap/UdmfFields.h"
#include "automap/WadFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace z3d::automap {

namespace {

using ascii_text::equalsIgnoringCase;

// The largest map lump read: far beyond any real map, small enough to allocate freely.
constexpr std::size_t MaxLumpBytes = std::size_t{64} << 20;

// The Doom and Doom II things that count as kills: the monsters (zombieman, shotgun guy,
// chaingunner, imp, demon, spectre, cacodemon, baron, hell knight, arachnotron, pain
// elemental, revenant, mancubus, arch-vile, cyberdemon, spider mastermind, Wolfenstein SS,
// Commander Keen). The Lost Soul (3006) and the boss brain (88) do not count.
constexpr std::array<int, 18> KillTypes{3004, 9,  65, 3001, 3002, 58, 3005, 3003, 69,
                                        68,   71, 66, 67,   64,   16, 7,    84,   72};
// The things that count as items: health and armor bonuses, soul sphere, megasphere,
// invulnerability, berserk, invisibility, computer map, light amplification visor. The
// radiation suit does not count.
constexpr std::array<int, 9> ItemTypes{2014, 2015, 2013, 83, 2022, 2023, 2024, 2026, 2045};

// The skill bit of the Doom and Hexen formats' thing flags.
int skillBit(int skill)
{
    return skill <= 2 ? 1 : skill == 3 ? 2 : 4;
}

void countThing(MapTally& tally, int type, bool friendly)
{
    if (std::find(KillTypes.begin(), KillTypes.end(), type) != KillTypes.end())
        tally.monsters += friendly ? 0 : 1;
    else if (std::find(ItemTypes.begin(), ItemTypes.end(), type) != ItemTypes.end())
        ++tally.items;
}

std::uint16_t u16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// A UDMF value as a whole number; nothing read from anything else.
bool wholeNumber(std::string_view text, long long& value)
{
    const char* end = text.data() + text.size();
    return !text.empty() && std::from_chars(text.data(), end, value).ptr == end;
}

} // namespace

MapTally MapTally::fromBinary(std::string_view things, std::string_view sectors, bool hexen,
                              int skill)
{
    MapTally tally;
    const std::size_t record = hexen ? 20 : 10;
    const std::size_t typeAt = hexen ? 10 : 6;
    for (std::size_t at = 0; at + record <= things.size(); at += record) {
        const int flags = u16(things, at + typeAt + 2);
        if ((flags & skillBit(skill)) == 0)
            continue;
        bool friendly = false;
        if (hexen) {
            if ((flags & 0x100) == 0)
                continue;
            friendly = (flags & 0x2000) != 0;
        } else {
            if ((flags & 16) != 0)
                continue;
            friendly = (flags & 0x180) == 0x80;
        }
        countThing(tally, u16(things, at + typeAt), friendly);
    }
    for (std::size_t at = 0; at + 26 <= sectors.size(); at += 26) {
        const int special = u16(sectors, at + 22);
        tally.secrets +=
            (hexen ? (special & 1024) != 0 : special == 9 || (special & 128) != 0) ? 1 : 0;
    }
    return tally;
}

MapTally MapTally::fromTextMap(std::string_view textmap, int skill)
{
    // Counts each thing and sector block as it closes.
    struct Counter
    {
        std::string skillKey;
        MapTally tally;
        enum class Block
        {
            None,
            Thing,
            Sector
        } block = Block::None;
        long long type = -1;
        bool present = false;
        bool single = false;
        bool friendly = false;
        bool secret = false;

        void begin(std::string_view kind)
        {
            block = equalsIgnoringCase(kind, "thing")    ? Block::Thing
                    : equalsIgnoringCase(kind, "sector") ? Block::Sector
                                                         : Block::None;
            type = -1;
            present = single = friendly = secret = false;
        }
        void field(std::string_view key, std::string_view value, bool quoted)
        {
            const bool yes = !quoted && equalsIgnoringCase(value, "true");
            long long special = 0;
            if (block == Block::Thing) {
                if (equalsIgnoringCase(key, "type") && !(!quoted && wholeNumber(value, type)))
                    type = -1;
                present = equalsIgnoringCase(key, skillKey) ? yes : present;
                single = equalsIgnoringCase(key, "single") ? yes : single;
                friendly = equalsIgnoringCase(key, "friend") ? yes : friendly;
            } else if (block == Block::Sector && equalsIgnoringCase(key, "secret")) {
                secret = secret || yes;
            } else if (block == Block::Sector && equalsIgnoringCase(key, "special") && !quoted &&
                       wholeNumber(value, special)) {
                secret = secret || special == 9 || (special & 1024) != 0;
            }
        }
        void end()
        {
            if (block == Block::Thing && present && single && type >= 0 && type <= 0xFFFF)
                countThing(tally, static_cast<int>(type), friendly);
            tally.secrets += block == Block::Sector && secret ? 1 : 0;
            block = Block::None;
        }
    } counter{"skill" + std::to_string(skill), {}};
    readUdmfFields(textmap, counter);
    return counter.tally;
}

MapTally MapTally::fromWad(const WadFile& wad, std::size_t markerIndex, int skill)
{
    const auto& lumps = wad.lumps();
    if (markerIndex + 1 < lumps.size() && lumps[markerIndex + 1].name == "TEXTMAP")
        return fromTextMap(wad.read(lumps[markerIndex + 1], MaxLumpBytes), skill);
    const auto read = [&](std::string_view name) {
        const Lump* lump = wad.mapLump(markerIndex, name);
        return lump ? wad.read(*lump, MaxLumpBytes) : std::string();
    };
    const bool hexen = wad.mapLump(markerIndex, "BEHAVIOR") != nullptr;
    return fromBinary(read("THINGS"), read("SECTORS"), hexen, skill);
}

} // namespace z3d::automap
