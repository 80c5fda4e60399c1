#include "core/iwads/IwadRegistry.h"
#include "core/iwads/IwadsCfg.h"
#include "core/iwads/IwadSearch.h"
#include "core/iwads/IwadStartupLoad.h"
#include "core/platform/FaultInjector.h"
#include "core/settings/LauncherSettings.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

// Folders of the tree that stand for the two environment variables' values.
const QString kPlainWadDir = QStringLiteral("Env/Plain");
const QString kDollarWadDir = QStringLiteral("Env/Dollar");
// The five IWADs in the plain DOOMWADDIR, in no order the launcher keeps.
const QStringList kAllFiveInPlain{"Env/Plain/Doom1.wad", "Env/Plain/Plutonia.wad",
                                  "Env/Plain/Tnt.wad", "Env/Plain/Doom.wad", "Env/Plain/Doom2.wad"};

// A relative folder of the tree as an environment value; "" stays unset, a name starting
// with '!' is a folder that does not exist.
QString envValue(const InstallTree& tree, const QString& relative)
{
    if (relative.isEmpty())
        return {};
    if (relative.startsWith(u'!'))
        return tree.path(relative.mid(1));
    return tree.path(relative);
}

void addWads(InstallTree& tree, const QStringList& files)
{
    for (const QString& file : files)
        tree.addFile(file, "IWAD");
}

IwadLocationLines linesOf(const InstallTree& tree, const QStringList& relative)
{
    IwadLocationLines lines;
    for (int i = 0; i < relative.size() && i < 4; ++i)
        lines[static_cast<std::size_t>(i)] =
            relative.at(i).isEmpty() ? QString() : tree.path(relative.at(i));
    return lines;
}

} // namespace

class TestIwadSearch : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        FaultInjector::clear();
        QDir::setCurrent(QDir::tempPath());
    }

    void searchOrder_data()
    {
        const DataTable<QStringList, QString, QString, QStringList> row("files", "dollarWadDir",
                                                                        "plainWadDir", "expected");

        row("all five in DOOMWADDIR",
            QStringList{"Env/Plain/Doom1.wad", "Env/Plain/PLUTONIA.WAD", "Env/Plain/tnt.wad",
                        "Env/Plain/Doom.wad", "Env/Plain/doom2.wad"},
            "", kPlainWadDir,
            QStringList{"Env/Plain/doom2.wad", "Env/Plain/Doom.wad", "Env/Plain/tnt.wad",
                        "Env/Plain/PLUTONIA.WAD", "Env/Plain/Doom1.wad"});
        row("$DOOMWADDIR wins, DOOMWADDIR not searched",
            QStringList{"Env/Dollar/Doom2.wad", "Env/Plain/Doom2.wad", "Env/Plain/Doom.wad"},
            kDollarWadDir, kPlainWadDir, QStringList{"Env/Dollar/Doom2.wad"});
        row("$DOOMWADDIR not a folder: DOOMWADDIR searched", QStringList{"Env/Plain/Doom2.wad"},
            "!Env/Gone", kPlainWadDir, QStringList{"Env/Plain/Doom2.wad"});
        row("$DOOMWADDIR naming a file is no folder",
            QStringList{"Env/Dollar/Doom2.wad", "Env/Plain/Doom.wad"}, "Env/Dollar/Doom2.wad",
            kPlainWadDir, QStringList{"Env/Plain/Doom.wad"});
        row("DOOMWADDIR beats the installation",
            QStringList{"Doom2.wad", "Env/Plain/Doom2.wad", "Data/Doom.wad"}, "", kPlainWadDir,
            QStringList{"Env/Plain/Doom2.wad", "Data/Doom.wad"});
        row("installation folders Root, Data, Iwads",
            QStringList{"Iwads/Doom2.wad", "Iwads/Doom.wad", "Data/Doom.wad", "Data/Tnt.wad",
                        "Tnt.wad", "Iwads/Plutonia.wad"},
            "", "",
            QStringList{"Tnt.wad", "Data/Doom.wad", "Iwads/Doom2.wad", "Iwads/Plutonia.wad"});
        row("folders in another case", QStringList{"IWADS/DOOM2.WAD", "data/plutonia.Wad"}, "", "",
            QStringList{"data/plutonia.Wad", "IWADS/DOOM2.WAD"});
        row("shareware: DOOMWADDIR first",
            QStringList{"Doom1.wad", "Data/Doom1.wad", "Iwads/Doom1.wad", "Env/Plain/Doom1.wad"},
            "", kPlainWadDir, QStringList{"Env/Plain/Doom1.wad"});
        row("shareware: Iwads before Data before Root",
            QStringList{"Doom1.wad", "Data/Doom1.wad", "Iwads/Doom1.wad"}, "", "",
            QStringList{"Iwads/Doom1.wad"});
        row("shareware: Data before Root", QStringList{"Doom1.wad", "Data/Doom1.wad"}, "", "",
            QStringList{"Data/Doom1.wad"});
        row("shareware: Root last", QStringList{"Doom1.wad"}, "", "", QStringList{"Doom1.wad"});
        row("shareware registered after every full game",
            QStringList{"Env/Plain/Doom1.wad", "Iwads/Plutonia.wad"}, "", kPlainWadDir,
            QStringList{"Iwads/Plutonia.wad", "Env/Plain/Doom1.wad"});
        row("other names and folders ignored",
            QStringList{"Doom3.wad", "Data/Heretic.wad", "Iwads/Doom2.wad/inside.txt",
                        "Iwads/Doom2.wad.bak"},
            "", "", QStringList{});
    }

    void searchOrder()
    {
        const auto [files, dollarWadDir, plainWadDir, expected] =
            fetchRow<QStringList, QString, QString, QStringList>("files", "dollarWadDir", "plainWadDir", "expected");

        InstallTree tree;
        addWads(tree, files);
        IwadRegistry registry;
        searchIwads(registry, tree.paths(),
                    {envValue(tree, dollarWadDir), envValue(tree, plainWadDir)});
        QCOMPARE(tree.relative(registry.registrationOrder()), expected);
    }

    void allFiveListedInGamesListOrder()
    {
        InstallTree tree;
        addWads(tree, kAllFiveInPlain);
        IwadRegistry registry;
        searchIwads(registry, tree.paths(), {QString(), tree.path(kPlainWadDir)});
        QStringList names;
        for (IwadType type : registry.listedGames())
            names << QString::fromLatin1(iwadInfo(type).displayName);
        QCOMPARE(names, (QStringList{"Shareware Doom", "Doom/Ultimate Doom", "Doom II",
                                     "The Plutonia Experiment", "TNT - Final Doom"}));
    }

    void emptyEnvironmentDoesNotSearchTheCurrentFolder()
    {
        InstallTree tree;
        addWads(tree, {"Elsewhere/Doom2.wad", "Elsewhere/Doom1.wad"});
        QVERIFY(QDir::setCurrent(tree.path("Elsewhere")));
        IwadRegistry registry;
        searchIwads(registry, tree.paths(), {});
        QVERIFY(registry.registrationOrder().isEmpty());
        QVERIFY(registry.isEmpty());
    }

    void readIwadsCfg_data()
    {
        const DataTable<QStringList, QStringList, QStringList, QString, bool> row(
            "cfgLines", // tree-relative; "" an empty line
            "files", "expected", "dialogFolder", "cfgKept");

        row("two lines", QStringList{"Games/A/Doom2.wad", "Games/B/Tnt.wad"},
            QStringList{"Games/A/Doom2.wad", "Games/B/Tnt.wad"},
            QStringList{"Games/A/Doom2.wad", "Games/B/Tnt.wad"}, "Games/A", true);
        row("four lines, two empty",
            QStringList{"Games/A/Doom.wad", "", "Games/A/Plutonia.wad", ""},
            QStringList{"Games/A/Doom.wad", "Games/A/Plutonia.wad"},
            QStringList{"Games/A/Doom.wad", "Games/A/Plutonia.wad"}, "Games/A", true);
        row("stale first line: folder still taken",
            QStringList{"Gone/Doom2.wad", "Games/B/Doom.wad"}, QStringList{"Games/B/Doom.wad"},
            QStringList{"Games/B/Doom.wad"}, "Gone", true);
        row("none existing: file deleted", QStringList{"Gone/Doom2.wad", "Gone/Doom.wad", "", ""},
            QStringList{}, QStringList{}, "Gone", false);
        row("empty file deleted", QStringList{}, QStringList{}, QStringList{}, "", false);
        row("only the first four lines", QStringList{"", "", "", "", "Games/A/Doom2.wad"},
            QStringList{"Games/A/Doom2.wad"}, QStringList{}, "", false);
        row("same game twice: first line wins",
            QStringList{"Games/A/Doom2.wad", "Games/B/Doom2.wad"},
            QStringList{"Games/A/Doom2.wad", "Games/B/Doom2.wad"}, QStringList{"Games/A/Doom2.wad"},
            "Games/A", true);
        row("existing file of another name kept but not registered",
            QStringList{"Games/A/readme.txt"}, QStringList{"Games/A/readme.txt"}, QStringList{},
            "Games/A", true);
    }

    void readIwadsCfg()
    {
        const auto [cfgLines, files, expected, dialogFolder, cfgKept] =
            fetchRow<QStringList, QStringList, QStringList, QString, bool>("cfgLines", "files", "expected", "dialogFolder", "cfgKept");

        InstallTree tree;
        addWads(tree, files);
        QStringList absolute;
        for (const QString& line : cfgLines)
            absolute << (line.isEmpty() ? QString() : tree.path(line));
        tree.addTextFile("Z3DLaunch/Data/iwads.cfg", absolute);

        IwadRegistry registry;
        z3d::readIwadsCfg(registry, tree.paths());
        QCOMPARE(tree.relative(registry.registrationOrder()), expected);
        QCOMPARE(tree.relative(registry.dialogFolder()),
                 dialogFolder.isEmpty() ? QString() : dialogFolder);
        QCOMPARE(tree.isFile("Z3DLaunch/Data/iwads.cfg"), cfgKept);
    }

    void readIwadsCfgRegistersTheOnDiskSpelling()
    {
        InstallTree tree;
        tree.addFile("Games/Doom/DOOM2.WAD", "IWAD");
        // Unix line ends and a line naming the file in another case.
        const QByteArray line = tree.path("games/doom/doom2.wad").toUtf8() + "\n";
        tree.addFile("Z3DLaunch/Data/iwads.cfg", line);
        IwadRegistry registry;
        z3d::readIwadsCfg(registry, tree.paths());
        QCOMPARE(registry.path(IwadType::Doom2), tree.path("Games/Doom/DOOM2.WAD"));
    }

    void missingOrUnreadableCfgChangesNothing()
    {
        InstallTree tree;
        IwadRegistry registry;
        registry.setDialogFolder(QStringLiteral("/kept"));
        z3d::readIwadsCfg(registry, tree.paths());
        QCOMPARE(registry.dialogFolder(), QStringLiteral("/kept"));

        const QString cfg = tree.addTextFile("Z3DLaunch/Data/iwads.cfg", {"/nowhere/Doom2.wad"});
        FaultInjector::fail(FileOperation::Read, cfg, ErrorNumber::PermissionDenied);
        z3d::readIwadsCfg(registry, tree.paths());
        QCOMPARE(registry.dialogFolder(), QStringLiteral("/kept"));
        QVERIFY2(tree.isFile("Z3DLaunch/Data/iwads.cfg"), "an unread file is not judged stale");
    }

    void writeIwadsCfgBytes()
    {
        InstallTree tree;
        tree.addTextFile("Z3DLaunch/Data/iwads.cfg", {"old", "old", "old", "old", "old"});
        const IwadLocationLines lines{"/g/DOOM2.WAD", "", "/h/Tnt.wad", ""};
        QCOMPARE(writeIwadsCfg(tree.paths(), lines), ErrorNumber::None);
        QCOMPARE(tree.readFile("Z3DLaunch/Data/iwads.cfg"),
                 QByteArray("/g/DOOM2.WAD\r\n\r\n/h/Tnt.wad\r\n\r\n"));

        QCOMPARE(writeIwadsCfg(tree.paths(), {}), ErrorNumber::None);
        QCOMPARE(tree.readFile("Z3DLaunch/Data/iwads.cfg"), QByteArray("\r\n\r\n\r\n\r\n"));
    }

    void failedWriteKeepsTheOldFile()
    {
        InstallTree tree;
        const QString cfg = tree.addTextFile("Z3DLaunch/Data/iwads.cfg", {"/g/Doom.wad"});
        FaultInjector::fail(FileOperation::Write, cfg, ErrorNumber::PathFileAccessError);
        QCOMPARE(writeIwadsCfg(tree.paths(), {"/x/Doom2.wad", "", "", ""}),
                 ErrorNumber::PathFileAccessError);
        QCOMPARE(tree.readFile("Z3DLaunch/Data/iwads.cfg"), QByteArray("/g/Doom.wad\r\n"));
    }

    void loadFolderBeatsCfg()
    {
        InstallTree tree;
        addWads(tree, {"Env/Plain/Doom2.wad", "Games/Doom2.wad", "Games/Plutonia.wad"});
        tree.addTextFile("Z3DLaunch/Data/iwads.cfg",
                         {tree.path("Games/Doom2.wad"), tree.path("Games/Plutonia.wad"), "", ""});
        IwadRegistry registry;
        const IwadLoadResult result =
            loadIwads(registry, tree.paths(), {QString(), tree.path(kPlainWadDir)});
        QCOMPARE(registry.path(IwadType::Doom2), tree.path("Env/Plain/Doom2.wad"));
        QCOMPARE(registry.path(IwadType::Plutonia), tree.path("Games/Plutonia.wad"));
        QCOMPARE(result.lines, linesOf(tree, {"Env/Plain/Doom2.wad", "Games/Plutonia.wad"}));
        QVERIFY(!result.noIwadRegistered);
        QVERIFY(registry.registrationOrder().isEmpty());
        QCOMPARE(registry.dialogFolder(), tree.path("Games"));
        QVERIFY(tree.isFile("Z3DLaunch/Data/iwads.cfg"));
    }

    void loadFiveIwadsShowsFour()
    {
        InstallTree tree;
        addWads(tree, kAllFiveInPlain);
        IwadRegistry registry;
        const IwadLoadResult result =
            loadIwads(registry, tree.paths(), {QString(), tree.path(kPlainWadDir)});
        QCOMPARE(result.lines, linesOf(tree, {"Env/Plain/Doom2.wad", "Env/Plain/Doom.wad",
                                              "Env/Plain/Tnt.wad", "Env/Plain/Plutonia.wad"}));
        QCOMPARE(registry.path(IwadType::Doom1), tree.path("Env/Plain/Doom1.wad"));
        QCOMPARE(registry.listedGames().size(), 5);
        QVERIFY(registry.registrationOrder().isEmpty());
    }

    void loadDeletesSideFilesOfTheFirstFour()
    {
        InstallTree tree;
        addWads(tree, {"Env/Plain/DOOM2.WAD", "Env/Plain/Doom.wad", "Env/Plain/Tnt.wad",
                       "Env/Plain/Plutonia.wad", "Env/Plain/Doom1.wad"});
        for (const char* side :
             {"Env/Plain/DOOM2.Z3Dgwa", "Env/Plain/doom.z3dgwa", "Env/Plain/Tnt.Z3Dgwa",
              "Env/Plain/Plutonia.Z3Dgwa", "Env/Plain/Doom1.Z3Dgwa", "Env/Plain/Doom2.gwa"})
            tree.addFile(side, "nodes");
        IwadRegistry registry;
        loadIwads(registry, tree.paths(), {QString(), tree.path(kPlainWadDir)});
        QVERIFY(!tree.exists("Env/Plain/DOOM2.Z3Dgwa"));
        QVERIFY(!tree.exists("Env/Plain/doom.z3dgwa"));
        QVERIFY(!tree.exists("Env/Plain/Tnt.Z3Dgwa"));
        QVERIFY(!tree.exists("Env/Plain/Plutonia.Z3Dgwa"));
        QVERIFY2(tree.isFile("Env/Plain/Doom1.Z3Dgwa"), "the fifth IWAD has no line");
        QVERIFY(tree.isFile("Env/Plain/Doom2.gwa"));
        QVERIFY(tree.isFile("Env/Plain/DOOM2.WAD"));
    }

    void loadWithoutIwadsForgetsTheLastGame()
    {
        InstallTree tree;
        tree.addTextFile("Z3DLaunch/Data/iwads.cfg", {tree.path("Gone/Doom2.wad")});
        IwadRegistry registry;
        LauncherSettings settings;
        settings.lastDoomGame = QStringLiteral("DOOM II");
        const IwadLoadResult result = loadIwadsAtStartup(registry, tree.paths(), settings, {});
        QVERIFY(result.noIwadRegistered);
        QCOMPARE(result.lines, IwadLocationLines{});
        QVERIFY(settings.lastDoomGame.isEmpty());
        QVERIFY(!tree.exists("Z3DLaunch/Data/iwads.cfg"));

        tree.addFile("Iwads/Doom2.wad", "IWAD");
        settings.lastDoomGame = QStringLiteral("DOOM II");
        QVERIFY(!loadIwadsAtStartup(registry, tree.paths(), settings, {}).noIwadRegistered);
        QCOMPARE(settings.lastDoomGame, QStringLiteral("DOOM II"));
    }
};

Z3D_TEST_GUILESS_MAIN(TestIwadSearch)
#include "tst_iwadsearch.moc"
