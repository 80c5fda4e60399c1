// The checks around the command line: every refusal with its exact title and text, the
// model-pack warnings that do not stop a launch, and what the outcome tells the caller.

#include "core/launch/LaunchAssembler.h"
#include "core/launch/LaunchMessages.h"

#include "support/DataTable.h"
#include "support/LaunchSetup.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

enum class Procedure
{
    Commercial,
    Installed
};

LaunchInputs baseInputs()
{
    LaunchInputs in = launchInputs({{IwadType::Doom2, kDoom2}, {IwadType::Doom, kDoom}});
    in.game.mainFile = QStringLiteral("/z3d/Z3DGames/Castle/Pwads/castle.wad");
    in.game.folder = QStringLiteral("/z3d/Z3DGames/Castle/Pwads/");
    in.game.files = {{in.game.mainFile, true}};
    in.game.firstMapEntry = QStringLiteral("MAP01");
    return in;
}

LaunchOutcome run(Procedure procedure, const LauncherSettings& s, const LaunchInputs& in)
{
    return procedure == Procedure::Commercial ? launchCommercialGame(s, in)
                                              : launchInstalledGame(s, in);
}

LaunchSetup userDirectory(const QString& selected)
{
    return [selected](LauncherSettings&, LaunchInputs& in) {
        in.game.userDirectory = true;
        in.game.folder = QStringLiteral("/z3d/Z3DGames/Mine/Gwads/");
        in.game.mainFile = selected;
        if (!selected.isEmpty())
            in.game.selectedUserFile = selected;
    };
}

// The IWAD at `path`, which the engine would find by name, is no longer on the disk.
LaunchSetup iwadGone(const QString& path)
{
    return [path](LauncherSettings&, LaunchInputs& in) {
        in.iwadFiles.insert(path, IwadFileFacts{false, true});
    };
}

const char* const kNoWad = "You have not yet selected a WAD file.     ";
const char* const kFinalDoomText =
    "This map requires one of the Final Doom Iwads to run correctly.      \r\n"
    "  Read the author's text file regarding which Iwad is required.      ";
const char* const kCannot =
    "A double quote in a name, or a backslash at its end, cannot be passed to Zorn3D.";
const QString kCannotGive = QStringLiteral("Zorn3D cannot be given this file or folder:\r\n");
const QString kRename = QStringLiteral("\r\n") + QLatin1String(kCannot) +
                        QStringLiteral("\r\nRename it and launch again.");
const char* const kIwadNotFound = "There appears to be a problem locating the Iwad for this "
                                  "map.      \r\n     This map requires the ";

} // namespace

Q_DECLARE_METATYPE(Procedure)

class TestLaunchChecks : public QObject
{
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void noLevelsMessage_data();
    void noLevelsMessage();
    void modelPackWarnings_data();
    void modelPackWarnings();
    void refusalKeepsWarningsAndSettings();
    void afterLaunchAction();
    void shortcutText();
    void installedShortcutText();
    void classSevenLeavesBasicModeOff();
    void skillZeroMakesANewGame();
    void finalDoomIwadBecomesTheLaunchIwad();
};

void TestLaunchChecks::refusals_data()
{
    const DataTable<Procedure, LaunchSteps, QString, QString, bool> row(
        "procedure", "steps", "title", "text", "iwadWindow");

    row("commercial IWAD file gone", Procedure::Commercial, {iwadGone(kDoom2)}, " Setup error",
        "There appears to be a problem with the IWAD location.\r\n"
        "Reset Iwads and do a search or enter new locations.",
        true);
    row("commercial IWAD never probed", Procedure::Commercial,
        {set(&In::selectedIwadFile, "/cd/PLUTONIA.WAD")}, " Setup error",
        "There appears to be a problem with the IWAD location.\r\n"
        "Reset Iwads and do a search or enter new locations.",
        true);
    row("scripted map needs an update", Procedure::Installed,
        {on(&Game::scriptedMap), off(&Game::scriptedMapReady)}, " Map error - updated map required",
        "   Components of this map are either missing or not compatible with this version"
        "        \r\n   of Zorn3D, download the latest version of this map from the Zorn3D "
        "website.     ",
        false);
    row("user directory, nothing selected", Procedure::Installed, {userDirectory(QString())},
        " Launch error", kNoWad, false);
    row("user directory, a text file selected", Procedure::Installed,
        {userDirectory("/z3d/Z3DGames/Mine/Gwads/readme.txt")}, " Launch error", kNoWad, false);
    row("user directory, a wad without levels", Procedure::Installed,
        {userDirectory("/z3d/Z3DGames/Mine/Gwads/Sounds.Wad"), set(&Game::firstMapEntry, {})},
        " Launch error",
        "You have not yet selected a valid WAD file.     \r\n"
        "The SOUNDS.WAD contains no levels.     ",
        false);
    row("class 1 without TNT", Procedure::Installed, {set(&Game::compatibilityClass, 1)},
        " Missing Final Doom Iwad ", kFinalDoomText, false);
    row("class 2 with a Plutonia path that is gone", Procedure::Installed,
        {set(&Game::compatibilityClass, 2),
         [](LauncherSettings&, LaunchInputs& in) {
             in.registry.setPath(IwadType::Plutonia, QStringLiteral("/cd/PLUTONIA.WAD"));
             in.iwadFiles.insert(QStringLiteral("/cd/PLUTONIA.WAD"), IwadFileFacts{});
         }},
        " Missing Final Doom Iwad ", kFinalDoomText, false);

    const QString needsDoom2 =
        QString::fromLatin1(kIwadNotFound) + "Doom2.wad before it can be run.";
    const QString needsDoom = QString::fromLatin1(kIwadNotFound) + "Doom.wad before it can be run.";
    const LaunchSetup noIwad = set(&State::iwadPath, {});
    row("Doom II map, Doom II gone", Procedure::Installed, {iwadGone(kDoom2)},
        " Iwad not found for current map", needsDoom2, false);
    row("MAP07, no Doom II registered", Procedure::Installed, {noIwad},
        " Iwad not found for current map", needsDoom2, false);
    row("E1M3, no Doom registered", Procedure::Installed,
        {noIwad, set(&State::warpArgument, "1 3"), set(&Game::firstMapEntry, "E1M1")},
        " Iwad not found for current map", needsDoom, false);
    row("Twzone.wad, no Doom II registered", Procedure::Installed,
        {noIwad, set(&State::warpArgument, "1 1"), set(&Game::firstMapEntry, "E1M1"),
         set(&Game::mainFile, "/z3d/Z3DGames/Tw/Pwads/TWZONE.WAD")},
        " Iwad not found for current map", needsDoom2, false);
    row("saved game of a numbered-map game, no Doom II registered", Procedure::Installed,
        {noIwad, saveGame("3"), set(&State::warpArgument, {})}, " Iwad not found for current map",
        needsDoom2, false);
    row("new game of a numbered-map game, no Doom II registered", Procedure::Installed,
        {[](LauncherSettings&, LaunchInputs& in) { in.registry.setPath(IwadType::Doom2, {}); },
         set(&State::kind, LaunchKind::NewGame), set(&S::skill, 0)},
        " Iwad not found for current map", needsDoom2, false);
    row("new game of an episode game, Doom gone", Procedure::Installed,
        {iwadGone(kDoom), set(&State::kind, LaunchKind::NewGame),
         set(&Game::firstMapEntry, "e2m1")},
        " Iwad not found for current map", needsDoom, false);

    // Names that would end their quoted piece early and split or join the engine's arguments.
    const QString evil = QStringLiteral("evil\" -exec \"pwn.cfg\" -connect \"203.0.113.9.wad");
    row("a zip member with quotes", Procedure::Installed,
        {set(&Game::mainFile, "/z3d/Z3DLaunch/Zips/" + evil),
         set(&Game::files, {{"/z3d/Z3DLaunch/Zips/" + evil, true}})},
        " Launch error", kCannotGive + QString("/z3d/Z3DLaunch/Zips/") + evil + kRename, false);
    row("a playlist with quotes", Procedure::Commercial, {manualPlaylist("x\" -exec \"evil.z3m")},
        " Launch error", kCannotGive + QString("x\" -exec \"evil") + kRename, false);
    row("a folder ending in a backslash", Procedure::Installed,
        {userDirectory("/z3d/Z3DGames/Odd\\/one.wad"), set(&Game::folder, "/z3d/Z3DGames/Odd\\")},
        " Launch error", kCannotGive + QString("/z3d/Z3DGames/Odd\\") + kRename, false);
    row("an installation folder with quotes", Procedure::Installed,
        {set(&In::paths, InstallPaths::fromInstallRoot("/home/p/My \"Games\"")),
         userDirectory("/home/p/My \"Games\"/Z3DGames/Mine/Gwads/a.wad"),
         set(&Game::folder, "/home/p/My \"Games\"/Z3DGames/Mine/Gwads")},
        " Launch error",
        "Zorn3D cannot be started from this installation folder:\r\n/home/p/My \"Games\"\r\n" +
            QString(kCannot) + "\r\nMove or rename the installation folder.",
        false);
    row("a map argument with a quote", Procedure::Installed, {set(&State::warpArgument, "0\"7")},
        " Launch error",
        "Zorn3D cannot be started: its command line would not reach it as it was built.\r\n"
        "Bin\\Zorn3D -doom2 -f \"/z3d/Z3DGames/Castle/Pwads/castle.wad\" -am -data "
        "hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc -usb -ro -ct 9 -cmd \"rend-light 1\" "
        "-sk 4 -wp 0\"7 ",
        false);
}

void TestLaunchChecks::refusals()
{
    const auto [procedure, steps, title, text, iwadWindow] =
        fetchRow<Procedure, LaunchSteps, QString, QString, bool>("procedure", "steps", "title",
                                                                 "text", "iwadWindow");

    LauncherSettings settings = launchSettings();
    LaunchInputs inputs = baseInputs();
    inputs.state.shortcutRequest = true;
    apply(steps, settings, inputs);

    const LaunchOutcome outcome = run(procedure, settings, inputs);
    QVERIFY(outcome.refused());
    QCOMPARE(outcome.refusal->message.title, title);
    QCOMPARE(outcome.refusal->message.text, text);
    QCOMPARE(outcome.refusal->message.style, 64);
    QCOMPARE(outcome.refusal->openIwadWindow, iwadWindow);
    QVERIFY(outcome.commandLine.isEmpty());
    QVERIFY(outcome.shortcutArguments.isEmpty());
    QVERIFY(!outcome.state.launchPending);
    // A refused shortcut leaves no shortcut request behind for the next launch.
    QVERIFY(!outcome.state.shortcutRequest);
    QVERIFY(outcome.messages.isEmpty());
}

void TestLaunchChecks::noLevelsMessage_data()
{
    const DataTable<QString, QString> row("fileName", "text");
    row("upper case", "CASTLE.WAD", "The castle.wad contains no levels.    ");
    row("mixed case", "Doom2.wad", "The doom2.wad contains no levels.    ");
}

void TestLaunchChecks::noLevelsMessage()
{
    const auto [fileName, text] = fetchRow<QString, QString>("fileName", "text");
    const LaunchMessage message = LaunchMessages::noLevels(fileName);
    QCOMPARE(message.title, QStringLiteral(" Wad error"));
    QCOMPARE(message.text, text);
    QCOMPARE(message.style, 64);
}

void TestLaunchChecks::modelPackWarnings_data()
{
    const DataTable<LaunchSteps, QStringList, bool, bool, bool, QString> row(
        "steps", "texts", "orrinWeapons", "orrinAltWeapons", "pellam",
        "head"); // how the line begins

    const QString version =
        " Your version of orrinpack is not compatible with this version of Zorn3D,  \r\n"
        "    Orrinpack will not be used for this game - update to Orrinpack v7.  ";
    const QString compatibility =
        " There is a compatibility issue between the standard and enhanced models,  \r\n"
        "  Enhanced models will not be used  - update to the latest model packs.  ";
    const QString wad = " Unable to use orrinpack as the orrinpack.wad was not found.  ";

    row("weapons pass",
        {on(&S::orrinWeapons), on(&In::orrinpackWadFound),
         off(&In::orrinpackAlternativeVersionOk)}, // not the one tested
        QStringList{}, true, false, true, R"(Bin\Zorn3D -doom2 -cwp -fp -am )");
    row("hud weapons off silences the Orrinpack",
        {on({&S::modelOptHudWeapons, &S::orrinWeapons, &S::orrinAltWeapons}),
         off(&In::orrinpackFullpackVersionOk)},
        QStringList{}, false, false, true, R"(Bin\Zorn3D -doom2 -am )");
    row("fullpack version fails",
        {on({&S::orrinWeapons, &S::orrinAltWeapons}), on(&In::orrinpackWadFound),
         off(&In::orrinpackFullpackVersionOk)},
        QStringList{version}, false, false, true, R"(Bin\Zorn3D -doom2 -am )");
    row("alternative version fails",
        {on(&S::orrinAltWeapons), on(&In::orrinpackWadFound),
         off(&In::orrinpackAlternativeVersionOk)},
        QStringList{version}, false, false, true, R"(Bin\Zorn3D -doom2 -am )");
    row("models incompatible", {off(&In::modelCompatibilityOk)}, QStringList{compatibility}, false,
        false, false, R"(Bin\Zorn3D -doom2 -data )");
    row("orrinpack.wad missing", {on(&S::orrinAltWeapons)}, QStringList{wad}, false, false, true,
        R"(Bin\Zorn3D -doom2 -am )");
    row("orrinpack.wad not needed with all models off",
        {on({&S::orrinWeapons, &S::modelOptAllModels})}, QStringList{}, true, false, true,
        R"(Bin\Zorn3D -doom2 -data )");
    row("compatibility and wad, in that order",
        {on(&S::orrinWeapons), off(&In::modelCompatibilityOk)}, QStringList{compatibility, wad},
        false, false, false, R"(Bin\Zorn3D -doom2 -data )");
}

void TestLaunchChecks::modelPackWarnings()
{
    const auto [steps, texts, orrinWeapons, orrinAltWeapons, pellam, head] =
        fetchRow<LaunchSteps, QStringList, bool, bool, bool, QString>(
            "steps", "texts", "orrinWeapons", "orrinAltWeapons", "pellam", "head");

    for (const Procedure procedure : {Procedure::Commercial, Procedure::Installed}) {
        LauncherSettings settings = launchSettings();
        LaunchInputs inputs = baseInputs();
        apply(steps, settings, inputs);
        const LaunchOutcome outcome = run(procedure, settings, inputs);
        QVERIFY(!outcome.refused());
        QCOMPARE(outcome.messages.size(), texts.size());
        for (int i = 0; i < texts.size(); ++i) {
            QCOMPARE(outcome.messages.at(i).title, QStringLiteral(" Launch error"));
            QCOMPARE(outcome.messages.at(i).text, texts.at(i));
            QCOMPARE(outcome.messages.at(i).style, 64);
        }
        QCOMPARE(outcome.settings.orrinWeapons, orrinWeapons);
        QCOMPARE(outcome.settings.orrinAltWeapons, orrinAltWeapons);
        QCOMPARE(outcome.settings.pellamOrrinModels, pellam);
        if (procedure == Procedure::Commercial)
            QVERIFY2(outcome.commandLine.startsWith(head), qPrintable(outcome.commandLine));
    }
}

void TestLaunchChecks::refusalKeepsWarningsAndSettings()
{
    // The warnings come first and their switched-off options stay off, even when a check
    // after them refuses the launch.
    LauncherSettings settings = launchSettings();
    settings.orrinWeapons = true;
    settings.afterLaunchOption = 2;
    LaunchInputs inputs = baseInputs();
    inputs.game.compatibilityClass = 1;

    const LaunchOutcome outcome = launchInstalledGame(settings, inputs);
    QVERIFY(outcome.refused());
    QCOMPARE(outcome.refusal->message.title, QStringLiteral(" Missing Final Doom Iwad "));
    QCOMPARE(outcome.messages.size(), 1);
    QCOMPARE(outcome.messages.first().text,
             QStringLiteral(" Unable to use orrinpack as the orrinpack.wad was not found.  "));
    QVERIFY(!outcome.settings.orrinWeapons);
    QCOMPARE(outcome.settings.lastAfterLaunchAction, 2);

    // The map-update test comes before the model-pack tests.
    inputs.game.scriptedMap = true;
    const LaunchOutcome early = launchInstalledGame(settings, inputs);
    QCOMPARE(early.refusal->message.title, QStringLiteral(" Map error - updated map required"));
    QVERIFY(early.messages.isEmpty());
    QVERIFY(early.settings.orrinWeapons);
}

void TestLaunchChecks::afterLaunchAction()
{
    LauncherSettings settings = launchSettings();
    settings.afterLaunchOption = 2;
    settings.lastAfterLaunchAction = 1;
    LaunchInputs inputs = baseInputs();

    LaunchOutcome outcome = launchCommercialGame(settings, inputs);
    QCOMPARE(outcome.settings.lastAfterLaunchAction, 2);
    QVERIFY(!outcome.shortcut);

    inputs.state.shortcutRequest = true;
    outcome = launchCommercialGame(settings, inputs);
    QCOMPARE(outcome.settings.lastAfterLaunchAction, 1);
}

void TestLaunchChecks::shortcutText()
{
    LauncherSettings settings = launchSettings();
    LaunchInputs inputs = baseInputs();
    inputs.state.shortcutRequest = true;

    const LaunchOutcome outcome = launchCommercialGame(settings, inputs);
    QVERIFY(!outcome.refused());
    QVERIFY(outcome.shortcut);
    QCOMPARE(outcome.shortcutArguments,
             QStringLiteral(R"(-doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc )"
                            R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )"));
    QCOMPARE(outcome.commandLine, QStringLiteral(R"(Bin\Zorn3D )") + outcome.shortcutArguments);
    QVERIFY(!outcome.state.launchPending);
    QVERIFY(!outcome.state.shortcutRequest);
}

void TestLaunchChecks::installedShortcutText()
{
    LauncherSettings settings = launchSettings();
    settings.basicDoomMode = true;
    settings.disableSound = true;
    LaunchInputs inputs = baseInputs();
    inputs.state.shortcutRequest = true;
    inputs.registry.setPath(IwadType::Doom2, QStringLiteral("/far/doom2.wad"));
    inputs.state.iwadPath = QStringLiteral("/far/doom2.wad");
    inputs.iwadFiles.insert(inputs.state.iwadPath, IwadFileFacts{true, false});

    const LaunchOutcome outcome = launchInstalledGame(settings, inputs);
    QVERIFY(outcome.shortcut);
    QCOMPARE(outcome.shortcutArguments,
             QStringLiteral(R"(-iwad "/far/doom2.wad" -f "/z3d/Z3DGames/Castle/Pwads/castle.wad" )"
                            R"(-nosound -tc -ro -spx -nc -nht -np -nto -sk 4 -wp 07 )"));
    QVERIFY(outcome.iwadByPath);
}

void TestLaunchChecks::classSevenLeavesBasicModeOff()
{
    LauncherSettings settings = launchSettings();
    LaunchInputs inputs = baseInputs();
    inputs.game.compatibilityClass = 7;

    LaunchOutcome outcome = launchInstalledGame(settings, inputs);
    QVERIFY(outcome.basicModeForced);
    QVERIFY(!outcome.settings.basicDoomMode);
    QVERIFY(outcome.commandLine.contains(QStringLiteral("-spx -nc -nht -np -nto ")));

    settings.basicDoomMode = true;
    outcome = launchInstalledGame(settings, inputs);
    QVERIFY(!outcome.basicModeForced);
    QVERIFY(outcome.settings.basicDoomMode);

    // Refused after the class was read: nothing is left to undo.
    settings.basicDoomMode = false;
    inputs.iwadFiles.insert(kDoom2, IwadFileFacts{});
    outcome = launchInstalledGame(settings, inputs);
    QVERIFY(outcome.refused());
    QVERIFY(!outcome.basicModeForced);
    QVERIFY(!outcome.settings.basicDoomMode);
}

void TestLaunchChecks::skillZeroMakesANewGame()
{
    LauncherSettings settings = launchSettings();
    settings.skill = 0;
    LaunchInputs inputs = baseInputs();

    QCOMPARE(launchInstalledGame(settings, inputs).state.kind, LaunchKind::NewGame);
    // The commercial procedure leaves the kind alone.
    QCOMPARE(launchCommercialGame(settings, inputs).state.kind, LaunchKind::WarpToMap);
}

void TestLaunchChecks::finalDoomIwadBecomesTheLaunchIwad()
{
    LauncherSettings settings = launchSettings();
    LaunchInputs inputs = baseInputs();
    inputs.registry.setPath(IwadType::Tnt, kTnt);
    inputs.iwadFiles.insert(kTnt, IwadFileFacts{true, false});
    inputs.game.compatibilityClass = 1;

    const LaunchOutcome outcome = launchInstalledGame(settings, inputs);
    QCOMPARE(outcome.state.iwadPath, kTnt);
    QVERIFY(outcome.commandLine.startsWith(
        QStringLiteral(R"(Bin\Zorn3D -iwad "/z3d/Iwads/TNT.WAD" )")));
}

Z3D_TEST_GUILESS_MAIN(TestLaunchChecks)
#include "tst_launchchecks.moc"
