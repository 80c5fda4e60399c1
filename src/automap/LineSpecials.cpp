#include "automap/LineSpecials.h"

#include <algorithm>
#include <initializer_list>

namespace z3d::automap {

namespace {

bool among(int special, std::initializer_list<int> specials)
{
    return std::find(specials.begin(), specials.end(), special) != specials.end();
}

// Locks 1-6 are the red, blue and yellow key cards then skulls (Boom's generalised key field
// counts them the same way); 129-131 are either key of one colour. Any other lock (any key,
// all keys, a game's own keys) has no single colour.
std::optional<LineLook> lockColour(int lock)
{
    if (lock >= 1 && lock <= 6)
        lock = (lock - 1) % 3;
    else if (lock >= 129 && lock <= 131)
        lock -= 129;
    else
        return std::nullopt;
    constexpr std::array<LineLook, 3> Colours{LineLook::RedLock, LineLook::BlueLock,
                                              LineLook::YellowLock};
    return Colours[std::size_t(lock)];
}

// Boom's generalised locked doors: the key in bits 6-8.
constexpr int GeneralisedLockedFirst = 0x3400;
constexpr int GeneralisedLockedLast = 0x3BFF;
constexpr int GeneralisedKeyShift = 6;

std::optional<LineLook> doomMark(int special)
{
    if (among(special, {26, 32, 99, 133}))
        return LineLook::BlueLock;
    if (among(special, {28, 33, 134, 135}))
        return LineLook::RedLock;
    if (among(special, {27, 34, 136, 137}))
        return LineLook::YellowLock;
    if (special >= GeneralisedLockedFirst && special <= GeneralisedLockedLast)
        return lockColour((special >> GeneralisedKeyShift) & 7);
    if (among(special, {11, 51, 52, 124, 197, 198}))
        return LineLook::Exit;
    if (among(special, {39,  97,  125, 126, 174, 195, 207, 208, 209, 210,
                        243, 244, 262, 263, 264, 265, 266, 267, 268, 269}))
        return LineLook::Teleporter;
    return std::nullopt;
}

std::optional<LineLook> hexenMark(int special, const std::array<int, 5>& args)
{
    // Door_LockedRaise names its lock in the fourth argument; ACS_LockedExecute,
    // ACS_LockedExecuteDoor and Generic_Door in the fifth.
    if (special == 13)
        return lockColour(args[3]);
    if (among(special, {83, 85, 202}))
        return lockColour(args[4]);
    // Teleport_NewMap, Teleport_EndGame, Exit_Normal, Exit_Secret.
    if (among(special, {74, 75, 243, 244}))
        return LineLook::Exit;
    // Teleport, Teleport_NoFog, Teleport_Line.
    if (among(special, {70, 71, 215}))
        return LineLook::Teleporter;
    return std::nullopt;
}

} // namespace

std::optional<LineLook> markOf(SpecialSet set, int special, const std::array<int, 5>& args,
                               int lockNumber)
{
    if (lockNumber != 0 && special != 0) {
        if (const std::optional<LineLook> colour = lockColour(lockNumber))
            return colour;
    }
    return set == SpecialSet::Doom ? doomMark(special) : hexenMark(special, args);
}

} // namespace z3d::automap
