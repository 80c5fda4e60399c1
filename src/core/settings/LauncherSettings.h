#pragma once

#include <QString>
#include <QtGlobal>

namespace z3d {

// Every option of the main window, the remembered selections and the window position: one
// field per line of config.z3d, in file order (SettingsTable gives line numbers, kinds, defaults
// and controls). Numbers are 16-bit unless noted; the 16-bit range is enforced when reading.
//
// A default-constructed record holds the table's defaults, with the window position at 0;
// use defaults() for the centred position the reader starts from.
struct LauncherSettings
{
    // Main window size the centred position is computed for, in twips.
    static constexpr int kWindowWidth = 9700;
    static constexpr int kWindowHeight = 7710;
    static constexpr const char* kVersionText = "v7.5";
    // lowerPanelMode: the main window's lower panel shows the command line or the edit options.
    static constexpr int kCommandLinePanel = 1;
    static constexpr int kEditPanel = 2;

    LauncherSettings();

    // The table's defaults with windowLeft/windowTop centred on a screen of the given size
    // (twips): left = round((screenWidth - windowWidth) / 2), top likewise.
    static LauncherSettings defaults(int screenWidthTwips, int screenHeightTwips);
    // round((screen - window) / 2), halves away from zero.
    static qint32 centredOffset(int screenTwips, int windowTwips);
    // The light value as the window shows it: above 255 it becomes 200.
    static int lightValueForDisplay(int lightValue);
    // The grenade timeout limited to 0..7 seconds.
    static int clampGrenadeTimeout(int seconds);

    QString versionText;                       // 1
    int lastSkill = 0;                         // 2
    int titlePictureIndex = 0;                 // 3
    qint32 tipNumber = 0;                      // 4, 32-bit
    int soundChannels = 0;                     // 5
    bool hiResPatches = false;                 // 6
    bool orrinAltWeapons = false;              // 7
    bool modelOptCoreEffects = false;          // 8
    bool orrinWeapons = false;                 // 9
    bool modelOptAllModels = false;            // 10
    bool modelOptMonstersPlayer = false;       // 11
    bool modelOptForceOverride = false;        // 12
    bool modelOptHudWeapons = false;           // 13
    bool modelOptDecorations = false;          // 14
    bool modelOptItemsWeapons = false;         // 15
    bool modelOptSplashes = false;             // 16
    bool modelOptFlameModels = false;          // 17
    bool grenadeLauncher = false;              // 18
    bool developmentMode = false;              // 19
    bool fastMonstersCopy = false;             // 20, second field of "Fast monsters"
    bool disableSound = false;                 // 21
    bool disableMusic = false;                 // 22
    bool ricochets = false;                    // 23
    bool disableMouse = false;                 // 24
    bool monsterRespawn = false;               // 25
    bool noSameTypeInfighting = false;         // 26
    bool noLostSoulInfighting = false;         // 27
    int lightValue = 0;                        // 28
    QString extraCommandLine;                  // 29
    bool spareGraphics = false;                // 30
    bool rememberLastMap = false;              // 31
    bool rememberLastSavegame = false;         // 32
    bool pellamOrrinModels = false;            // 33
    bool brannockSoldiers = false;             // 34
    bool hiResTextures = false;                // 35
    bool noMonsters = false;                   // 36 and 52; the value read from line 52 wins
    bool textureCompression = false;           // 37
    bool verbose = false;                      // 38
    bool skyboxes = false;                     // 39
    int skyboxStyle = 0;                       // 40
    bool detailTexturesCopy = false;           // 41, second field of "Detail textures"
    bool waterDynamics = false;                // 42
    bool hiResSoundPack = false;               // 43
    bool autoPlaylist = false;                 // 44
    bool ignorePlaylistForCustomMusic = false; // 45
    bool spareOption = false;                  // 46
    bool resurrectWithFade = false;            // 47
    bool detailTextures = false;               // 48
    bool underwaterFakeGlow = false;           // 49
    bool fastMonsters = false;                 // 50
    bool basicDoomMode = false;                // 51
    bool advancedOptions = false;              // 53
    bool editMode = false;                     // 54
    bool monsterRespawnCopy = false;           // 55, second field of "Monster respawn"
    bool editLight = false;                    // 56
    bool editNoObjects = false;                // 57
    bool disableJoystick = false;              // 58
    int skill = 0;                             // 59
    int afterLaunchOption = 0;                 // 60
    QString lastInstalledGame;                 // 61
    QString lastDoomGame;                      // 62
    QString lastZipLibraryEntry;               // 63
    QString reservedText1;                     // 64
    int gamesListView = 0;                     // 65
    bool shortcutCreation = false;             // 66
    bool showTips = false;                     // 67
    bool wadFilesOnly = false;                 // 68
    bool disableTooltips = false;              // 69
    bool dynamicLighting = false;              // 70
    bool extraFx = false;                      // 71
    bool manualPlaylist = false;               // 72
    bool disableWeaponSwitchSounds = false;    // 73
    int reservedNumber = 0;                    // 74
    int lastAfterLaunchAction = 0;             // 75
    int lowerPanelMode = 0;                    // 76
    QString playlistName;                      // 77
    int corpseFadeSeconds = 0;                 // 78
    int ricochetValue = 0;                     // 79
    int grenadeTimeout = 0;                    // 80
    bool waterSplashes = false;                // 81
    bool threeDSound = false;                  // 82
    bool playlistFrameFlag = false;            // 83
    QString reservedText2;                     // 84
    qint32 windowTop = 0;                      // 85, 32-bit, twips; not stored in Wine mode
    qint32 windowLeft = 0;                     // 86, 32-bit, twips; not stored in Wine mode

    bool operator==(const LauncherSettings&) const = default;
};

} // namespace z3d
