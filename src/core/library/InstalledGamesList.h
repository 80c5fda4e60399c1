#pragma once

#include "core/library/GamesListEntry.h"

namespace z3d {

struct InstallPaths;

// The installed games: the folders of GamesDir holding a Pwads folder (every game file loads
// with the main wad) or a Gwads folder (the player picks one wad).
class InstalledGamesList
{
public:
    // FillInstalledGamesList: one entry per game folder, sorted by display text without
    // regard to case. A folder with neither subfolder, and any file of GamesDir, is not a
    // game. With scriptedMapsOnly only the scripted maps' folders are listed. The display
    // text is the folder's name as stored with a custom font, else in upper case.
    static GamesListEntries list(const InstallPaths& paths, bool scriptedMapsOnly,
                                 bool customFontInUse);
    // The kind of the installed game name: UserDirectory when GamesDir/<name>/Gwads exists
    // (also beside a Pwads folder), else ScriptedMap for a title of the scripted maps, else
    // PwadGame.
    static GameKind kindOf(const InstallPaths& paths, const QString& name);
    static QString displayText(const QString& name, bool customFontInUse);
};

} // namespace z3d
