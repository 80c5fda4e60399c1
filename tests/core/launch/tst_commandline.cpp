// The engine command lines of both launch procedures, row by row. Every expected line is
// written out in full: it is what the engine receives.

#include "core/launch/LaunchAssembler.h"

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <functional>

using namespace z3d;
using z3d::test::DataTable;

using Setup = std::function<void(LauncherSettings&, LaunchInputs&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const QString kDoom2 = QStringLiteral("/z3d/Iwads/DOOM2.WAD");
const QString kDoom = QStringLiteral("/z3d/Iwads/Doom.wad");
const QString kTnt = QStringLiteral("/z3d/Iwads/TNT.WAD");
const QString kPlutonia = QStringLiteral("/z3d/Data/plutonia.wad");
const QString kFarDoom2 = QStringLiteral("/games/doom2/DOOM2.WAD");

// Defaults of the settings file, skill 4; Doom II MAP07 chosen; every IWAD where the engine
// finds it by name.
LauncherSettings baseSettings()
{
    LauncherSettings s;
    s.skill = 4;
    return s;
}

LaunchInputs baseInputs()
{
    LaunchInputs in;
    in.paths = InstallPaths::fromInstallRoot(QStringLiteral("/z3d"));
    in.registry.setPath(IwadType::Doom2, kDoom2);
    in.registry.setPath(IwadType::Doom, kDoom);
    in.registry.setPath(IwadType::Tnt, kTnt);
    in.registry.setPath(IwadType::Plutonia, kPlutonia);
    for (const QString& path : {kDoom2, kDoom, kTnt, kPlutonia})
        in.iwadFiles.insert(path, IwadFileFacts{true, true});
    in.selectedIwadFile = kDoom2;
    in.state.kind = LaunchKind::WarpToMap;
    in.state.warpArgument = QStringLiteral("07");
    in.state.iwadPath = kDoom2;
    return in;
}

// Doom II found only by its path.
void doom2ByPath(LaunchInputs& in)
{
    in.registry.setPath(IwadType::Doom2, kFarDoom2);
    in.iwadFiles.insert(kFarDoom2, IwadFileFacts{true, false});
    in.selectedIwadFile = kFarDoom2;
    in.state.iwadPath = kFarDoom2;
}

// An installed one-wad game on MAP01.
void castle(LaunchInputs& in)
{
    in.state.warpArgument = QStringLiteral("01");
    in.game.mainFile = QStringLiteral("/z3d/Z3DGames/Castle/Pwads/castle.wad");
    in.game.folder = QStringLiteral("/z3d/Z3DGames/Castle/Pwads/");
    in.game.files = {{in.game.mainFile, true},
                     {QStringLiteral("/z3d/Z3DGames/Castle/Pwads/readme.txt"), false}};
    in.game.firstMapEntry = QStringLiteral("MAP01");
}

// A game of several wads, a patch and a text file.
void wadSet(LaunchInputs& in, const QString& folder)
{
    castle(in);
    in.game.severalFiles = true;
    in.game.folder = folder;
    in.game.mainFile = folder + "a.wad";
    in.game.files = {{folder + "a.wad", true},      {folder + "b.wad", false},
                     {folder + "c.WAD", true},      {folder + "fix.deh", false},
                     {folder + "notes.txt", false}, {folder + "more.DEH", false}};
}

void scripted(LaunchInputs& in)
{
    castle(in);
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

    row("Doom II MAP07 skill 4 by name", none,
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "Doom II by path", [](LauncherSettings&, LaunchInputs& in) { doom2ByPath(in); },
        R"(Bin\Zorn3D -iwad "/games/doom2/DOOM2.WAD" -am -data hv_doom_sfx.wad -3d -ch 32 )"
        R"(-upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "skill 0 with a map chosen", [](LauncherSettings& s, LaunchInputs&) { s.skill = 0; },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -wp 07 )");
    row(
        "new game",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.skill = 0;
            in.state.kind = LaunchKind::NewGame;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" )");
    row(
        "new game keeps the skill out",
        [](LauncherSettings&, LaunchInputs& in) { in.state.kind = LaunchKind::NewGame; },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" )");
    row(
        "save game",
        [](LauncherSettings&, LaunchInputs& in) {
            in.state.kind = LaunchKind::LoadSave;
            in.state.saveSlot = QStringLiteral("3");
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -loadgame 3 )");
    row(
        "grenade timeout 3",
        [](LauncherSettings& s, LaunchInputs&) {
            s.grenadeLauncher = true;
            s.grenadeTimeout = 3;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -gnd 105 -tc )"
        R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "grenade timeout 0 is the pipebomb",
        [](LauncherSettings& s, LaunchInputs&) {
            s.grenadeLauncher = true;
            s.grenadeTimeout = 0;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -pbm -tc )"
        R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "grenade launcher off", [](LauncherSettings& s, LaunchInputs&) { s.grenadeTimeout = 3; },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "ricochet 4 after a change",
        [](LauncherSettings&, LaunchInputs& in) { in.ricochetChanged = true; },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" "audio-ricoh 7" -sk 4 -wp 07 )");
    row(
        "ricochet 4 unchanged", [](LauncherSettings& s, LaunchInputs&) { s.ricochetValue = 4; },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "ricochets switched off",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.ricochets = false;
            in.ricochetChanged = true;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" "audio-ricoh 0" -sk 4 -wp 07 )");
    row(
        "lighting off, ricochet 9, glow off, all changed",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.dynamicLighting = false;
            s.ricochetValue = 9;
            s.underwaterFakeGlow = false;
            in.ricochetChanged = true;
            in.fakeGlowChanged = true;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 0" "audio-ricoh 2" "fakeglow 0" -sk 4 -wp 07 )");
    row(
        "fake glow changed", [](LauncherSettings&, LaunchInputs& in) { in.fakeGlowChanged = true; },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" "fakeglow 1" -sk 4 -wp 07 )");
    row(
        "channels 0", [](LauncherSettings& s, LaunchInputs&) { s.soundChannels = 0; },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 16 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "channels 64, no 3D sound, weapon sounds off, no sound pack box",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.soundChannels = 64;
            s.threeDSound = false;
            s.disableWeaponSwitchSounds = true;
            in.boxes.soundPack = false;
        },
        R"(Bin\Zorn3D -doom2 -am -nws -ch 64 -upm -amwds -ams -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 07 )");
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
        R"(Bin\Zorn3D -doom2 -d "/z3d/Defs/Custom/mydefs.ded" "/other/Extra.DED" )"
        R"("/z3d/Defs/Custom/Pellam pistol packing zombies.ded" -am -data hv_doom_sfx.wad -3d )"
        R"(-ch 32 -upm -amwds -ams -spz -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "Tesk's zombies without the replacements",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.pellamOrrinModels = false;
            in.definitions = {{"Tesk's pistol packing zombies", true},
                              {"Pellam pistol packing zombies", true}};
        },
        R"(Bin\Zorn3D -doom2 -d "/z3d/Defs/Custom/Tesk's pistol packing zombies.ded" )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -cpz -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "Tesk's zombies left out with the replacements",
        [](LauncherSettings&, LaunchInputs& in) {
            in.definitions = {{"tesk's pistol packing zombies", true}, {"mine", true}};
        },
        R"(Bin\Zorn3D -doom2 -d "/z3d/Defs/Custom/mine.ded" -am -data hv_doom_sfx.wad -3d )"
        R"(-ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "Brannock soldiers drop both zombie packs",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.brannockSoldiers = true;
            in.definitions = {{"Tesk's pistol packing zombies", true},
                              {"Pellam pistol packing zombies", true}};
        },
        R"(Bin\Zorn3D -doom2 -d -am -data hv_doom_sfx.wad -3d -ch 32 -upm -cs -amwds -ams -tc )"
        R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "no definition selected",
        [](LauncherSettings&, LaunchInputs& in) {
            in.definitions = {{"mydefs", false}};
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "manual playlist",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("Fennick - TNT");
            in.manualPlaylistFileExists = true;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -extmus "Fennick - TNT" -upm )"
        R"(-amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "manual playlist loses what follows its last dot",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("My.mix.v2");
            in.manualPlaylistFileExists = true;
            s.ignorePlaylistForCustomMusic = false;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -extmus "My.mix" -amwds -ams )"
        R"(-tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "manual playlist without its file",
        [](LauncherSettings& s, LaunchInputs&) {
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("Gone");
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
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
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -extmus "Mine" )"
        R"(-extmus "Tavish - Doom2" -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -wp 07 )");
    row(
        "automatic playlist not listed or without its file",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.autoPlaylist = true;
            in.autoPlaylists.insert(kDoom2, {QStringLiteral("Tavish - Doom2"), false, true});
            in.autoPlaylists.insert(kDoom, {QStringLiteral("Tavish - Doom"), true, true});
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "music off",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.disableMusic = true;
            s.manualPlaylist = true;
            s.playlistName = QStringLiteral("Mine");
            in.manualPlaylistFileExists = true;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -nomusic -amwds -ams -tc -usb )"
        R"(-ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "sound off keeps the model switches",
        [](LauncherSettings& s, LaunchInputs&) {
            s.disableSound = true;
            s.disableMusic = true;
            s.disableWeaponSwitchSounds = true;
        },
        R"(Bin\Zorn3D -doom2 -am -nosound -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -wp 07 )");
    row(
        "all models off", [](LauncherSettings& s, LaunchInputs&) { s.modelOptAllModels = true; },
        R"(Bin\Zorn3D -doom2 -data hv_doom_sfx.wad -3d -ch 32 -upm -xa -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "all models box greyed",
        [](LauncherSettings&, LaunchInputs& in) { in.boxes.allModels = false; },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -xa -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 07 )");
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
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -xm -xp -amwds -xh -xd )"
        R"(-xi -xw -xs -fx -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
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
        R"(Bin\Zorn3D -doom2 -data hv_doom_sfx.wad -3d -ch 32 -upm -xh -xd -xi -xw -xs -ams -tc )"
        R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "no monsters",
        [](LauncherSettings& s, LaunchInputs&) {
            s.noMonsters = true;
            s.modelOptMonstersPlayer = true;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -nm -tc -usb )"
        R"(-ro -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "Orrinpack weapons",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.orrinWeapons = true;
            in.orrinpackWadFound = true;
        },
        R"(Bin\Zorn3D -doom2 -cwp -fp -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc )"
        R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "Orrinpack alternative weapons",
        [](LauncherSettings& s, LaunchInputs& in) {
            s.orrinAltWeapons = true;
            in.orrinpackWadFound = true;
        },
        R"(Bin\Zorn3D -doom2 -cwp -ap -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc )"
        R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
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
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -txe -txn -txa 180 -wp 07 )");
    row(
        "edit mode with light only",
        [](LauncherSettings& s, LaunchInputs&) {
            s.editMode = true;
            s.editLight = true;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -txe -txa 200 -wp 07 )");
    row(
        "no high-resolution patches or textures",
        [](LauncherSettings& s, LaunchInputs&) {
            s.hiResPatches = false;
            s.hiResTextures = false;
        },
        R"(Bin\Zorn3D -doom2 -am -np -nht -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc )"
        R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "texture path of its own",
        [](LauncherSettings&, LaunchInputs& in) {
            in.texturePathBoxText = QStringLiteral(" /tex/Textures ");
            in.texturePath = QStringLiteral("/tex/Textures");
            in.texturePathIsFolder = true;
        },
        R"(Bin\Zorn3D -doom2 -am -td "/tex/Textures" -data hv_doom_sfx.wad -3d -ch 32 -upm )"
        R"(-amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "the default texture folder in another case",
        [](LauncherSettings&, LaunchInputs& in) {
            in.texturePathBoxText = QStringLiteral("/Z3D/data/TEXTURES");
            in.texturePath = QStringLiteral("/z3d/Data/Textures");
            in.texturePathIsFolder = true;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "texture path that is no folder",
        [](LauncherSettings&, LaunchInputs& in) {
            in.texturePathBoxText = QStringLiteral("/tex/Textures");
            in.texturePath = QStringLiteral("/tex/Textures");
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )");
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
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb )"
        R"(-cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "corpse fade seconds", [](LauncherSettings& s, LaunchInputs&) { s.corpseFadeSeconds = 5; },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 5 -cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "skyboxes off, compression off",
        [](LauncherSettings& s, LaunchInputs&) {
            s.skyboxes = false;
            s.textureCompression = false;
        },
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 07 )");
    row(
        "shareware Doom by path, episode map",
        [](LauncherSettings&, LaunchInputs& in) {
            const QString doom1 = QStringLiteral("/cd/DOOM1.WAD");
            in.registry.setPath(IwadType::Doom1, doom1);
            in.iwadFiles.insert(doom1, IwadFileFacts{true, false});
            in.selectedIwadFile = doom1;
            in.state.warpArgument = QStringLiteral("1 3");
        },
        R"(Bin\Zorn3D -iwad "/cd/DOOM1.WAD" -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds )"
        R"(-ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 1 3 )");
}

void TestCommandLine::commercialGame()
{
    QFETCH(Setup, setup);
    QFETCH(QString, expected);
    LauncherSettings settings = baseSettings();
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

    row(
        "one wad on MAP01", [](LauncherSettings&, LaunchInputs& in) { castle(in); },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -wp 01 )");
    row(
        "one wad, IWAD by path, its own .ded after the custom ones",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            doom2ByPath(in);
            in.game.files << GameFileEntry{"/z3d/Z3DGames/Castle/Pwads/Castle.DED", false};
            in.definitions = {{"mydefs", true}};
        },
        R"(Bin\Zorn3D -iwad "/games/doom2/DOOM2.WAD" -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" )"
        R"(-d "/z3d/Defs/Custom/mydefs.ded" "/z3d/Z3DGames/Castle/Pwads/Castle.DED" -am )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "its own .ded alone",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            doom2ByPath(in);
            in.game.files << GameFileEntry{"/z3d/Z3DGames/Castle/Pwads/castle.ded", false};
        },
        R"(Bin\Zorn3D -iwad "/games/doom2/DOOM2.WAD" -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" )"
        R"(-d "/z3d/Z3DGames/Castle/Pwads/castle.ded" -am -data hv_doom_sfx.wad -3d -ch 32 -upm )"
        R"(-amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "its own .ded is left to the engine when the IWAD goes by name",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.game.files << GameFileEntry{"/z3d/Z3DGames/Castle/Pwads/castle.ded", false};
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -wp 01 )");
    row(
        "user directory",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.game.userDirectory = true;
            in.game.severalFiles = true;
            in.game.folder = QStringLiteral("/z3d/Z3DGames/Mine/Gwads/");
            in.game.mainFile = QStringLiteral("/z3d/Z3DGames/Mine/Gwads/b.wad");
            in.game.selectedUserFile = in.game.mainFile;
        },
        R"(Bin\Zorn3D -doom2 -udir "/z3d/Z3DGames/Mine/Gwads/" -f "b.wad" -am )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "several wads, IWAD by name",
        [](LauncherSettings&, LaunchInputs& in) { wadSet(in, "/z3d/Z3DGames/Set/Pwads/"); },
        R"(Bin\Zorn3D -doom2 -udir "/z3d/Z3DGames/Set/Pwads/" -am -data hv_doom_sfx.wad -3d )"
        R"(-ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "several wads, IWAD by path",
        [](LauncherSettings&, LaunchInputs& in) {
            wadSet(in, "/z3d/Z3DGames/Set/Pwads/");
            doom2ByPath(in);
        },
        R"(Bin\Zorn3D -iwad "/games/doom2/DOOM2.WAD" -udir "/z3d/Z3DGames/Set/Pwads/" )"
        R"(-f "a.wad" "c.WAD" -deh "/z3d/Z3DGames/Set/Pwads/fix.deh" )"
        R"("/z3d/Z3DGames/Set/Pwads/more.DEH" -am -data hv_doom_sfx.wad -3d -ch 32 -upm )"
        R"(-amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "several wads from the zip library",
        [](LauncherSettings&, LaunchInputs& in) {
            wadSet(in, "/z3d/Z3DLaunch/Zips/");
            in.game.fromZipLibrary = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DLaunch/Zips/a.wad" "/z3d/Z3DLaunch/Zips/c.WAD" )"
        R"(-deh "/z3d/Z3DLaunch/Zips/fix.deh" "/z3d/Z3DLaunch/Zips/more.DEH" -am )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "one wad from the zip library",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.game.fromZipLibrary = true;
            in.game.mainFile = QStringLiteral("/z3d/Z3DLaunch/Zips/castle.wad");
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DLaunch/Zips/castle.wad" -am -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "development mode",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            s.developmentMode = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -devmap -debug_scp -am )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "models partly off",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            s.modelOptHudWeapons = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -mpd )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -xh -ams -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "splashes alone off",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            s.modelOptSplashes = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -mpd )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -xs -ams -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "greyed boxes do not count",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.boxes.allModels = false;
            in.boxes.hudWeapons = false;
            in.boxes.flameModels = false;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -wp 01 )");
    row(
        "all models off",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            s.modelOptAllModels = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -xa -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "Boom map",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 3;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -boom -amwds -ams -tc -usb -ro -ct 9 -cmd )"
        R"("rend-light 1" -sk 4 -wp 01 )");
    row(
        "Boom map in edit mode",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 3;
            s.editMode = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -txe -wp 01 )");
    row(
        "Boom map with sound off",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 3;
            s.disableSound = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -nosound -boom )"
        R"(-amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "class 4",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 4;
            s.waterSplashes = false;
            s.modelOptCoreEffects = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-spx -mfo -nc -sk 4 -wp 01 )");
    row(
        "class 4 with its own high-resolution folders",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 4;
            in.ownHiResFolders = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -wp 01 )");
    row(
        "class 5",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 5;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-stx -sk 4 -wp 01 )");
    row(
        "class 6",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 6;
            s.verbose = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-c_nextmap -v -sk 4 -wp 01 )");
    row(
        "class 7 runs in Basic Doom mode",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 7;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -tc -ro -spx -nc -nht -np -nto -sk 4 -wp 01 )");
    row(
        "class 1 runs on TNT",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 1;
        },
        R"(Bin\Zorn3D -tnt -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "class 2 runs on Plutonia",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 2;
        },
        R"(Bin\Zorn3D -plutonia -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "respawn and in-fighting after the sky",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            s.disableMouse = true;
            s.monsterRespawn = true;
            s.noSameTypeInfighting = true;
            s.noLostSoulInfighting = true;
            s.skyboxStyle = 1;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -nomouse -tc -fsb -ReSpawn -noif1 )"
        R"(-noif2 -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "corpse fade before the console block",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            s.waterDynamics = true;
            in.fakeGlowChanged = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -wd -cmd "rend-light )"
        R"(1" "fakeglow 1" -sk 4 -wp 01 )");
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
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Scripted/Pwads/sm.wad" -am -mpd )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -wp 01 )");
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
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Scripted/Pwads/sm.wad" -am -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -cs -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "skill 0 drops the map",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            s.skill = 0;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )");
    row(
        "skill 0 drops the save game",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            s.skill = 0;
            in.state.kind = LaunchKind::LoadSave;
            in.state.saveSlot = QStringLiteral("2");
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )");
    row(
        "save game",
        [](LauncherSettings&, LaunchInputs& in) {
            castle(in);
            in.state.kind = LaunchKind::LoadSave;
            in.state.saveSlot = QStringLiteral("2");
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -loadgame 2 )");
    row(
        "new game of an episode game runs on Doom",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            s.skill = 0;
            in.state.kind = LaunchKind::NewGame;
            in.game.firstMapEntry = QStringLiteral("E1M1");
        },
        R"(Bin\Zorn3D -doom -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )");
    row(
        "own high-resolution folders",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            in.ownHiResFolders = true;
            s.hiResTextures = false;
            in.texturePathBoxText = QStringLiteral("/tex/Set/Textures");
            in.texturePath = QStringLiteral("/tex/Set/Textures");
            in.texturePathIsFolder = true;
            in.textureSetPatchesExist = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am )"
        R"(-td "/tex/Set/Textures" -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb )"
        R"(-ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "own high-resolution folders without the patch set",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            in.ownHiResFolders = true;
            s.hiResTextures = false;
            in.texturePathBoxText = QStringLiteral("/tex/Set/Textures");
            in.texturePath = QStringLiteral("/tex/Set/Textures");
            in.texturePathIsFolder = true;
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" )"
        R"(-sk 4 -wp 01 )");
    row(
        "own high-resolution folders in Basic Doom mode",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
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
            castle(in);
            s.autoPlaylist = true;
            in.autoPlaylists.insert(kDoom2, {QStringLiteral("Orvel - Doom2"), true, true});
        },
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data )"
        R"(hv_doom_sfx.wad -3d -ch 32 -extmus "Orvel - Doom2" -upm -amwds -ams -tc -usb -ro )"
        R"(-ct 9 -cmd "rend-light 1" -sk 4 -wp 01 )");
    row(
        "automatic playlist of the class's IWAD",
        [](LauncherSettings& s, LaunchInputs& in) {
            castle(in);
            in.game.compatibilityClass = 1;
            s.autoPlaylist = true;
            in.autoPlaylists.insert(kDoom2, {QStringLiteral("Orvel - Doom2"), true, true});
            in.autoPlaylists.insert(kTnt, {QStringLiteral("Orvel - TNT"), true, true});
        },
        R"(Bin\Zorn3D -tnt -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -am -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -extmus "Orvel - TNT" -upm -amwds -ams -tc -usb -ro -ct 9 )"
        R"(-cmd "rend-light 1" -sk 4 -wp 01 )");
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
    QFETCH(Setup, setup);
    QFETCH(QString, expected);
    LauncherSettings settings = baseSettings();
    LaunchInputs inputs = baseInputs();
    setup(settings, inputs);

    const LaunchOutcome outcome = launchInstalledGame(settings, inputs);
    QVERIFY2(!outcome.refused(),
             qPrintable(outcome.refusal ? outcome.refusal->message.title : QString()));
    QCOMPARE(outcome.commandLine, expected);
    QVERIFY(outcome.state.launchPending);
}

Z3D_TEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
