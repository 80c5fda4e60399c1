// The engine command lines of both launch procedures, row by row. A row names the baseline
// line it starts from and the pieces its setup changes; the whole line, edits applied, is
// compared byte for byte, since it is what the engine receives.

#include "core/launch/LaunchAssembler.h"

#include "support/DataTable.h"
#include "support/EditedLine.h"
#include "support/LaunchSetup.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

using Setup = LaunchSetup;

namespace {

const QString kPlutonia = QStringLiteral("/z3d/Data/plutonia.wad");
const QString kFarDoom2 = QStringLiteral("/games/doom2/DOOM2.WAD");

// castle()'s wad as the installed lines give it.
const QString kCastleFile = QStringLiteral(R"(-f "/z3d/Z3DGames/Castle/Pwads/castle.wad")");

// The lines of the base setup: Doom II MAP07 as a commercial game, and castle() installed.
const QString kCommercial =
    QStringLiteral(R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc )"
                   R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
const QString kCastle = QStringLiteral(
    R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data hv_doom_sfx.wad )"
    R"(-3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");

// Every IWAD where the engine finds it by name; Doom II MAP07 chosen.
LaunchInputs baseInputs()
{
    return launchInputs({{IwadType::Doom2, kDoom2},
                         {IwadType::Doom, kDoom},
                         {IwadType::Tnt, kTnt},
                         {IwadType::Plutonia, kPlutonia}});
}

// Doom II found only by its path.
void doom2ByPath(LaunchInputs& in)
{
    in.registry.setPath(IwadType::Doom2, kFarDoom2);
    in.iwadFiles.insert(kFarDoom2, IwadFileFacts{true, false});
    in.selectedIwadFile = kFarDoom2;
    in.state.iwadPath = kFarDoom2;
}

// An installed one-wad game on MAP01: what every installed row starts from.
void castle(LaunchInputs& in)
{
    in.state.warpArgument = QStringLiteral("01");
    in.game.mainFile = QStringLiteral("/z3d/Z3DGames/Castle/Pwads/castle.wad");
    in.game.folder = QStringLiteral("/z3d/Z3DGames/Castle/Pwads/");
    in.game.files = {{in.game.mainFile, true},
                     {QStringLiteral("/z3d/Z3DGames/Castle/Pwads/readme.txt"), false}};
    in.game.firstMapEntry = QStringLiteral("MAP01");
}

// Instead of castle: a game of several wads, a patch and a text file.
void wadSet(LaunchInputs& in, const QString& folder)
{
    in.game.severalFiles = true;
    in.game.folder = folder;
    in.game.mainFile = folder + "a.wad";
    in.game.files = {{folder + "a.wad", true},      {folder + "b.wad", false},
                     {folder + "c.WAD", true},      {folder + "fix.deh", false},
                     {folder + "notes.txt", false}, {folder + "more.DEH", false}};
}

void scripted(LaunchInputs& in)
{
    in.game.mainFile = QStringLiteral("/z3d/Z3DGames/Scripted/Pwads/sm.wad");
    in.game.folder = QStringLiteral("/z3d/Z3DGames/Scripted/Pwads/");
    in.game.files = {{in.game.mainFile, true}};
    in.game.scriptedMap = true;
    in.game.scriptedMapReady = true;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void commercialGame_data();
    void commercialGame();
    void installedGame_data();
    void installedGame();
};

void TestCommandLine::commercialGame_data()
{
    const DataTable<Setup, QString> row("setup", "expected");
    const Setup none = [](LauncherSettings&, LaunchInputs&) {};

    row("Doom II MAP07 skill 4 by name", none, kCommercial);
    row(
        "Doom II by path", [](LauncherSettings&, LaunchInputs& in) { doom2ByPath(in); },
        edited(kCommercial, {{"-doom2", R"(-iwad "/games/doom2/DOOM2.WAD")"}}));
    row(
        "skill 0 with a map chosen", [](LauncherSettings& s, LaunchInputs&) { s.skill = 0; },
        edited(kCommercial, {drop("-sk 4")}));
    row(
        "new game",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.skill = 0;
            in.state.kind = LaunchKind::NewGame;
        },
        edited(kCommercial, {drop("-sk 4 -wp 07")}));
    row(
        "new game keeps the skill out",
        [](LauncherSettings&, LaunchInputs& in) { in.state.kind = LaunchKind::NewGame; },
        edited(kCommercial, {drop("-sk 4 -wp 07")}));
    row(
        "save game",
        [](LauncherSettings&, LaunchInputs& in) {
            in.state.kind = LaunchKind::LoadSave;
            in.state.saveSlot = QStringLiteral("3");
        },
        edited(kCommercial, {{"-wp 07", "-loadgame 3"}}));
    row(
        "grenade timeout 3",
        [](LauncherSettings& s, LaunchInputs&) {
            s.grenadeLauncher = true;
            s.grenadeTimeout = 3;
        },
        edited(kCommercial, {after("-ams", "-gnd 105")}));
    row(
        "grenade timeout 0 is the pipebomb",
        [](LauncherSettings& s, LaunchInputs&) {
            s.grenadeLauncher = true;
            s.grenadeTimeout = 0;
        },
        edited(kCommercial, {after("-ams", "-pbm")}));
    row(
        "grenade launcher off", [](LauncherSettings& s, LaunchInputs&) { s.grenadeTimeout = 3; },
        kCommercial);
    row(
        "ricochet 4 after a change",
        [](LauncherSettings&, LaunchInputs& in) { in.ricochetChanged = true; },
        edited(kCommercial, {after(R"(-cmd "rend-light 1")", R"("audio-ricoh 7")")}));
    row(
        "ricochet 4 unchanged", [](LauncherSettings& s, LaunchInputs&) { s.ricochetValue = 4; },
        kCommercial);
    row(
        "ricochets switched off",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.ricochets = false;
            in.ricochetChanged = true;
        },
        edited(kCommercial, {after(R"(-cmd "rend-light 1")", R"("audio-ricoh 0")")}));
    row(
        "lighting off, ricochet 9, glow off, all changed",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.dynamicLighting = false;
            s.ricochetValue = 9;
            s.underwaterFakeGlow = false;
            in.ricochetChanged = true;
            in.fakeGlowChanged = true;
        },
        edited(kCommercial, {{R"(-cmd "rend-light 1")",
                              R"(-cmd "rend-light 0" "audio-ricoh 2" "fakeglow 0")"}}));
    row(
        "fake glow changed", [](LauncherSettings&, LaunchInputs& in) { in.fakeGlowChanged = true; },
        edited(kCommercial, {after(R"(-cmd "rend-light 1")", R"("fakeglow 1")")}));
    row(
        "channels 0", [](LauncherSettings& s, LaunchInputs&) { s.soundChannels = 0; },
        edited(kCommercial, {{"-ch 32", "-ch 16"}}));
    row(
        "channels 64, no 3D sound, weapon sounds off, no sound pack box",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.soundChannels = 64;
            s.threeDSound = false;
            s.disableWeaponSwitchSounds = true;
            in.boxes.soundPack = false;
        },
        edited(kCommercial, {{"-data hv_doom_sfx.wad -3d", "-nws"}, {"-ch 32", "-ch 64"}}));
    row(
        "Basic Doom mode with fast monsters",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.basicDoomMode = true;
            s.fastMonsters = true;
            s.hiResPatches = false;
            s.detailTextures = true;
            s.waterDynamics = true;
            in.ricochetChanged = true;
        },
        R"(Bin\Zorn3D -doom2 -data hv_doom_sfx.wad -3d -ch 32 -upm -tc -ro -fast -spx -nc -nht )"
        R"(-np -nto -sk 4 -wp 07 )");
    row(
        "Basic Doom mode", [](LauncherSettings& s, LaunchInputs&) { s.basicDoomMode = true; },
        R"(Bin\Zorn3D -doom2 -data hv_doom_sfx.wad -3d -ch 32 -upm -tc -ro -spx -nc -nht -np )"
        R"(-nto -sk 4 -wp 07 )");
    row(
        "definition files",
        [](LauncherSettings&, LaunchInputs& in) {
            in.definitions = {{"mydefs", true},
                              {"/other/Extra.DED", true},
                              {"skipped", false},
                              {"Pellam pistol packing zombies", true}};
        },
        edited(kCommercial,
               {after("-doom2", R"(-d "/z3d/Defs/Custom/mydefs.ded" "/other/Extra.DED" )"
                                R"("/z3d/Defs/Custom/Pellam pistol packing zombies.ded")"),
                after("-ams", "-spz")}));
    row(
        "Tesk's zombies without the replacements",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.pellamOrrinModels = false;
            in.definitions = {{"Tesk's pistol packing zombies", true},
                              {"Pellam pistol packing zombies", true}};
        },
        edited(kCommercial, {{"-am", R"(-d "/z3d/Defs/Custom/Tesk's pistol packing zombies.ded")"},
                             after("-ams", "-cpz")}));
    row(
        "Tesk's zombies left out with the replacements",
        [](LauncherSettings&, LaunchInputs& in) {
            in.definitions = {{"tesk's pistol packing zombies", true}, {"mine", true}};
        },
        edited(kCommercial, {after("-doom2", R"(-d "/z3d/Defs/Custom/mine.ded")")}));
    row(
        "Brannock soldiers drop both zombie packs",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.brannockSoldiers = true;
            in.definitions = {{"Tesk's pistol packing zombies", true},
                              {"Pellam pistol packing zombies", true}};
        },
        edited(kCommercial, {after("-doom2", "-d"), after("-upm", "-cs")}));
    row(
        "no definition selected",
        [](LauncherSettings&, LaunchInputs& in) {
            in.definitions = {{"mydefs", false}};
        },
        kCommercial);
    row(
        "manual playlist",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("Fennick - TNT");
            in.manualPlaylistFileExists = true;
        },
        edited(kCommercial, {after("-ch 32", R"(-extmus "Fennick - TNT")")}));
    row(
        "manual playlist loses what follows its last dot",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("My.mix.v2");
            in.manualPlaylistFileExists = true;
            s.ignorePlaylistForCustomMusic = false;
        },
        edited(kCommercial, {{"-upm", R"(-extmus "My.mix")"}}));
    row(
        "manual playlist without its file",
        [](LauncherSettings& s, LaunchInputs&) {
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("Gone");
        },
        kCommercial);
    row(
        "manual and automatic playlists",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("Mine");
            in.manualPlaylistFileExists = true;
            s.autoPlaylist = true;
            in.autoPlaylists.insert(kDoom2, {QStringLiteral("Tavish - Doom2"), true, true});
            in.autoPlaylists.insert(kDoom, {QStringLiteral("Tavish - Doom"), true, true});
        },
        edited(kCommercial, {after("-ch 32", R"(-extmus "Mine" -extmus "Tavish - Doom2")")}));
    row(
        "automatic playlist not listed or without its file",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.autoPlaylist = true;
            in.autoPlaylists.insert(kDoom2, {QStringLiteral("Tavish - Doom2"), false, true});
            in.autoPlaylists.insert(kDoom, {QStringLiteral("Tavish - Doom"), true, true});
        },
        kCommercial);
    row(
        "music off",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.disableMusic = true;
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("Mine");
            in.manualPlaylistFileExists = true;
        },
        edited(kCommercial, {{"-upm", "-nomusic"}}));
    row(
        "sound off keeps the model switches",
        [](LauncherSettings& s, LaunchInputs&) {
            s.disableSound = true;
            s.disableMusic = true;
            s.disableWeaponSwitchSounds = true;
        },
        edited(kCommercial, {{"-data hv_doom_sfx.wad -3d -ch 32 -upm", "-nosound"}}));
    row(
        "all models off", [](LauncherSettings& s, LaunchInputs&) { s.modelOptAllModels = true; },
        edited(kCommercial, {drop("-am"), {"-amwds -ams", "-xa"}}));
    row(
        "all models box greyed",
        [](LauncherSettings&, LaunchInputs& in) { in.boxes.allModels = false; },
        edited(kCommercial, {{"-amwds -ams", "-xa"}}));
    row(
        "every model group off, extra effects",
        [](LauncherSettings& s, LaunchInputs&) {
            s.modelOptMonstersPlayer = true;
            s.modelOptHudWeapons = true;
            s.modelOptDecorations = true;
            s.modelOptItemsWeapons = true;
            s.modelOptSplashes = true;
            s.modelOptFlameModels = true;
            s.extraFx = true;
            s.brannockSoldiers = true;
        },
        edited(kCommercial, {after("-upm", "-xm -xp"), {"-ams", "-xh -xd -xi -xw -xs -fx"}}));
    row(
        "greyed boxes switch their groups off",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.modelOptFlameModels = true;
            s.extraFx = true;
            in.boxes.forceOverride = false;
            in.boxes.hudWeapons = false;
            in.boxes.decorations = false;
            in.boxes.itemsWeapons = false;
            in.boxes.splashes = false;
            in.boxes.flameModels = false;
            in.boxes.extraFx = false;
            in.boxes.replacements = false;
        },
        edited(kCommercial, {drop("-am"), {"-amwds", "-xh -xd -xi -xw -xs"}}));
    row(
        "no monsters",
        [](LauncherSettings& s, LaunchInputs&) {
            s.noMonsters = true;
            s.modelOptMonstersPlayer = true;
        },
        edited(kCommercial, {after("-ams", "-nm"), drop("-ct 9")}));
    row(
        "Orrinpack weapons",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.orrinWeapons = true;
            in.orrinpackWadFound = true;
        },
        edited(kCommercial, {after("-doom2", "-cwp -fp")}));
    row(
        "Orrinpack alternative weapons",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.orrinAltWeapons = true;
            in.orrinpackWadFound = true;
        },
        edited(kCommercial, {after("-doom2", "-cwp -ap")}));
    row(
        "edit mode",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.orrinWeapons = true;
            in.orrinpackWadFound = true;
            s.editMode = true;
            s.editNoObjects = true;
            s.editLight = true;
            s.lightValue = 180;
        },
        edited(kCommercial, {after("-sk 4", "-txe -txn -txa 180")}));
    row(
        "edit mode with light only",
        [](LauncherSettings& s, LaunchInputs&) {
            s.editMode = true;
            s.editLight = true;
        },
        edited(kCommercial, {after("-sk 4", "-txe -txa 200")}));
    row(
        "no high-resolution patches or textures",
        [](LauncherSettings& s, LaunchInputs&) {
            s.hiResPatches = false;
            s.hiResTextures = false;
        },
        edited(kCommercial, {after("-am", "-np -nht")}));
    row(
        "texture path of its own",
        [](LauncherSettings&, LaunchInputs& in) {
            in.texturePathBoxText = QStringLiteral(" /tex/Textures ");
            in.texturePath = QStringLiteral("/tex/Textures");
            in.texturePathIsFolder = true;
        },
        edited(kCommercial, {after("-am", R"(-td "/tex/Textures")")}));
    row(
        "the default texture folder in another case",
        [](LauncherSettings&, LaunchInputs& in) {
            in.texturePathBoxText = QStringLiteral("/Z3D/data/TEXTURES");
            in.texturePath = QStringLiteral("/z3d/Data/Textures");
            in.texturePathIsFolder = true;
        },
        kCommercial);
    row(
        "texture path that is no folder",
        [](LauncherSettings&, LaunchInputs& in) {
            in.texturePathBoxText = QStringLiteral("/tex/Textures");
            in.texturePath = QStringLiteral("/tex/Textures");
        },
        kCommercial);
    row(
        "game rules in the commercial order",
        [](LauncherSettings& s, LaunchInputs&) {
            s.disableMouse = true;
            s.monsterRespawn = true;
            s.noSameTypeInfighting = true;
            s.noLostSoulInfighting = true;
            s.detailTextures = true;
            s.detailTexturesCopy = true;
            s.disableJoystick = true;
            s.skyboxStyle = 1;
            s.spareOption = true;
            s.waterDynamics = true;
            s.fastMonsters = true;
            s.waterSplashes = false;
            s.modelOptCoreEffects = true;
            s.verbose = true;
            s.extraCommandLine = QStringLiteral("+set x 1");
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -nomouse )"
        R"(-respawn -noif1 -noif2 -tc -dt -ol -nojoy -fsb -to -ro -wd -ct 9 -cmd "rend-light 1" )"
        R"(-fast -spx -nc -v -sk 4 -wp 07 +set x 1 )");
    row(
        "no corpse fade",
        [](LauncherSettings& s, LaunchInputs&) {
            s.corpseFadeSeconds = 0;
            s.resurrectWithFade = false;
        },
        edited(kCommercial, {drop("-ro -ct 9")}));
    row(
        "corpse fade seconds", [](LauncherSettings& s, LaunchInputs&) { s.corpseFadeSeconds = 5; },
        edited(kCommercial, {{"-ct 9", "-ct 5"}}));
    row(
        "skyboxes off, compression off",
        [](LauncherSettings& s, LaunchInputs&) {
            s.skyboxes = false;
            s.textureCompression = false;
        },
        edited(kCommercial, {drop("-tc -usb")}));
    row(
        "shareware Doom by path, episode map",
        [](LauncherSettings&, LaunchInputs& in) {
            const QString doom1 = QStringLiteral("/cd/DOOM1.WAD");
            in.registry.setPath(IwadType::Doom1, doom1);
            in.iwadFiles.insert(doom1, IwadFileFacts{true, false});
            in.selectedIwadFile = doom1;
            in.state.warpArgument = QStringLiteral("1 3");
        },
        edited(kCommercial, {{"-doom2", R"(-iwad "/cd/DOOM1.WAD")"}, {"-wp 07", "-wp 1 3"}}));
}

void TestCommandLine::commercialGame()
{
    const auto [setup, expected] = fetchRow<Setup, QString>("setup", "expected");
    LauncherSettings settings = launchSettings();
    LaunchInputs inputs = baseInputs();
    setup(settings, inputs);

    const LaunchOutcome outcome = launchCommercialGame(settings, inputs);
    QVERIFY(!outcome.refused());
    QCOMPARE(outcome.commandLine, expected);
    QVERIFY(outcome.state.launchPending);
}

void TestCommandLine::installedGame_data()
{
    const DataTable<Setup, QString> row("setup", "expected");
    const Setup none = [](LauncherSettings&, LaunchInputs&) {};

    row("one wad on MAP01", none, kCastle);
    row(
        "one wad, IWAD by path, its own .ded after the custom ones",
        [](LauncherSettings&, LaunchInputs& in) {
            doom2ByPath(in);
            in.game.files << GameFileEntry{"/z3d/Z3DGames/Castle/Pwads/Castle.DED", false};
            in.definitions = {{"mydefs", true}};
        },
        edited(
            kCastle,
            {{"-doom2", R"(-iwad "/games/doom2/DOOM2.WAD")"},
             after(
                 kCastleFile,
                 R"(-d "/z3d/Defs/Custom/mydefs.ded" "/z3d/Z3DGames/Castle/Pwads/Castle.DED")")}));
    row(
        "its own .ded alone",
        [](LauncherSettings&, LaunchInputs& in) {
            doom2ByPath(in);
            in.game.files << GameFileEntry{"/z3d/Z3DGames/Castle/Pwads/castle.ded", false};
        },
        edited(kCastle, {{"-doom2", R"(-iwad "/games/doom2/DOOM2.WAD")"},
                         after(kCastleFile, R"(-d "/z3d/Z3DGames/Castle/Pwads/castle.ded")")}));
    row(
        "its own .ded is left to the engine when the IWAD goes by name",
        [](LauncherSettings&, LaunchInputs& in) {
            in.game.files << GameFileEntry{"/z3d/Z3DGames/Castle/Pwads/castle.ded", false};
        },
        kCastle);
    row(
        "user directory",
        [](LauncherSettings&, LaunchInputs& in) {
            in.game.userDirectory = true;
            in.game.severalFiles = true;
            in.game.folder = QStringLiteral("/z3d/Z3DGames/Mine/Gwads/");
            in.game.mainFile = QStringLiteral("/z3d/Z3DGames/Mine/Gwads/b.wad");
            in.game.selectedUserFile = in.game.mainFile;
        },
        edited(kCastle, {after("-doom2", R"(-udir "/z3d/Z3DGames/Mine/Gwads/")"),
                         {kCastleFile, R"(-f "b.wad")"}}));
    row(
        "several wads, IWAD by name",
        [](LauncherSettings&, LaunchInputs& in) { wadSet(in, "/z3d/Z3DGames/Set/Pwads/"); },
        edited(kCastle, {{kCastleFile, R"(-udir "/z3d/Z3DGames/Set/Pwads/")"}}));
    row(
        "several wads, IWAD by path",
        [](LauncherSettings&, LaunchInputs& in) {
            wadSet(in, "/z3d/Z3DGames/Set/Pwads/");
            doom2ByPath(in);
        },
        edited(kCastle,
               {{"-doom2", R"(-iwad "/games/doom2/DOOM2.WAD" -udir "/z3d/Z3DGames/Set/Pwads/")"},
                {kCastleFile, R"(-f "a.wad" "c.WAD" -deh "/z3d/Z3DGames/Set/Pwads/fix.deh" )"
                              R"("/z3d/Z3DGames/Set/Pwads/more.DEH")"}}));
    row(
        "several wads from the zip library",
        [](LauncherSettings&, LaunchInputs& in) {
            wadSet(in, "/z3d/Z3DLaunch/Zips/");
            in.game.fromZipLibrary = true;
        },
        edited(kCastle,
               {{kCastleFile,
                 R"(-f "/z3d/Z3DLaunch/Zips/a.wad" "/z3d/Z3DLaunch/Zips/c.WAD" )"
                 R"(-deh "/z3d/Z3DLaunch/Zips/fix.deh" "/z3d/Z3DLaunch/Zips/more.DEH")"}}));
    row(
        "one wad from the zip library",
        [](LauncherSettings&, LaunchInputs& in) {
            in.game.fromZipLibrary = true;
            in.game.mainFile = QStringLiteral("/z3d/Z3DLaunch/Zips/castle.wad");
        },
        edited(kCastle, {{kCastleFile, R"(-f "/z3d/Z3DLaunch/Zips/castle.wad")"}}));
    row(
        "development mode", [](LauncherSettings& s, LaunchInputs&) { s.developmentMode = true; },
        edited(kCastle, {after(kCastleFile, "-devmap -debug_scp")}));
    row(
        "models partly off",
        [](LauncherSettings& s, LaunchInputs&) { s.modelOptHudWeapons = true; },
        edited(kCastle, {after("-am", "-mpd"), after("-amwds", "-xh")}));
    row(
        "splashes alone off", [](LauncherSettings& s, LaunchInputs&) { s.modelOptSplashes = true; },
        edited(kCastle, {after("-am", "-mpd"), after("-amwds", "-xs")}));
    row(
        "greyed boxes do not count",
        [](LauncherSettings&, LaunchInputs& in) {
            in.boxes.allModels = false;
            in.boxes.hudWeapons = false;
            in.boxes.flameModels = false;
        },
        kCastle);
    row(
        "all models off", [](LauncherSettings& s, LaunchInputs&) { s.modelOptAllModels = true; },
        edited(kCastle, {drop("-am"), {"-amwds -ams", "-xa"}}));
    row(
        "Boom map", [](LauncherSettings&, LaunchInputs& in) { in.game.compatibilityClass = 3; },
        edited(kCastle, {after("-upm", "-boom")}));
    row(
        "Boom map in edit mode",
        [](LauncherSettings& s, LaunchInputs& in) {
            in.game.compatibilityClass = 3;
            s.editMode = true;
        },
        edited(kCastle, {after("-sk 4", "-txe")}));
    row(
        "Boom map with sound off",
        [](LauncherSettings& s, LaunchInputs& in) {
            in.game.compatibilityClass = 3;
            s.disableSound = true;
        },
        edited(kCastle, {{"-data hv_doom_sfx.wad -3d -ch 32 -upm", "-nosound -boom"}}));
    row(
        "class 4",
        [](LauncherSettings& s, LaunchInputs& in) {
            in.game.compatibilityClass = 4;
            s.waterSplashes = false;
            s.modelOptCoreEffects = true;
        },
        edited(kCastle, {after(R"(-cmd "rend-light 1")", "-spx -mfo -nc")}));
    row(
        "class 4 with its own high-resolution folders",
        [](LauncherSettings&, LaunchInputs& in) {
            in.game.compatibilityClass = 4;
            in.ownHiResFolders = true;
        },
        kCastle);
    row(
        "class 5", [](LauncherSettings&, LaunchInputs& in) { in.game.compatibilityClass = 5; },
        edited(kCastle, {after(R"(-cmd "rend-light 1")", "-stx")}));
    row(
        "class 6",
        [](LauncherSettings& s, LaunchInputs& in) {
            in.game.compatibilityClass = 6;
            s.verbose = true;
        },
        edited(kCastle, {after(R"(-cmd "rend-light 1")", "-c_nextmap -v")}));
    row(
        "class 7 runs in Basic Doom mode",
        [](LauncherSettings&, LaunchInputs& in) { in.game.compatibilityClass = 7; },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -tc -ro -spx -nc -nht -np -nto -sk 4 -wp 01 )");
    row(
        "class 1 runs on TNT",
        [](LauncherSettings&, LaunchInputs& in) { in.game.compatibilityClass = 1; },
        edited(kCastle, {{"-doom2", "-tnt"}}));
    row(
        "class 2 runs on Plutonia",
        [](LauncherSettings&, LaunchInputs& in) { in.game.compatibilityClass = 2; },
        edited(kCastle, {{"-doom2", "-plutonia"}}));
    row(
        "respawn and in-fighting after the sky",
        [](LauncherSettings& s, LaunchInputs&) {
            s.disableMouse = true;
            s.monsterRespawn = true;
            s.noSameTypeInfighting = true;
            s.noLostSoulInfighting = true;
            s.skyboxStyle = 1;
        },
        edited(kCastle, {after("-ams", "-nomouse"), {"-usb", "-fsb -ReSpawn -noif1 -noif2"}}));
    row(
        "corpse fade before the console block",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.waterDynamics = true;
            in.fakeGlowChanged = true;
        },
        edited(kCastle,
               {after("-ct 9", "-wd"), after(R"(-cmd "rend-light 1")", R"("fakeglow 1")")}));
    row(
        "scripted map",
        [](LauncherSettings& s, LaunchInputs& in) {
            scripted(in);
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("Mine");
            in.manualPlaylistFileExists = true;
            s.modelOptHudWeapons = true;
            s.extraFx = true;
            s.waterSplashes = false;
            s.modelOptCoreEffects = true;
            s.monsterRespawn = true;
        },
        edited(kCastle, {{kCastleFile, R"(-f "/z3d/Z3DGames/Scripted/Pwads/sm.wad")"},
                         after("-am", "-mpd"),
                         drop("-amwds")}));
    row(
        "scripted map in Basic Doom mode with all models off",
        [](LauncherSettings& s, LaunchInputs& in) {
            scripted(in);
            s.basicDoomMode = true;
            s.modelOptAllModels = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Scripted/Pwads/sm.wad" -am -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -tc -usb -ams -ro -ct 9 -sk 4 -wp 01 )");
    row(
        "scripted map with all models off",
        [](LauncherSettings& s, LaunchInputs& in) {
            scripted(in);
            s.modelOptAllModels = true;
            s.brannockSoldiers = true;
            s.skyboxes = false;
        },
        edited(kCastle,
               {{kCastleFile, R"(-f "/z3d/Z3DGames/Scripted/Pwads/sm.wad")"}, {"-amwds", "-cs"}}));
    row(
        "skill 0 drops the map", [](LauncherSettings& s, LaunchInputs&) { s.skill = 0; },
        edited(kCastle, {drop("-sk 4 -wp 01")}));
    row(
        "skill 0 drops the save game",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.skill = 0;
            in.state.kind = LaunchKind::LoadSave;
            in.state.saveSlot = QStringLiteral("2");
        },
        edited(kCastle, {drop("-sk 4 -wp 01")}));
    row(
        "save game",
        [](LauncherSettings&, LaunchInputs& in) {
            in.state.kind = LaunchKind::LoadSave;
            in.state.saveSlot = QStringLiteral("2");
        },
        edited(kCastle, {{"-wp 01", "-loadgame 2"}}));
    row(
        "new game of an episode game runs on Doom",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.skill = 0;
            in.state.kind = LaunchKind::NewGame;
            in.game.firstMapEntry = QStringLiteral("E1M1");
        },
        edited(kCastle, {{"-doom2", "-doom"}, drop("-sk 4 -wp 01")}));
    row(
        "own high-resolution folders",
        [](LauncherSettings& s, LaunchInputs& in) {
            in.ownHiResFolders = true;
            s.hiResTextures = false;
            in.texturePathBoxText = QStringLiteral("/tex/Set/Textures");
            in.texturePath = QStringLiteral("/tex/Set/Textures");
            in.texturePathIsFolder = true;
            in.textureSetPatchesExist = true;
        },
        edited(kCastle, {after("-am", R"(-td "/tex/Set/Textures")")}));
    row(
        "own high-resolution folders without the patch set",
        [](LauncherSettings& s, LaunchInputs& in) {
            in.ownHiResFolders = true;
            s.hiResTextures = false;
            in.texturePathBoxText = QStringLiteral("/tex/Set/Textures");
            in.texturePath = QStringLiteral("/tex/Set/Textures");
            in.texturePathIsFolder = true;
        },
        kCastle);
    row(
        "own high-resolution folders in Basic Doom mode",
        [](LauncherSettings& s, LaunchInputs& in) {
            in.ownHiResFolders = true;
            s.basicDoomMode = true;
            in.texturePathBoxText = QStringLiteral("/tex/Set/Textures");
            in.texturePath = QStringLiteral("/tex/Set/Textures");
            in.texturePathIsFolder = true;
            in.textureSetPatchesExist = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -td "/tex/Set/Textures" )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -tc -ro -spx -nc -nht -np -nto -sk 4 -wp 01 )");
    row(
        "playlists",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.autoPlaylist = true;
            in.autoPlaylists.insert(kDoom2, {QStringLiteral("Orvel - Doom2"), true, true});
        },
        edited(kCastle, {after("-ch 32", R"(-extmus "Orvel - Doom2")")}));
    row(
        "automatic playlist of the class's IWAD",
        [](LauncherSettings& s, LaunchInputs& in) {
            in.game.compatibilityClass = 1;
            s.autoPlaylist = true;
            in.autoPlaylists.insert(kDoom2, {QStringLiteral("Orvel - Doom2"), true, true});
            in.autoPlaylists.insert(kTnt, {QStringLiteral("Orvel - TNT"), true, true});
        },
        edited(kCastle, {{"-doom2", "-tnt"}, after("-ch 32", R"(-extmus "Orvel - TNT")")}));
    // Blanks, commas, apostrophes and switch-like words stay inside their quotes; the player's
    // own text goes as written, an unbalanced quote of it included.
    row(
        "odd but quotable names, the player's unbalanced quote",
        [](LauncherSettings& s, LaunchInputs& in) {
            wadSet(in, "/z3d/Z3DLaunch/Zips/");
            in.game.fromZipLibrary = true;
            in.game.files = {{"/z3d/Z3DLaunch/Zips/it's, a -exec test.wad", true},
                             {"/z3d/Z3DLaunch/Zips/C:\\dir\\x.deh", false}};
            s.extraCommandLine = R"(-foo "bar \"baz)";
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DLaunch/Zips/it's, a -exec test.wad" )"
        R"(-deh "/z3d/Z3DLaunch/Zips/C:\dir\x.deh" -am -data hv_doom_sfx.wad -3d -ch 32 -upm )"
        R"(-amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 -foo "bar \"baz )");
}

void TestCommandLine::installedGame()
{
    const auto [setup, expected] = fetchRow<Setup, QString>("setup", "expected");
    LauncherSettings settings = launchSettings();
    LaunchInputs inputs = baseInputs();
    castle(inputs);
    setup(settings, inputs);

    const LaunchOutcome outcome = launchInstalledGame(settings, inputs);
    QVERIFY2(!outcome.refused(),
             qPrintable(outcome.refusal ? outcome.refusal->message.title : QString()));
    QCOMPARE(outcome.commandLine, expected);
    QVERIFY(outcome.state.launchPending);
}

Z3D_TEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
