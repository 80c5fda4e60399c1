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

// The five games in the order Doom1, Doom, Doom2, Tnt, Plutonia.
std::span<const IwadInfo> iwadTypes();
const IwadInfo& iwadInfo(IwadType type);
// The game of a file name ("DOOM2.WAD", "doom2.wad", or a full path), compared without case.
std::optional<IwadType> iwadTypeFromFileName(const QString& fileNameOrPath);
// The game of a games-list entry, by display name without regard to case ("doom ii").
std::optional<IwadType> iwadTypeFromDisplayName(const QString& displayName);

} // namespace z3d
