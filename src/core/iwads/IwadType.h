#pragma once

#include <QString>

#include <optional>
#include <span>

namespace z3d {

// The five commercial games.
enum class IwadType
{
    Doom1,
    Doom,
    Doom2,
    Tnt,
    Plutonia
};

// How a game names its maps: episodes (ExMy) or numbered maps (MAPnn).
enum class MapStyle
{
    None,
    Episodes,
    Numbered
};

struct IwadInfo
{
    IwadType type;
    const char* fileName;         // "Doom2.wad"
    const char* key;              // "doom2": save-game folders and game records
    const char* displayName;      // "Doom II": the games list with a custom font
    const char* upperDisplayName; // "DOOM II": the games list otherwise
    MapStyle mapStyle;
};

// A free stand-in: an IWAD that is not the commercial game but fills its type when no file of
// the game itself is known (Freedoom's freedoom2.wad for Doom II, freedoom1.wad for
// Doom/Ultimate Doom). The type keeps its own display name, key, records and save folder.
struct IwadStandIn
{
    IwadType type;
    const char* fileName; // "freedoom2.wad"
};

// The five games in the order Doom1, Doom, Doom2, Tnt, Plutonia.
std::span<const IwadInfo> iwadTypes();
const IwadInfo& iwadInfo(IwadType type);
// The stand-ins in the order they fill their types: freedoom2.wad (Doom2), freedoom1.wad (Doom).
std::span<const IwadStandIn> iwadStandIns();
// The game of a file name ("DOOM2.WAD", "doom2.wad", or a full path), compared without case;
// a stand-in's name gives the type it stands in for ("FreeDoom2.wad" is Doom2).
std::optional<IwadType> iwadTypeFromFileName(const QString& fileNameOrPath);
// The file name (or the last component of a path) is a stand-in's, compared without case.
bool isIwadStandIn(const QString& fileNameOrPath);
// The game of a games-list entry, by display name without regard to case ("doom ii").
std::optional<IwadType> iwadTypeFromDisplayName(const QString& displayName);

} // namespace z3d
