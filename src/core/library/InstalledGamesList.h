#pragma once

#include "core/library/GamesListEntry.h"

#include <QList>
#include <QString>

namespace z3d {

struct InstallPaths;

// A folder of GamesDir holding a Pwads or a Gwads folder (in any case), as a scan found it.
struct GameFolder
{
    QString name;
    bool pwads = false;
    bool gwads = false;
};
using GameFolders = QList<GameFolder>;

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
    // The same from a scan of GamesDir.
    static GamesListEntries list(const GameFolders& folders, bool scriptedMapsOnly,
                                 bool customFontInUse);
    // The game folders of gamesDir, in no particular order: the slow part of list(), which
    // lists every folder of GamesDir. It touches no widget and no shared state, so it may run
    // on any thread.
    static GameFolders scan(const QString& gamesDir);
    // The kind of the installed game name: UserDirectory when GamesDir/<name>/Gwads exists
    // (also beside a Pwads folder), else ScriptedMap for a title of the scripted maps, else
    // PwadGame.
    static GameKind kindOf(const InstallPaths& paths, const QString& name);
    static QString displayText(const QString& name, bool customFontInUse);
};

} // namespace z3d
