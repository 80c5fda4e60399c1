// The checker interface against scripted tool outputs: the reading rules, the command lines
// and folders of a run, pwad.z3d byte for byte, and checkpwad.z3d lookups.

#include "core/inspect/CheckerOutput.h"
#include "core/inspect/CheckerTool.h"
#include "core/platform/FaultInjector.h"

#include "support/CurrentFolder.h"
#include "support/DataTable.h"
#include "support/FileChanges.h"
#include "support/InstallTree.h"
#include "support/RecordingProcesses.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

Q_DECLARE_METATYPE(z3d::test::FileChange)

namespace {

const QString kTwelveMaps =
    QStringLiteral("Number of maps: 12\nWad type: PWAD  Lumps: 24\nStatus: OK\n"
                   "MAP01 binary map\nMAP02 binary map\nMAP03 binary map\nMAP04 binary map\n"
                   "MAP05 binary map\nMAP06 binary map\nMAP07 binary map\nMAP08 binary map\n"
                   "MAP09 binary map\nMAP10 binary map\nMAP11 binary map\nMAP12 binary map\n");

const QStringList kKnownPwads{"  Tntside.wad",      "Check2",       "PlutoEdge.wad",
                              "CHECK3 - Boom maps", "BoomTown.wad", "Check5",
                              "StxRun.wad",         "Check7",       "PlainOld.wad"};

// The list of known add-ons as a lookup finds it.
enum class KnownList
{
    Readable,
    Missing,
    Unreadable,
};

// The checker interface over a fresh installation tree, its tool's outputs scripted.
struct CheckerRig
{
    InstallTree tree;
    InstallPaths paths = tree.paths();
    RecordingProcesses processes;
    CheckerTool tool{paths, processes};
};

} // namespace

Q_DECLARE_METATYPE(KnownList)

class TestCheckerTool : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void mapCountCode_data();
    void mapCountCode();
    void mapNames_data();
    void mapNames();
    void saveEntries_data();
    void saveEntries();
    void runsInBinAndKeepsOutput();
    void quotesAwkwardPaths_data();
    void quotesAwkwardPaths();
    void emptyOutput();
    void answerIsKeptWhileTheWadStaysAsItWas_data();
    void answerIsKeptWhileTheWadStaysAsItWas();
    void unwritableOutputFileDoesNotServeStaleItems();
    void knownPwad_data();
    void knownPwad();
};

void TestCheckerTool::mapCountCode_data()
{
    const DataTable<QString, int> row("output", "code");
    row("twelve maps", kTwelveMaps, 112);
    row("one map, line end", "Number of maps: 1\nWad type: PWAD\n", 101);
    row("one map, blank", "Number of maps: 1 \n", 101);
    row("no maps", "Number of maps: 0\nWad type: PWAD\n", 100);
    row("more than 99", "Number of maps: 99+ (120)\n", 199);
    row("empty", "", 10);
    row("short", "Error", 10);
    row("ends at the digit", "Number of maps: 7", 17);
    row("blank before digit", "Number of maps:  5\n", 15);
    row("letter", "Number of maps: x\n", 10);
}

void TestCheckerTool::mapCountCode()
{
    QFETCH(QString, output);
    QTEST(CheckerOutput::mapCountCode(output), "code");
}

void TestCheckerTool::mapNames_data()
{
    const DataTable<QStringList, QStringList, QStringList, bool> row("items", "mapNames",
                                                                     "mapTitles", "hasMaps");
    const QStringList header{"Number of maps: 2", "Wad type: PWAD", "Status: OK"};
    row("maps and the empty item of the last line end",
        header + QStringList{"E1M1 binary map", "MAP10 text map (UDMF)", ""},
        QStringList{"E1M1", "MAP10"}, QStringList{"", ""}, true);
    row("four-letter name at the line end", header + QStringList{"E2M3"}, QStringList{"E2M3"},
        QStringList{""}, true);
    row("no maps", header + QStringList{""}, QStringList{}, QStringList{}, false);
    row("header only", header, QStringList{}, QStringList{}, false);
    row("titles, the comma's stand-in shown as a comma",
        header + QStringList{"MAP01 binary map \"Hydroelectric Plant\"",
                             "E1M1  text map (UDMF) \"Hell\u201A 'Again' \"twice\"\"",
                             "MAP02 binary map \"\"", "MAP03 binary map \"unfinished", ""},
        QStringList{"MAP01", "E1M1", "MAP02", "MAP03"},
        QStringList{"Hydroelectric Plant", "Hell, 'Again' \"twice\"", "", ""}, true);
}

void TestCheckerTool::mapNames()
{
    QFETCH(QStringList, items);
    QTEST(CheckerOutput::mapNames(items), "mapNames");
    QTEST(CheckerOutput::mapTitles(items), "mapTitles");
    QTEST(CheckerOutput::hasMaps(items), "hasMaps");
}

void TestCheckerTool::saveEntries_data()
{
    const DataTable<QStringList, QStringList> row("items", "entries");
    row("description with a comma, digit alone, empty item",
        QStringList{"3Reactor, second try", "5", "1Entry", ""},
        QStringList{"3 - Reactor, second try", "1 - Entry"});
    row("one character of description", QStringList{"0x"}, QStringList{"0 - x"});
}

void TestCheckerTool::saveEntries()
{
    QFETCH(QStringList, items);
    QTEST(CheckerOutput::saveEntries(items), "entries");
}

void TestCheckerTool::runsInBinAndKeepsOutput()
{
    CheckerRig rig;
    auto& [tree, paths, processes, tool] = rig;
    const QString wad = tree.addFile("Z3DGames/Big Set/Pwads/Big.wad");
    // The player's spelling of the path differs in case from the disk's.
    const QString line = "Z3Dgfiles CHECKWAD \"" + wad + "\"";
    processes.setOutput(line, kTwelveMaps);

    const CurrentFolder current(tree.path("Z3DLaunch"));
    QVERIFY(current.isSet());
    const WadMapList list = tool.loadWadMapList(tree.path("z3dgames/big set/pwads/BIG.WAD"));
    QCOMPARE(processes.calls().size(), 1);
    QCOMPARE(processes.calls().at(0).commandLine, line);
    QCOMPARE(processes.calls().at(0).workingFolder, tree.binDir());
    // The checker is started in its folder; the launcher's own folder is left alone.
    QCOMPARE(QDir::currentPath(), tree.path("Z3DLaunch"));

    QCOMPARE(list.output, kTwelveMaps);
    QVERIFY(!list.outputEmpty);
    QVERIFY(list.hasMaps());
    QCOMPARE(list.wadCheckList.size(), 16); // three header items, twelve maps, the last LF
    QCOMPARE(list.wadCheckList.last(), QString());
    QCOMPARE(list.mapNames.size(), 12);
    QCOMPARE(list.mapNames.first(), "MAP01");
    QCOMPARE(list.mapNames.last(), "MAP12");
    QCOMPARE(tree.readFile("Z3DLaunch/Data/pwad.z3d"), kTwelveMaps.toUtf8() + "\r\n");

    QCOMPARE(tool.checkWadMapCount(wad), 112);
    QCOMPARE(tool.lastOutput(), kTwelveMaps);

    const QString saves = tree.addFolder("Z3DGames/Big Set/savegame");
    processes.setOutput("Z3Dgfiles GETSAVEHDRS \"" + saves + "\"",
                        "\"3Reactor, second try\"\n\"5\"\n");
    QCOMPARE(tool.loadSaveHeaders(saves).entries, QStringList{"3 - Reactor, second try"});
    QCOMPARE(tree.readFile("Z3DLaunch/Data/pwad.z3d"),
             QByteArray("\"3Reactor, second try\"\n\"5\"\n\r\n"));
}

void TestCheckerTool::quotesAwkwardPaths_data()
{
    const DataTable<QString, QString> row("path", "commandLine");
    row("blanks", "/g/My Maps/a b.wad", "Z3Dgfiles CHECKWAD \"/g/My Maps/a b.wad\"");
    row("trailing backslash", R"(C:\Saves\)", R"(Z3Dgfiles CHECKWAD "C:\Saves\\")");
    QTest::newRow("double quote") << R"(/g/say "hi".wad)"
                                  << R"(Z3Dgfiles CHECKWAD "/g/say \"hi\".wad")";
}

void TestCheckerTool::quotesAwkwardPaths()
{
    QFETCH(QString, path);
    QTEST(CheckerTool::commandLine("CHECKWAD", path), "commandLine");
}

void TestCheckerTool::emptyOutput()
{
    CheckerRig rig;
    auto& [tree, paths, processes, tool] = rig;
    tree.addFile("Z3DLaunch/Data/pwad.z3d", "earlier\r\n");
    // The processes print nothing for every command.

    const WadMapList list = tool.loadWadMapList(tree.path("x.wad"));
    QVERIFY(list.outputEmpty);
    QVERIFY(list.wadCheckList.isEmpty());
    QVERIFY(!list.hasMaps());
    QCOMPARE(tree.readFile("Z3DLaunch/Data/pwad.z3d"), QByteArray("earlier\r\n"));
    QVERIFY(tool.loadSaveHeaders(tree.path("saves")).entries.isEmpty());
    QCOMPARE(tree.readFile("Z3DLaunch/Data/pwad.z3d"), QByteArray("earlier\r\n"));

    QCOMPARE(tool.checkWadMapCount(tree.path("x.wad")), 10);
    QCOMPARE(tree.readFile("Z3DLaunch/Data/pwad.z3d"), QByteArray("\r\n"));
}

// A wad is checked once while it stays as it was; any change makes the next question run the
// tool again, also a replacement of the same size with the modification time kept.
void TestCheckerTool::answerIsKeptWhileTheWadStaysAsItWas_data()
{
    const DataTable<FileChange, int> row("change", "runs");
    row("left alone", FileChange::None, 1);
    row("modification time moved", FileChange::TimeMoved, 2);
    row("rewritten, size and time kept", FileChange::RewrittenKeepingSizeAndTime, 2);
    row("replaced, size and time kept", FileChange::ReplacedKeepingSizeAndTime, 2);
}

void TestCheckerTool::answerIsKeptWhileTheWadStaysAsItWas()
{
    QFETCH(FileChange, change);
    QFETCH(int, runs);
    CheckerRig rig;
    auto& [tree, paths, processes, tool] = rig;
    const QString wad = tree.addFile("Z3DGames/Castle/Pwads/castle.wad", "PWAD of some size");
    processes.setOutput(CheckerTool::commandLine("CHECKWAD", wad), kTwelveMaps);

    QCOMPARE(tool.checkWadMapCounts({wad}), QList<int>{112});
    QVERIFY(changeFile(wad, change));
    QCOMPARE(tool.checkWadMapCount(wad), 112);
    QCOMPARE(tool.loadWadMapList(wad).mapNames.size(), 12);
    QCOMPARE(processes.calls().size(), runs);
}

void TestCheckerTool::unwritableOutputFileDoesNotServeStaleItems()
{
    CheckerRig rig;
    auto& [tree, paths, processes, tool] = rig;
    const QString kept = tree.addFile("Z3DLaunch/Data/pwad.z3d", "a\r\nb\r\nc\r\nMAP09\r\n");
    FaultInjector::fail(FileOperation::Write, kept, ErrorNumber::PermissionDenied);
    const QString wad = tree.addFile("one.wad");
    processes.setOutput("Z3Dgfiles CHECKWAD \"" + wad + "\"",
                        "Number of maps: 1\nWad type: PWAD\nStatus: OK\nE2M3 binary map\n");
    const WadMapList list = tool.loadWadMapList(wad);
    QCOMPARE(list.mapNames, QStringList{"E2M3"});
    QCOMPARE(list.wadCheckList.size(), 5);
}

void TestCheckerTool::knownPwad_data()
{
    const DataTable<KnownList, QString, int> row("list", "gameFile", "compatibilityClass");
    row("head, leading blanks skipped", KnownList::Readable, "/g/Tntside.wad", 1);
    row("Check2", KnownList::Readable, "/g/plutoedge.wad", 2);
    row("marker with text after it", KnownList::Readable, "/g/BOOMTOWN.WAD", 3);
    row("Check5, other case", KnownList::Readable, "/g/Side/STXRUN.wad", 5);
    row("Check7", KnownList::Readable, "/g/plainold.wad", 7);
    row("absent", KnownList::Readable, "/g/Elsewhere.wad", 0);
    row("name is only a prefix", KnownList::Readable, "/g/StxRun.wa", 0);
    row("no list", KnownList::Missing, "/g/Tntside.wad", 0);
    row("unreadable list", KnownList::Unreadable, "/g/Tntside.wad", 0);
}

void TestCheckerTool::knownPwad()
{
    QFETCH(KnownList, list);
    QFETCH(QString, gameFile);
    QFETCH(int, compatibilityClass);
    CheckerRig rig;
    auto& [tree, paths, processes, tool] = rig;
    if (list != KnownList::Missing) {
        const QString file = tree.addTextFile("Z3DLaunch/Data/CheckPwad.Z3D", kKnownPwads);
        if (list == KnownList::Unreadable)
            FaultInjector::fail(FileOperation::Read, file, ErrorNumber::PermissionDenied);
    }
    QCOMPARE(tool.lookUpKnownPwad(gameFile), compatibilityClass);
    QVERIFY(tool.lastOutput().isEmpty());
    QVERIFY(processes.calls().isEmpty());
}

Z3D_TEST_GUILESS_MAIN(TestCheckerTool)
#include "tst_checkertool.moc"
