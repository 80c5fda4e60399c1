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

namespace {

const QString kPlutonia = QStringLiteral("/z3d/Data/plutonia.wad");
const QString kFarDoom2 = QStringLiteral("/games/doom2/DOOM2.WAD");

// How the line names kFarDoom2, and the console block of the base setup.
const QString kFarDoom2Switch = QStringLiteral(R"(-iwad "/games/doom2/DOOM2.WAD")");
const QString kRendLight = QStringLiteral(R"(-cmd "rend-light 1")");

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
void doom2ByPath(LauncherSettings&, LaunchInputs& in)
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
LaunchSetup wadSet(const QString& folder)
{
    return [folder](LauncherSettings&, LaunchInputs& in) {
        in.game.severalFiles = true;
        in.game.folder = folder;
        in.game.mainFile = folder + "a.wad";
        in.game.files = {{folder + "a.wad", true},      {folder + "b.wad", false},
                         {folder + "c.WAD", true},      {folder + "fix.deh", false},
                         {folder + "notes.txt", false}, {folder + "more.DEH", false}};
    };
}

// A file of castle's list that the engine is not to load.
LaunchSetup ownFile(const QString& path)
{
    return [path](LauncherSettings&, LaunchInputs& in) {
        in.game.files << GameFileEntry{path, false};
    };
}

// Instead of castle: a shipped scripted map with all its components.
void scripted(LauncherSettings&, LaunchInputs& in)
{
    in.game.mainFile = QStringLiteral("/z3d/Z3DGames/Scripted/Pwads/sm.wad");
    in.game.folder = QStringLiteral("/z3d/Z3DGames/Scripted/Pwads/");
    in.game.files = {{in.game.mainFile, true}};
    in.game.scriptedMap = true;
    in.game.scriptedMapReady = true;
}

// The texture path box reads `boxText`, which resolves to `path`.
LaunchSetup texturePath(const QString& boxText, const QString& path, bool isFolder = true)
{
    return [boxText, path, isFolder](LauncherSettings&, LaunchInputs& in) {
        in.texturePathBoxText = boxText;
        in.texturePath = path;
        in.texturePathIsFolder = isFolder;
    };
}

// Automatic playlists on, with the choice for each IWAD.
LaunchSetup autoPlaylists(const QHash<QString, AutoPlaylistChoice>& choices)
{
    return [choices](LauncherSettings& s, LaunchInputs& in) {
        s.autoPlaylist = true;
        in.autoPlaylists.insert(choices);
    };
}

// The two pistol-packing zombie packs among the custom definitions.
const LaunchSetup kBothZombiePacks =
    set(&In::definitions,
        {{"Tesk's pistol packing zombies", true}, {"Pellam pistol packing zombies", true}});
const LaunchSetup kNewGame = set(&State::kind, LaunchKind::NewGame);
const LaunchSetup kOwnHiRes =
    steps({on(&In::ownHiResFolders), texturePath("/tex/Set/Textures", "/tex/Set/Textures")});

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
    const DataTable<LaunchSteps, QString> row("steps", "expected");

    row("Doom II MAP07 skill 4 by name", {}, kCommercial);
    row("Doom II by path", {doom2ByPath}, edited(kCommercial, {{"-doom2", kFarDoom2Switch}}));
    row("skill 0 with a map chosen", {set(&S::skill, 0)}, edited(kCommercial, {drop("-sk 4")}));
    row("new game", {set(&S::skill, 0), kNewGame}, edited(kCommercial, {drop("-sk 4 -wp 07")}));
    row("new game keeps the skill out", {kNewGame}, edited(kCommercial, {drop("-sk 4 -wp 07")}));
    row("save game", {saveGame("3")}, edited(kCommercial, {{"-wp 07", "-loadgame 3"}}));
    row("grenade timeout 3", {on(&S::grenadeLauncher), set(&S::grenadeTimeout, 3)},
        edited(kCommercial, {after("-ams", "-gnd 105")}));
    row("grenade timeout 0 is the pipebomb", {on(&S::grenadeLauncher), set(&S::grenadeTimeout, 0)},
        edited(kCommercial, {after("-ams", "-pbm")}));
    row("grenade launcher off", {set(&S::grenadeTimeout, 3)}, kCommercial);
    row("ricochet 4 after a change", {on(&In::ricochetChanged)},
        edited(kCommercial, {after(kRendLight, R"("audio-ricoh 7")")}));
    row("ricochet 4 unchanged", {set(&S::ricochetValue, 4)}, kCommercial);
    row("ricochets switched off", {off(&S::ricochets), on(&In::ricochetChanged)},
        edited(kCommercial, {after(kRendLight, R"("audio-ricoh 0")")}));
    row("lighting off, ricochet 9, glow off, all changed",
        {off({&S::dynamicLighting, &S::underwaterFakeGlow}), set(&S::ricochetValue, 9),
         on({&In::ricochetChanged, &In::fakeGlowChanged})},
        edited(kCommercial, {{kRendLight, R"(-cmd "rend-light 0" "audio-ricoh 2" "fakeglow 0")"}}));
    row("fake glow changed", {on(&In::fakeGlowChanged)},
        edited(kCommercial, {after(kRendLight, R"("fakeglow 1")")}));
    row("channels 0", {set(&S::soundChannels, 0)}, edited(kCommercial, {{"-ch 32", "-ch 16"}}));
    row("channels 64, no 3D sound, weapon sounds off, no sound pack box",
        {set(&S::soundChannels, 64), off(&S::threeDSound), on(&S::disableWeaponSwitchSounds),
         off(&Boxes::soundPack)},
        edited(kCommercial, {{"-data hv_doom_sfx.wad -3d", "-nws"}, {"-ch 32", "-ch 64"}}));
    row("Basic Doom mode with fast monsters",
        {on({&S::basicDoomMode, &S::fastMonsters, &S::detailTextures, &S::waterDynamics}),
         off(&S::hiResPatches), on(&In::ricochetChanged)},
        R"(Bin\Zorn3D -doom2 -data hv_doom_sfx.wad -3d -ch 32 -upm -tc -ro -fast -spx -nc -nht )"
        R"(-np -nto -sk 4 -wp 07 )");
    row("Basic Doom mode", {on(&S::basicDoomMode)},
        R"(Bin\Zorn3D -doom2 -data hv_doom_sfx.wad -3d -ch 32 -upm -tc -ro -spx -nc -nht -np )"
        R"(-nto -sk 4 -wp 07 )");
    row("definition files",
        {set(&In::definitions, {{"mydefs", true},
                                {"/other/Extra.DED", true},
                                {"skipped", false},
                                {"Pellam pistol packing zombies", true}})},
        edited(kCommercial,
               {after("-doom2", R"(-d "/z3d/Defs/Custom/mydefs.ded" "/other/Extra.DED" )"
                                R"("/z3d/Defs/Custom/Pellam pistol packing zombies.ded")"),
                after("-ams", "-spz")}));
    row("Tesk's zombies without the replacements", {off(&S::pellamOrrinModels), kBothZombiePacks},
        edited(kCommercial, {{"-am", R"(-d "/z3d/Defs/Custom/Tesk's pistol packing zombies.ded")"},
                             after("-ams", "-cpz")}));
    row("Tesk's zombies left out with the replacements",
        {set(&In::definitions, {{"tesk's pistol packing zombies", true}, {"mine", true}})},
        edited(kCommercial, {after("-doom2", R"(-d "/z3d/Defs/Custom/mine.ded")")}));
    row("Brannock soldiers drop both zombie packs", {on(&S::brannockSoldiers), kBothZombiePacks},
        edited(kCommercial, {after("-doom2", "-d"), after("-upm", "-cs")}));
    row("no definition selected", {set(&In::definitions, {{"mydefs", false}})}, kCommercial);
    row("manual playlist", {manualPlaylist("Fennick - TNT")},
        edited(kCommercial, {after("-ch 32", R"(-extmus "Fennick - TNT")")}));
    row("manual playlist loses what follows its last dot",
        {manualPlaylist("My.mix.v2"), off(&S::ignorePlaylistForCustomMusic)},
        edited(kCommercial, {{"-upm", R"(-extmus "My.mix")"}}));
    row("manual playlist without its file", {manualPlaylist("Gone", false)}, kCommercial);
    row("manual and automatic playlists",
        {manualPlaylist("Mine"), autoPlaylists({{kDoom2, {"Tavish - Doom2", true, true}},
                                                {kDoom, {"Tavish - Doom", true, true}}})},
        edited(kCommercial, {after("-ch 32", R"(-extmus "Mine" -extmus "Tavish - Doom2")")}));
    row("automatic playlist not listed or without its file",
        {autoPlaylists(
            {{kDoom2, {"Tavish - Doom2", false, true}}, {kDoom, {"Tavish - Doom", true, true}}})},
        kCommercial);
    row("music off", {on(&S::disableMusic), manualPlaylist("Mine")},
        edited(kCommercial, {{"-upm", "-nomusic"}}));
    row("sound off keeps the model switches",
        {on({&S::disableSound, &S::disableMusic, &S::disableWeaponSwitchSounds})},
        edited(kCommercial, {{"-data hv_doom_sfx.wad -3d -ch 32 -upm", "-nosound"}}));
    row("all models off", {on(&S::modelOptAllModels)},
        edited(kCommercial, {drop("-am"), {"-amwds -ams", "-xa"}}));
    row("all models box greyed", {off(&Boxes::allModels)},
        edited(kCommercial, {{"-amwds -ams", "-xa"}}));
    row("every model group off, extra effects",
        {on({&S::modelOptMonstersPlayer, &S::modelOptHudWeapons, &S::modelOptDecorations,
             &S::modelOptItemsWeapons, &S::modelOptSplashes, &S::modelOptFlameModels, &S::extraFx,
             &S::brannockSoldiers})},
        edited(kCommercial, {after("-upm", "-xm -xp"), {"-ams", "-xh -xd -xi -xw -xs -fx"}}));
    row("greyed boxes switch their groups off",
        {on({&S::modelOptFlameModels, &S::extraFx}),
         off({&Boxes::forceOverride, &Boxes::hudWeapons, &Boxes::decorations, &Boxes::itemsWeapons,
              &Boxes::splashes, &Boxes::flameModels, &Boxes::extraFx, &Boxes::replacements})},
        edited(kCommercial, {drop("-am"), {"-amwds", "-xh -xd -xi -xw -xs"}}));
    row("a greyed box switches its own group alone off", {off(&Boxes::splashes)},
        edited(kCommercial, {after("-amwds", "-xs")}));
    row("no monsters", {on({&S::noMonsters, &S::modelOptMonstersPlayer})},
        edited(kCommercial, {after("-ams", "-nm"), drop("-ct 9")}));
    row("Orrinpack weapons", {on(&S::orrinWeapons), on(&In::orrinpackWadFound)},
        edited(kCommercial, {after("-doom2", "-cwp -fp")}));
    row("Orrinpack alternative weapons", {on(&S::orrinAltWeapons), on(&In::orrinpackWadFound)},
        edited(kCommercial, {after("-doom2", "-cwp -ap")}));
    row("edit mode",
        {on({&S::orrinWeapons, &S::editMode, &S::editNoObjects, &S::editLight}),
         on(&In::orrinpackWadFound), set(&S::lightValue, 180)},
        edited(kCommercial, {after("-sk 4", "-txe -txn -txa 180")}));
    row("edit mode with light only", {on({&S::editMode, &S::editLight})},
        edited(kCommercial, {after("-sk 4", "-txe -txa 200")}));
    row("no high-resolution patches or textures", {off({&S::hiResPatches, &S::hiResTextures})},
        edited(kCommercial, {after("-am", "-np -nht")}));
    row("texture path of its own", {texturePath(" /tex/Textures ", "/tex/Textures")},
        edited(kCommercial, {after("-am", R"(-td "/tex/Textures")")}));
    row("the default texture folder in another case",
        {texturePath("/Z3D/data/TEXTURES", "/z3d/Data/Textures")}, kCommercial);
    row("texture path that is no folder", {texturePath("/tex/Textures", "/tex/Textures", false)},
        kCommercial);
    row("game rules in the commercial order",
        {on({&S::disableMouse, &S::monsterRespawn, &S::noSameTypeInfighting,
             &S::noLostSoulInfighting, &S::detailTextures, &S::detailTexturesCopy,
             &S::disableJoystick, &S::spareOption, &S::waterDynamics, &S::fastMonsters,
             &S::modelOptCoreEffects, &S::verbose}),
         set(&S::skyboxStyle, 1), off(&S::waterSplashes), set(&S::extraCommandLine, "+set x 1")},
        R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -nomouse )"
        R"(-respawn -noif1 -noif2 -tc -dt -ol -nojoy -fsb -to -ro -wd -ct 9 -cmd "rend-light 1" )"
        R"(-fast -spx -nc -v -sk 4 -wp 07 +set x 1 )");
    row("no corpse fade", {set(&S::corpseFadeSeconds, 0), off(&S::resurrectWithFade)},
        edited(kCommercial, {drop("-ro -ct 9")}));
    row("corpse fade seconds", {set(&S::corpseFadeSeconds, 5)},
        edited(kCommercial, {{"-ct 9", "-ct 5"}}));
    row("skyboxes off, compression off", {off({&S::skyboxes, &S::textureCompression})},
        edited(kCommercial, {drop("-tc -usb")}));
    row("shareware Doom by path, episode map",
        {[](LauncherSettings&, LaunchInputs& in) {
             const QString doom1 = QStringLiteral("/cd/DOOM1.WAD");
             in.registry.setPath(IwadType::Doom1, doom1);
             in.iwadFiles.insert(doom1, IwadFileFacts{true, false});
             in.selectedIwadFile = doom1;
         },
         set(&State::warpArgument, "1 3")},
        edited(kCommercial, {{"-doom2", R"(-iwad "/cd/DOOM1.WAD")"}, {"-wp 07", "-wp 1 3"}}));
}

void TestCommandLine::commercialGame()
{
    const auto [steps, expected] = fetchRow<LaunchSteps, QString>("steps", "expected");
    LauncherSettings settings = launchSettings();
    LaunchInputs inputs = baseInputs();
    apply(steps, settings, inputs);

    const LaunchOutcome outcome = launchCommercialGame(settings, inputs);
    QVERIFY(!outcome.refused());
    QCOMPARE(outcome.commandLine, expected);
    QVERIFY(outcome.state.launchPending);
}

void TestCommandLine::installedGame_data()
{
    const DataTable<LaunchSteps, QString> row("steps", "expected");
    const QString scriptedFile = QStringLiteral(R"(-f "/z3d/Z3DGames/Scripted/Pwads/sm.wad")");

    row("one wad on MAP01", {}, kCastle);
    row("one wad, IWAD by path, its own .ded after the custom ones",
        {doom2ByPath, ownFile("/z3d/Z3DGames/Castle/Pwads/Castle.DED"),
         set(&In::definitions, {{"mydefs", true}})},
        edited(
            kCastle,
            {{"-doom2", kFarDoom2Switch},
             after(
                 kCastleFile,
                 R"(-d "/z3d/Defs/Custom/mydefs.ded" "/z3d/Z3DGames/Castle/Pwads/Castle.DED")")}));
    row("its own .ded alone", {doom2ByPath, ownFile("/z3d/Z3DGames/Castle/Pwads/castle.ded")},
        edited(kCastle, {{"-doom2", kFarDoom2Switch},
                         after(kCastleFile, R"(-d "/z3d/Z3DGames/Castle/Pwads/castle.ded")")}));
    row("its own .ded is left to the engine when the IWAD goes by name",
        {ownFile("/z3d/Z3DGames/Castle/Pwads/castle.ded")}, kCastle);
    row("user directory",
        {on({&Game::userDirectory, &Game::severalFiles}),
         set(&Game::folder, "/z3d/Z3DGames/Mine/Gwads/"),
         set(&Game::mainFile, "/z3d/Z3DGames/Mine/Gwads/b.wad"),
         set(&Game::selectedUserFile, "/z3d/Z3DGames/Mine/Gwads/b.wad")},
        edited(kCastle, {after("-doom2", R"(-udir "/z3d/Z3DGames/Mine/Gwads/")"),
                         {kCastleFile, R"(-f "b.wad")"}}));
    row("several wads, IWAD by name", {wadSet("/z3d/Z3DGames/Set/Pwads/")},
        edited(kCastle, {{kCastleFile, R"(-udir "/z3d/Z3DGames/Set/Pwads/")"}}));
    row("several wads, IWAD by path", {wadSet("/z3d/Z3DGames/Set/Pwads/"), doom2ByPath},
        edited(kCastle,
               {{"-doom2", kFarDoom2Switch + R"( -udir "/z3d/Z3DGames/Set/Pwads/")"},
                {kCastleFile, R"(-f "a.wad" "c.WAD" -deh "/z3d/Z3DGames/Set/Pwads/fix.deh" )"
                              R"("/z3d/Z3DGames/Set/Pwads/more.DEH")"}}));
    row("several wads from the zip library",
        {wadSet("/z3d/Z3DLaunch/Zips/"), on(&Game::fromZipLibrary)},
        edited(kCastle,
               {{kCastleFile,
                 R"(-f "/z3d/Z3DLaunch/Zips/a.wad" "/z3d/Z3DLaunch/Zips/c.WAD" )"
                 R"(-deh "/z3d/Z3DLaunch/Zips/fix.deh" "/z3d/Z3DLaunch/Zips/more.DEH")"}}));
    row("one wad from the zip library",
        {on(&Game::fromZipLibrary), set(&Game::mainFile, "/z3d/Z3DLaunch/Zips/castle.wad")},
        edited(kCastle, {{kCastleFile, R"(-f "/z3d/Z3DLaunch/Zips/castle.wad")"}}));
    row("development mode", {on(&S::developmentMode)},
        edited(kCastle, {after(kCastleFile, "-devmap -debug_scp")}));
    row("models partly off", {on(&S::modelOptHudWeapons)},
        edited(kCastle, {after("-am", "-mpd"), after("-amwds", "-xh")}));
    row("splashes alone off", {on(&S::modelOptSplashes)},
        edited(kCastle, {after("-am", "-mpd"), after("-amwds", "-xs")}));
    row("greyed boxes do not count",
        {off({&Boxes::allModels, &Boxes::hudWeapons, &Boxes::flameModels})}, kCastle);
    row("all models off", {on(&S::modelOptAllModels)},
        edited(kCastle, {drop("-am"), {"-amwds -ams", "-xa"}}));
    row("Boom map", {set(&Game::compatibilityClass, 3)}, edited(kCastle, {after("-upm", "-boom")}));
    row("Boom map in edit mode", {set(&Game::compatibilityClass, 3), on(&S::editMode)},
        edited(kCastle, {after("-sk 4", "-txe")}));
    row("Boom map with sound off", {set(&Game::compatibilityClass, 3), on(&S::disableSound)},
        edited(kCastle, {{"-data hv_doom_sfx.wad -3d -ch 32 -upm", "-nosound -boom"}}));
    row("class 4",
        {set(&Game::compatibilityClass, 4), off(&S::waterSplashes), on(&S::modelOptCoreEffects)},
        edited(kCastle, {after(kRendLight, "-spx -mfo -nc")}));
    row("class 4 with its own high-resolution folders",
        {set(&Game::compatibilityClass, 4), on(&In::ownHiResFolders)}, kCastle);
    row("class 5", {set(&Game::compatibilityClass, 5)},
        edited(kCastle, {after(kRendLight, "-stx")}));
    row("class 6", {set(&Game::compatibilityClass, 6), on(&S::verbose)},
        edited(kCastle, {after(kRendLight, "-c_nextmap -v")}));
    row("class 7 runs in Basic Doom mode", {set(&Game::compatibilityClass, 7)},
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -tc -ro -spx -nc -nht -np -nto -sk 4 -wp 01 )");
    row("class 1 runs on TNT", {set(&Game::compatibilityClass, 1)},
        edited(kCastle, {{"-doom2", "-tnt"}}));
    row("class 2 runs on Plutonia", {set(&Game::compatibilityClass, 2)},
        edited(kCastle, {{"-doom2", "-plutonia"}}));
    row("respawn and in-fighting after the sky",
        {on({&S::disableMouse, &S::monsterRespawn, &S::noSameTypeInfighting,
             &S::noLostSoulInfighting}),
         set(&S::skyboxStyle, 1)},
        edited(kCastle, {after("-ams", "-nomouse"), {"-usb", "-fsb -ReSpawn -noif1 -noif2"}}));
    row("corpse fade before the console block", {on(&S::waterDynamics), on(&In::fakeGlowChanged)},
        edited(kCastle, {after("-ct 9", "-wd"), after(kRendLight, R"("fakeglow 1")")}));
    row("scripted map",
        {scripted, manualPlaylist("Mine"),
         on({&S::modelOptHudWeapons, &S::extraFx, &S::modelOptCoreEffects, &S::monsterRespawn}),
         off(&S::waterSplashes)},
        edited(kCastle, {{kCastleFile, scriptedFile}, after("-am", "-mpd"), drop("-amwds")}));
    row("scripted map in Basic Doom mode with all models off",
        {scripted, on({&S::basicDoomMode, &S::modelOptAllModels})},
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Scripted/Pwads/sm.wad" -am -data hv_doom_sfx.wad )"
        R"(-3d -ch 32 -upm -tc -usb -ams -ro -ct 9 -sk 4 -wp 01 )");
    row("scripted map with all models off",
        {scripted, on({&S::modelOptAllModels, &S::brannockSoldiers}), off(&S::skyboxes)},
        edited(kCastle, {{kCastleFile, scriptedFile}, {"-amwds", "-cs"}}));
    row("skill 0 drops the map", {set(&S::skill, 0)}, edited(kCastle, {drop("-sk 4 -wp 01")}));
    row("skill 0 drops the save game", {set(&S::skill, 0), saveGame("2")},
        edited(kCastle, {drop("-sk 4 -wp 01")}));
    row("save game", {saveGame("2")}, edited(kCastle, {{"-wp 01", "-loadgame 2"}}));
    row("new game of an episode game runs on Doom",
        {set(&S::skill, 0), kNewGame, set(&Game::firstMapEntry, "E1M1")},
        edited(kCastle, {{"-doom2", "-doom"}, drop("-sk 4 -wp 01")}));
    row("own high-resolution folders",
        {kOwnHiRes, off(&S::hiResTextures), on(&In::textureSetPatchesExist)},
        edited(kCastle, {after("-am", R"(-td "/tex/Set/Textures")")}));
    row("own high-resolution folders without the patch set", {kOwnHiRes, off(&S::hiResTextures)},
        kCastle);
    row("own high-resolution folders in Basic Doom mode",
        {kOwnHiRes, on(&S::basicDoomMode), on(&In::textureSetPatchesExist)},
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" -td "/tex/Set/Textures" )"
        R"(-data hv_doom_sfx.wad -3d -ch 32 -upm -tc -ro -spx -nc -nht -np -nto -sk 4 -wp 01 )");
    row("playlists", {autoPlaylists({{kDoom2, {"Orvel - Doom2", true, true}}})},
        edited(kCastle, {after("-ch 32", R"(-extmus "Orvel - Doom2")")}));
    row("automatic playlist of the class's IWAD",
        {set(&Game::compatibilityClass, 1), autoPlaylists({{kDoom2, {"Orvel - Doom2", true, true}},
                                                           {kTnt, {"Orvel - TNT", true, true}}})},
        edited(kCastle, {{"-doom2", "-tnt"}, after("-ch 32", R"(-extmus "Orvel - TNT")")}));
    // Blanks, commas, apostrophes and switch-like words stay inside their quotes; the player's
    // own text goes as written, an unbalanced quote of it included.
    row("odd but quotable names, the player's unbalanced quote",
        {wadSet("/z3d/Z3DLaunch/Zips/"), on(&Game::fromZipLibrary),
         set(&Game::files, {{"/z3d/Z3DLaunch/Zips/it's, a -exec test.wad", true},
                            {"/z3d/Z3DLaunch/Zips/C:\\dir\\x.deh", false}}),
         set(&S::extraCommandLine, R"(-foo "bar \"baz)")},
        R"(Bin\Zorn3D -doom2 -f "/z3d/Z3DLaunch/Zips/it's, a -exec test.wad" )"
        R"(-deh "/z3d/Z3DLaunch/Zips/C:\dir\x.deh" -am -data hv_doom_sfx.wad -3d -ch 32 -upm )"
        R"(-amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 01 -foo "bar \"baz )");
}

void TestCommandLine::installedGame()
{
    const auto [steps, expected] = fetchRow<LaunchSteps, QString>("steps", "expected");
    LauncherSettings settings = launchSettings();
    LaunchInputs inputs = baseInputs();
    castle(inputs);
    apply(steps, settings, inputs);

    const LaunchOutcome outcome = launchInstalledGame(settings, inputs);
    QVERIFY2(!outcome.refused(),
             qPrintable(outcome.refusal ? outcome.refusal->message.title : QString()));
    QCOMPARE(outcome.commandLine, expected);
    QVERIFY(outcome.state.launchPending);
}

Z3D_TEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
