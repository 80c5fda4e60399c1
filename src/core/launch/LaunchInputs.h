#pragma once

#include "core/iwads/IwadRegistry.h"
#include "core/launch/LaunchState.h"
#include "core/platform/InstallPaths.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace z3d {

// One entry of an installed game's file list.
struct GameFileEntry
{
    QString path;          // full path
    bool loadable = false; // a .wad the engine must load (the several-files rule)
};

// One entry of the custom definitions list.
struct DefinitionEntry
{
    QString text; // a base name in CustomDefsDir, or a full path ending in ".ded"
    bool selected = false;
};

// What the disk says about one IWAD path.
struct IwadFileFacts
{
    bool exists = false;
    // The engine finds the file by its name (DOOMWADDIR or one of the installation's IWAD
    // folders), so the command line names it by "-" + base name instead of its path.
    bool foundByEngine = false;
};

// The automatic playlist chosen for one IWAD.
struct AutoPlaylistChoice
{
    QString name;            // playlist name without ".z3m"
    bool listed = false;     // MusicDir lists a playlist of that name (any case)
    bool fileExists = false; // MusicDir + name + ".z3m" exists
};

// Whether the option boxes the command line looks at are enabled (not greyed).
struct OptionBoxStates
{
    bool orrinWeapons = true;    // "Orrinpack weapons MOD"
    bool orrinAltWeapons = true; // "Orrinpack alternative weapons MOD"
    bool replacements = true;    // "Pellam and Orrin model replacements"
    bool allModels = true;       // "All models"
    bool forceOverride = true;   // "Force model override"
    bool hudWeapons = true;      // "Hud weapons"
    bool decorations = true;     // "Decorations"
    bool itemsWeapons = true;    // "Items and weapons"
    bool splashes = true;        // "Splashes"
    bool flameModels = true;     // "Flame models"
    bool extraFx = true;         // "Extra FX"
    bool soundPack = true;       // " High resolution sound pack "
};

// The selected installed game (installed-games and zip-library views).
struct InstalledGameInputs
{
    QString mainFile;            // full path of the main game file; empty when none
    QString folder;              // the game's files folder, as handed to "-udir "
    bool userDirectory = false;  // manual-loading layout (Gwads)
    bool fromZipLibrary = false; // played from the zip library's extraction folder
    bool severalFiles = false;   // more than one wad to load
    QList<GameFileEntry> files;  // the game's file list in list order, main file first
    // The user directory's selected file (full path); nothing when no entry is selected.
    std::optional<QString> selectedUserFile;
    // The first entry of the map list; empty when the list is empty.
    QString firstMapEntry;
    // The game name is one of the shipped scripted maps.
    bool scriptedMap = false;
    // ...and all of its components are installed.
    bool scriptedMapReady = false;
    // The known-pwad class of the main file, 0 to 7.
    int compatibilityClass = 0;
};

// Everything a launch reads besides LauncherSettings. The assembly itself touches no file:
// every answer the disk gives is a field here, filled by LaunchProbe (or by a test).
struct LaunchInputs
{
    LaunchState state;
    IwadRegistry registry;
    InstallPaths paths;
    // The environment's DOOMWADDIR value.
    QString doomWadDir;

    // "Doom games" view: full path of the chosen IWAD.
    QString selectedIwadFile;
    // "Installed games" and "Zip Libray" views.
    InstalledGameInputs game;

    OptionBoxStates boxes;
    QList<DefinitionEntry> definitions;

    // The console commands for these are sent only after the player changed them.
    bool ricochetChanged = false;
    bool fakeGlowChanged = false;

    // High-resolution textures.
    QString texturePathBoxText;
    QString texturePath;
    QString textureSetDir;
    bool texturePathIsFolder = false;    // texturePath is an existing folder
    bool textureSetPatchesExist = false; // textureSetDir + "/Patches" exists
    // The game brings its own high-resolution folders (hasOwnHiResFolders of the main
    // file's base name).
    bool ownHiResFolders = false;

    // Facts per IWAD path (registry paths, state.iwadPath, selectedIwadFile). A path not
    // listed is taken as missing and named by its path.
    QHash<QString, IwadFileFacts> iwadFiles;

    // Playlists: MusicDir + playlistName + ".z3m" exists; the automatic choice per IWAD path.
    bool manualPlaylistFileExists = false;
    QHash<QString, AutoPlaylistChoice> autoPlaylists;

    // Model-pack tests run before the assembly (answers "pass" until the packs are tested).
    bool orrinpackFullpackVersionOk = true;    // the version test on "fullpack.ded"
    bool orrinpackAlternativeVersionOk = true; // the version test on "Alternative.ded"
    bool modelCompatibilityOk = true;
    bool orrinpackWadFound = false; // ModelDir/Orrinpack/orrinpack.wad exists

    IwadFileFacts iwadFacts(const QString& path) const
    {
        if (path.isEmpty())
            return {};
        return iwadFiles.value(path);
    }
};

} // namespace z3d
