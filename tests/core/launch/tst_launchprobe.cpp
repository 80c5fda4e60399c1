// The disk tests a launch depends on, on throw-away installation trees, and the small rules
// of a launch; then a whole launch from a probed tree.

#include "core/iwads/IwadSearch.h"
#include "core/launch/EngineCommandLine.h"
#include "core/launch/LaunchAssembler.h"
#include "core/launch/LaunchProbe.h"
#include "core/launch/LaunchRules.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QRegularExpression>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestLaunchProbe : public QObject
{
    Q_OBJECT

private slots:
    void decideIwadArgument_data();
    void decideIwadArgument();
    void hasOwnHiResFolders_data();
    void hasOwnHiResFolders();
    void probeFillsTheDiskFacts();
    void probedCommercialLaunch();
    void xdgIwadsLaunchByPath();
    void playlistSwitches_data();
    void playlistSwitches();

    void ricochetCommandValue_data();
    void ricochetCommandValue();
    void selectIwadPath_data();
    void selectIwadPath();
    void iwadSwitchName_data();
    void iwadSwitchName();
    void bareLineHasNoArguments();
};

void TestLaunchProbe::decideIwadArgument_data()
{
    // file is created under the root (empty: none), wadDir is DOOMWADDIR under the root
    // ("" unset), iwadFile is the IWAD's own path under the root.
    const DataTable<QString, QString, QString, bool> row("file", "wadDir", "iwadFile", "byPath");
    row("in Iwads", "Iwads/Doom2.wad", "", "Elsewhere/Doom2.wad", false);
    row("in Iwads, other case", "iwads/DOOM2.WAD", "", "Elsewhere/doom2.wad", false);
    row("in Data", "Data/TNT.WAD", "", "Elsewhere/Tnt.wad", false);
    row("in the root", "Plutonia.wad", "", "Elsewhere/Plutonia.wad", false);
    row("in DOOMWADDIR", "Wads/Doom.wad", "Wads", "Elsewhere/Doom.wad", false);
    row("found nowhere else", "", "Wads", "Elsewhere/Doom2.wad", true);
    row("in another folder of the tree", "Z3DLaunch/Doom2.wad", "", "Elsewhere/Doom2.wad", true);
    row("a folder of that name is no file", "Iwads/Doom2.wad/", "", "Elsewhere/Doom2.wad", true);
    row("only in Z3DLaunch/Data", "Z3DLaunch/Data/Doom2.wad", "", "Elsewhere/Doom2.wad", true);
    row("in an XDG game folder", "", "", "Xdg/Share/games/doom/doom2.wad", true);
    row("Freedoom", "", "", "Xdg/Share/games/doom/freedoom2.wad", true);
    row("Freedoom in Iwads as well", "Iwads/FREEDOOM1.WAD", "", "Elsewhere/freedoom1.wad", true);
    row("Freedoom in DOOMWADDIR", "Wads/freedoom2.wad", "Wads", "Wads/freedoom2.wad", true);
}

void TestLaunchProbe::decideIwadArgument()
{
    const auto [file, wadDir, iwadFile, byPath] =
        fetchRow<QString, QString, QString, bool>("file", "wadDir", "iwadFile", "byPath");

    InstallTree tree(InstallTree::Empty);
    tree.addFolder("Wads");
    if (file.endsWith('/'))
        tree.addFolder(file);
    else if (!file.isEmpty())
        tree.addFile(file, "IWAD");
    const QString iwad = tree.addFile(iwadFile, "IWAD");
    const QString env = wadDir.isEmpty() ? QString() : tree.path(wadDir);

    QCOMPARE(LaunchProbe::decideIwadArgument(iwad, env, tree.root()), byPath);
    const IwadFileFacts facts = LaunchProbe::iwadFileFacts(iwad, env, tree.root());
    QVERIFY(facts.exists);
    QCOMPARE(facts.foundByEngine, !byPath);
}

void TestLaunchProbe::hasOwnHiResFolders_data()
{
    const DataTable<QStringList, QString, bool> row("folders", "baseName", "own");
    row("both", QStringList{"Data/Custom.hires/castle", "Md2/castle"}, "castle", true);
    row("both, other case", QStringList{"data/custom.HIRES/CASTLE", "MD2/Castle"}, "castle", true);
    row("textures only", QStringList{"Data/Custom.hires/castle", "Md2/other"}, "castle", false);
    row("models only", QStringList{"Data/Custom.hires/other", "Md2/castle"}, "castle", false);
    row("no name", QStringList{"Data/Custom.hires/x", "Md2/x"}, "", false);
}

void TestLaunchProbe::hasOwnHiResFolders()
{
    const auto [folders, baseName, own] =
        fetchRow<QStringList, QString, bool>("folders", "baseName", "own");

    InstallTree tree(InstallTree::Empty);
    for (const QString& folder : folders)
        tree.addFolder(folder);
    QCOMPARE(LaunchProbe::hasOwnHiResFolders(tree.root(), baseName), own);
}

void TestLaunchProbe::probeFillsTheDiskFacts()
{
    InstallTree tree;
    const QString doom2 = tree.addFile("Iwads/DOOM2.WAD", "IWAD");
    const QString tnt = tree.addFile("cdrom/TNT.WAD", "IWAD");
    tree.addFiles({"Z3DLaunch/Music/Fennick - TNT.z3m", "Z3DLaunch/Music/Tavish - Doom2.Z3M",
                   "Md2/Orrinpack/ORRINPACK.WAD"}, "x");
    tree.addFolder("Data/Custom.hires/castle");
    tree.addFolder("Md2/castle");
    tree.addFolder("HiRes/Textures");
    tree.addFolder("HiRes/Patches");

    LauncherSettings settings;
    settings.playlistName = QStringLiteral("fennick - tnt");
    LaunchInputs in;
    in.paths = tree.paths();
    in.registry.setPath(IwadType::Doom2, doom2);
    in.registry.setPath(IwadType::Tnt, tnt);
    in.registry.setPath(IwadType::Doom, tree.path("Iwads/Doom.wad")); // gone
    in.iwadFiles.insert(doom2, IwadFileFacts{false, false});          // stale: probed anew
    in.game.mainFile = tree.path("Z3DGames/Castle/Pwads/Castle.wad");
    in.texturePath = tree.path("HiRes/Textures");
    in.textureSetDir = tree.path("HiRes");
    in.autoPlaylists.insert(doom2, {QStringLiteral("Tavish - Doom2"), true, false});
    in.autoPlaylists.insert(tnt, {QStringLiteral("Tavish - TNT"), true, true});

    LaunchProbe::probe(in, settings);

    QCOMPARE(in.iwadFacts(doom2).exists, true);
    QCOMPARE(in.iwadFacts(doom2).foundByEngine, true);
    QCOMPARE(in.iwadFacts(tnt).exists, true);
    QCOMPARE(in.iwadFacts(tnt).foundByEngine, false);
    QCOMPARE(in.iwadFacts(tree.path("Iwads/Doom.wad")).exists, false);
    QVERIFY(in.ownHiResFolders);
    QVERIFY(in.texturePathIsFolder);
    QVERIFY(in.textureSetPatchesExist);
    QVERIFY(in.manualPlaylistFileExists);
    QVERIFY(in.autoPlaylists.value(doom2).fileExists);
    QVERIFY(!in.autoPlaylists.value(tnt).fileExists);
    QVERIFY(in.orrinpackWadFound);

    tree.removeFolder("Md2/castle");
    tree.removeFolder("HiRes/Patches");
    tree.removeFile("Md2/Orrinpack/ORRINPACK.WAD");
    settings.playlistName.clear();
    LaunchProbe::probe(in, settings);
    QVERIFY(!in.ownHiResFolders);
    QVERIFY(!in.textureSetPatchesExist);
    QVERIFY(!in.manualPlaylistFileExists);
    QVERIFY(!in.orrinpackWadFound);
}

// The games found in the XDG folders, Freedoom among them, reach the engine by their paths.
void TestLaunchProbe::xdgIwadsLaunchByPath()
{
    InstallTree tree;
    const QString doom2 = tree.addFile("Xdg/Home/games/doom/doom2.wad", "IWAD");
    const QString freedoom1 = tree.addFile("Xdg/Share/games/doom/freedoom1.wad", "IWAD");
    tree.addFile("Xdg/Share/games/doom/freedoom2.wad", "IWAD");
    IwadEnvironment environment;
    environment.xdgDataFolders = QStringList{tree.path("Xdg/Home"), tree.path("Xdg/Share")};

    LaunchInputs in;
    in.paths = tree.paths();
    searchIwads(in.registry, in.paths, environment);
    QCOMPARE(in.registry.path(IwadType::Doom2), doom2);
    QCOMPARE(in.registry.path(IwadType::Doom), freedoom1);
    in.state.kind = LaunchKind::WarpToMap;
    in.state.warpArgument = QStringLiteral("07");
    in.selectedIwadFile = doom2;
    LauncherSettings settings;
    settings.skill = 4;
    LaunchProbe::probe(in, settings);
    const QString rest = QStringLiteral(R"( -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams )"
                                        R"(-tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp )");

    LaunchOutcome outcome = launchCommercialGame(settings, in);
    QVERIFY(outcome.iwadByPath);
    const auto byPath = [&](const QString& iwad, const char* warp) {
        return QStringLiteral("Bin\\Zorn3D -iwad \"") + iwad + QStringLiteral("\"") + rest +
               QLatin1String(warp);
    };
    QCOMPARE(outcome.commandLine, byPath(doom2, "07 "));

    in.selectedIwadFile = freedoom1;
    in.state.warpArgument = QStringLiteral("1 1");
    outcome = launchCommercialGame(settings, in);
    QVERIFY(outcome.iwadByPath);
    QCOMPARE(outcome.commandLine, byPath(freedoom1, "1 1 "));
}

void TestLaunchProbe::probedCommercialLaunch()
{
    InstallTree tree;
    const QString inIwads = tree.addFile("Iwads/Doom2.wad", "IWAD");
    const QString outside = tree.addFile("Games/Pl/PLUTONIA.WAD", "IWAD");

    LaunchInputs in;
    in.paths = tree.paths();
    in.registry.setPath(IwadType::Doom2, inIwads);
    in.registry.setPath(IwadType::Plutonia, outside);
    in.state.kind = LaunchKind::WarpToMap;
    in.state.warpArgument = QStringLiteral("07");
    in.selectedIwadFile = inIwads;
    LauncherSettings settings;
    settings.skill = 4;
    LaunchProbe::probe(in, settings);

    LaunchOutcome outcome = launchCommercialGame(settings, in);
    QCOMPARE(outcome.commandLine,
             QStringLiteral(R"(Bin\Zorn3D -doom2 -am -data hv_doom_sfx.wad -3d -ch 32 -upm )"
                            R"(-amwds -ams -tc -usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )"));

    in.selectedIwadFile = outside;
    outcome = launchCommercialGame(settings, in);
    QCOMPARE(outcome.commandLine,
             QStringLiteral(R"(Bin\Zorn3D -iwad ")") + outside +
                 QStringLiteral(R"(" -am -data hv_doom_sfx.wad -3d -ch 32 -upm -amwds -ams -tc )"
                                R"(-usb -ro -ct 9 -cmd "rend-light 1" -sk 4 -wp 07 )"));

    // The file went away after the probe.
    tree.removeFile("Games/Pl/PLUTONIA.WAD");
    LaunchProbe::probe(in, settings);
    outcome = launchCommercialGame(settings, in);
    QVERIFY(outcome.refused());
    QVERIFY(outcome.refusal->openIwadWindow);
}

void TestLaunchProbe::playlistSwitches_data()
{
    const QStringList doom2Mine{"H", "Doom/Ultimate Doom Placeholder", "Mine",
                                "Plutonia - Placeholder", "TNT - Placeholder"};
    // mode is "manual", "auto" or "off"; highlighted the playlistName; autoFile
    // auto-playlist.z3d's lines (none when empty); playlists the files in MusicDir; pieces what
    // stands between "-ch 32 " and "-upm ".
    const DataTable<QString, QString, QStringList, QStringList, QString> row(
        "mode", "highlighted", "autoFile", "playlists", "pieces");
    row("manual", "manual", "Mine", {}, {"Mine.z3m"}, R"(-extmus "Mine" )");
    row("manual, dotted name", "manual", "Doom Mix v1.2", {}, {"Doom Mix v1.2.z3m"},
        R"(-extmus "Doom Mix v1" )");
    row("manual, file gone", "manual", "Gone", {}, {"Mine.z3m"}, "");
    row("auto, Doom II entry listed", "auto", "", doom2Mine, {"MINE.Z3M"}, R"(-extmus "Mine" )");
    row("auto, dotted name", "auto", "", {"H", "D", "Mix v1.2", "P", "T"}, {"Mix v1.2.z3m"},
        R"(-extmus "Mix v1" )");
    row("auto, placeholder", "auto", "", {"H", "D", "Doom II - Placeholder", "P", "T"},
        {"Mine.z3m"}, "");
    row("auto, playlist deleted", "auto", "", doom2Mine, {"Other.z3m"}, "");
    row("auto, no auto-playlist file", "auto", "Mine", {}, {"Mine.z3m"}, "");
    row("auto, another game's entry", "auto", "", {"H", "D", "X", "P", "Mine"}, {"Mine.z3m"}, "");
    row("auto, short file", "auto", "", {"H", "D"}, {"Mine.z3m"}, "");
    row("auto off", "off", "Mine", doom2Mine, {"Mine.z3m"}, "");
}

void TestLaunchProbe::playlistSwitches()
{
    const auto [mode, highlighted, autoFile, playlists, pieces] =
        fetchRow<QString, QString, QStringList, QStringList, QString>("mode", "highlighted", "autoFile", "playlists", "pieces");

    InstallTree tree;
    const QString doom2 = tree.addFile("Iwads/Doom2.wad", "IWAD");
    if (!autoFile.isEmpty())
        tree.addTextFile("Z3DLaunch/Music/auto-playlist.z3d", autoFile);
    for (const QString& playlist : playlists)
        tree.addFile("Z3DLaunch/Music/" + playlist, "x");

    LaunchInputs in;
    in.paths = tree.paths();
    in.registry.setPath(IwadType::Doom2, doom2);
    in.state.kind = LaunchKind::WarpToMap;
    in.state.warpArgument = QStringLiteral("01");
    in.selectedIwadFile = doom2;
    LauncherSettings settings;
    settings.playlistName = highlighted;
    settings.manualPlaylist = mode == u"manual";
    settings.autoPlaylist = mode == u"auto";
    LaunchProbe::probe(in, settings);

    const QString line = launchCommercialGame(settings, in).commandLine;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral(R"(-ch 32 (.*)-upm )")).match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));
    QCOMPARE(match.captured(1), pieces);
}

void TestLaunchProbe::ricochetCommandValue_data()
{
    const DataTable<int, QString> row("value", "command");
    row("1", 1, "10");
    row("2", 2, "9");
    row("4", 4, "7");
    row("9", 9, "2");
    row("0", 0, "");
    row("10", 10, "");
    row("-1", -1, "");
}

void TestLaunchProbe::ricochetCommandValue()
{
    QFETCH(int, value);
    QTEST(LaunchRules::ricochetCommandValue(value), "command");
}

void TestLaunchProbe::selectIwadPath_data()
{
    const DataTable<QString, QString> row("fileName", "path");
    row("Doom1.wad", "Doom1.wad", "/w/DOOM1.WAD");
    row("DOOM.WAD", "DOOM.WAD", "/w/Doom.wad");
    row("doom2.wad", "doom2.wad", "/w/doom2.wad");
    row("Plutonia.wad", "PLUTONIA.wad", "/w/plutonia.wad");
    row("Tnt.wad", "tnt.WAD", "/w/TNT.WAD");
    row("another name", "castle.wad", "/current.wad");
    row("a full path", "/x/y/Doom2.WAD", "/w/doom2.wad");
}

void TestLaunchProbe::selectIwadPath()
{
    const auto [fileName, path] = fetchRow<QString, QString>("fileName", "path");
    IwadRegistry registry;
    for (const char* p :
         {"/w/DOOM1.WAD", "/w/Doom.wad", "/w/doom2.wad", "/w/plutonia.wad", "/w/TNT.WAD"})
        QVERIFY(registry.registerIwad(QString::fromLatin1(p)));
    QCOMPARE(LaunchRules::selectIwadPath(fileName, registry, "/current.wad"), path);
}

void TestLaunchProbe::iwadSwitchName_data()
{
    const DataTable<QString, QString> row("path", "name");
    row("upper case", "/w/DOOM2.WAD", "doom2");
    row("mixed case", "/w/Plutonia.wad", "plutonia");
    row("backslashes", R"(C:\Games\TNT.WAD)", "tnt");
}

void TestLaunchProbe::iwadSwitchName()
{
    QFETCH(QString, path);
    QTEST(LaunchRules::iwadSwitchName(path), "name");
}

void TestLaunchProbe::bareLineHasNoArguments()
{
    EngineCommandLine line;
    QCOMPARE(line.text(), QStringLiteral(R"(Bin\Zorn3D)"));
    QCOMPARE(line.arguments(), QString());
    line.append(" -doom2 ");
    line.appendQuoted(QStringLiteral("a b"));
    QCOMPARE(line.text(), QStringLiteral(R"(Bin\Zorn3D -doom2 "a b" )"));
    QCOMPARE(line.arguments(), QStringLiteral(R"(-doom2 "a b" )"));
}

Z3D_TEST_GUILESS_MAIN(TestLaunchProbe)
#include "tst_launchprobe.moc"
