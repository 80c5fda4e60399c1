#pragma once

#include <QString>

namespace z3d {

// The kind of the selected games-list entry.
enum class GameKind
{
    None,
    IwadGame,      // a commercial game: the registered IWAD file itself
    PwadGame,      // GamesDir/<name>/Pwads: every game file loads with the main wad
    UserDirectory, // GamesDir/<name>/Gwads: the player picks one wad
    ZipArchive,    // a zip of the zip library, extracted when selected
    ScriptedMap,   // a PwadGame shipped with the engine as a scripted map
};

// What the games list shows; the index of the view option and of gamesListView.
enum class GamesListMode : int
{
    InstalledGames = 0,
    DoomGames = 1,
    ZipLibrary = 2
};

// The selection chain's state, for the whole run.
struct GameSelection
{
    GameKind currentKind = GameKind::None;
    QString currentPwadGame;
    QString currentUserDirectory;
    // Full path of the main game file the engine loads; empty when no wad is selected.
    QString currentGameFile;
    // The folder holding the selected game's files, with a trailing separator.
    QString currentGameFolder;
    // For a commercial game, its IWAD file.
    QString selectedIwadPath;
    // For a zip-library entry, its archive.
    QString currentZipPath;
    // The folder held more than one ".wad" file when the main wad was chosen: every loadable
    // wad of the game is handed to the engine.
    bool severalFiles = false;
    // The list position of the map last clicked.
    int lastMapIndex = 0;
    // The chosen save game: the entry's text, its file, and its list position (-1 none).
    QString lastSaveEntry;
    QString selectedSaveFile;
    int selectedSavePosition = -1;
};

} // namespace z3d
