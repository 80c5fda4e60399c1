#pragma once

#include "core/library/GameSelection.h"

#include <QString>

namespace z3d {

// The names a shortcut is given, as pure functions of the selection.
class ShortcutNames
{
public:
    static constexpr qsizetype kLabelLength = 30;     // longer installed names are shortened
    static constexpr qsizetype kShortenedLength = 27; // to this many characters and " ..."

    // The game part of a link name for the selected games-list entry: "Doom", "Doom2", "Tnt"
    // or "Plutonia" for the commercial games of those display names (without regard to case);
    // for a user directory, entry + " - " + the main game file's base name; else the entry.
    static QString shortcutName(const QString& entry, GameKind kind, const QString& mainGameFile);

    // The map part of a link name: empty unless the map is to be included and the skill is not
    // "Start game from New" and there is a map; then " - " + the map list entry, where an
    // entry beginning with M keeps its M and lowers the rest (" - Map07"); E2M4 stays E2M4.
    static QString mapPart(bool includeMap, bool startFromNew, const QString& mapEntry);

    // The link's name (and file name without extension): shortcutName with its first
    // character in upper case and the rest in lower case, then the map part.
    static QString linkName(const QString& shortcutName, const QString& mapPart);

    // The game's name as the shortcut window shows it. A commercial game (entry is its display
    // name) shows "Plutonia Experiment", "TNT Evilution", "Doom", "Doom II" or
    // "Shareware Doom", in upper case unless a custom font is in use; an installed game its
    // name, shortened to 27 characters and " ..." when longer than 30; any other game the
    // main game file's base name in upper case.
    static QString windowLabel(const QString& entry, GameKind kind, const QString& installedName,
                               const QString& mainGameFile, bool customFontInUse);

    // A file's name without its folder and last extension ("/a/castle.v2.wad" -> "castle.v2").
    static QString baseName(const QString& path);
};

} // namespace z3d
