// The operations of the installed-games menus on throw-away installations: which files,
// folders, records, side files and shortcuts each removes or moves, the questions and messages
// it shows, the list refresh it asks for, where a failure leaves the disk, and that nothing
// outside the game and its records is touched.

#include "core/library/GameOperations.h"
#include "core/library/ScriptedMapTable.h"
#include "core/platform/FaultInjector.h"
#include "core/platform/FileOperations.h"

#include "support/DataTable.h"
#include "support/DialogChecks.h"
#include "support/HeldOpen.h"
#include "support/InstallTree.h"
#include "support/LeftAlone.h"
#include "support/LinkedAway.h"
#include "support/OperationsFixture.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingLibraryHost.h"
#include "support/SoleMessage.h"
#include "support/TestRegistry.h"
#include "support/TreeSnapshot.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// Files every test keeps outside the game it works on.
const QStringList kBystanders{
    "keep.txt",
    "Z3DGames/Other/Pwads/other.wad",
    "Z3DLaunch/GameInfo/Pwads/other.z3dm",
    "Z3DLaunch/GameInfo/Save/other.z3ds",
    "Z3DLaunch/GameInfo/Gwads/other.z3dg",
    "Z3DAnFiles/other.dat",
    "gwa/other.gwa",
    "Md2/other/model.md2",
};

struct Fixture : OperationsFixture<GameOperations>
{
    Fixture()
    {
        for (const QString& file : kBystanders)
            tree.addFile(file, "keep");
    }

    // GamesDir/Castle/Gwads: two wads and a text file, its records, save games and the
    // side files of its wads; castle.wad is the selected wad.
    void userDirectory()
    {
        tree.addFile("Z3DGames/Castle/Gwads/castle.wad", "PWAD");
        tree.addFile("Z3DGames/Castle/Gwads/e2.wad", "PWAD");
        tree.addFile("Z3DGames/Castle/Gwads/readme.txt", "text");
        tree.addFile("Z3DGames/Castle/savegame/Zorn3DSav0.z3dsg", "save");
        tree.addTextFile("Z3DLaunch/GameInfo/Gwads/castle.z3dg", {"castle.wad"});
        tree.addTextFile("Z3DLaunch/GameInfo/Gwads/castle.z3dm", {"castle.wad MAP01"});
        tree.addTextFile("Z3DLaunch/GameInfo/Save/Gwads/castle/castle.z3ds", {"0"});
        tree.addTextFile("Z3DLaunch/GameInfo/Save/Gwads/castle/e2.z3ds", {"1"});
        tree.addFiles({"Z3DAnFiles/castle_anim.dat", "Z3DAnFiles/CASTLE.x", "gwa/castle.gwa",
                       "gwa/e2.gwa"}, "x");
        GameSelection& s = selection;
        s.currentKind = GameKind::UserDirectory;
        s.currentUserDirectory = QStringLiteral("Castle");
        s.currentGameFolder = tree.path("Z3DGames/Castle/Gwads/");
        s.currentGameFile = s.currentGameFolder + QStringLiteral("castle.wad");
        settings.lastInstalledGame = QStringLiteral("Castle");
        host.selectedName = QStringLiteral("Castle");
        host.fileNames = QStringList{"castle.wad", "e2.wad", "readme.txt"};
    }

    // GamesDir/<name>/Pwads/<wad>, its records and side files; wad is the main wad.
    void autoLoadingGame(const QString& name, const QString& wad, GameKind kind)
    {
        const QString base = wad.section(u'.', 0, 0);
        tree.addFile("Z3DGames/" + name + "/Pwads/" + wad, "PWAD");
        tree.addFile("Z3DGames/" + name + "/Pwads/" + base + ".z3dchk", "check");
        tree.addFile("Z3DGames/" + name + "/Pwads/readme.txt", "text");
        tree.addFile("Z3DGames/" + name + "/savegame/Zorn3DSav0.z3dsg", "save");
        tree.addTextFile("Z3DLaunch/GameInfo/Pwads/" + name.toLower() + ".z3dm", {"MAP01"});
        tree.addTextFile("Z3DLaunch/GameInfo/Save/" + name.toLower() + ".z3ds", {"0"});
        tree.addFile("Z3DAnFiles/" + base + ".dat", "x");
        tree.addFile("gwa/" + base + ".gwa", "x");
        GameSelection& s = selection;
        s.currentKind = kind;
        s.currentPwadGame = name;
        s.currentGameFolder = tree.path("Z3DGames/" + name + "/Pwads/");
        s.currentGameFile = s.currentGameFolder + wad;
        settings.lastInstalledGame = name;
        host.selectedName = name;
        host.fileNames = QStringList{wad, "readme.txt"};
    }

    QList<RecordingDialogs::Call> messagesAfterQuestion() const
    {
        QList<RecordingDialogs::Call> list = dialogs.messages();
        if (!list.isEmpty())
            list.removeFirst();
        return list;
    }
};

QString removalFailed()
{
    return QStringLiteral("Unable to fully remove the selected item from the games list,       ") +
           kLineBreak +
           QStringLiteral("associated files or folders may be in use by another program.");
}

} // namespace

Q_DECLARE_METATYPE(z3d::FileOperation)
Q_DECLARE_METATYPE(z3d::ErrorNumber)

class TestGameOperations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void acceptableNames_data();
    void acceptableNames();
    void wadNames_data();
    void wadNames();
    void renameNeverReplaces_data();
    void renameNeverReplaces();

    void deleteTextFileOfUserDirectory();
    void deleteSelectedWad();
    void deleteDeclined();
    void deleteFileInUse();
    void deleteStopsAtFailure_data();
    void deleteStopsAtFailure();

    void uninstallUserDirectory();
    void uninstallGameWithoutWad();
    void uninstallScriptedMap_data();
    void uninstallScriptedMap();
    void uninstallInUse();
    void uninstallStopsAtFailure();
    void uninstallThroughLinks_data();
    void uninstallThroughLinks();

    void renameAutoLoadingGame();
    void renameUserDirectory();
    void renameCaseOnly();
    void renameOntoExistingName();
    void renameRefusedNames_data();
    void renameRefusedNames();
    void renameNotDone_data();
    void renameNotDone();
    void renamePermissionDenied();

    void convertToManualLoading();
    void convertToManualLoadingFailures_data();
    void convertToManualLoadingFailures();
    void fourthEntryQuestion_data();
    void fourthEntryQuestion();
    void convertToAutoLoading();
    void convertToAutoLoadingReadOnlyTarget();
    void convertToAutoLoadingUnknownError();
    void failedTransferKeepsTheSource_data();
    void failedTransferKeepsTheSource();
    void convertThroughLinks_data();
    void convertThroughLinks();
};

void TestGameOperations::acceptableNames_data()
{
    const DataTable<QString, bool> row("name", "acceptable");
    row("plain", "Castle", true);
    row("dots inside", "My.Game", true);
    row("blanks inside", "Hell Revealed", true);
    row("three dots", "...", true);
    // Nothing to name a folder after, or a name that leaves the games' folder.
    row.alike({{"empty", ""},
               {"blanks only", "   "},
               {"dot", "."},
               {"dot dot", ".."},
               {"dot dot with blanks", " .. "},
               {"slash", "a/b"},
               {"climbing", "../Other"},
               {"backslash", "a\\b"},
               {"nul", QStringLiteral("a") + QChar(0)}},
              false);
}

void TestGameOperations::acceptableNames()
{
    QFETCH(QString, name);
    QTEST(GameOperations::isAcceptableName(name), "acceptable");
}

void TestGameOperations::wadNames_data()
{
    const DataTable<QString, QString, QStringList, int> row("file", "wad", "entries", "lastWad");
    row("path", "/g/Castle/Gwads/Castle.WAD", "Castle", QStringList{"a.txt", "Castle.WAD"}, 2);
    row("two dots", "my.level.wad", "my.level", QStringList{"x.wad", "y.txt"}, 1);
    row("no file", "", "", QStringList{}, 0);
    row("only an extension", "/g/.wad", "", QStringList{"a.txt"}, 0);
    row("dot dot base", "/g/...wad", "", QStringList{"a.wad", "b.wad", "c.wad", "d.wad"}, 4);
}

void TestGameOperations::wadNames()
{
    const auto [file, entries] = fetchRow<QString, QStringList>("file", "entries");
    QTEST(GameOperations::wadName(file), "wad");
    QTEST(GameOperations::lastWadPosition(entries), "lastWad");
}

void TestGameOperations::renameNeverReplaces_data()
{
    const DataTable<QString, QString, int, QString> row(
        "from", "to", "error",
        "present"); // what exists afterwards, '|'-separated
    row("new name", "Games/Castle", "Games/Keep", 0, "Games/Keep/Pwads/a.wad");
    row("case only", "Games/Castle", "Games/CASTLE", 0, "Games/CASTLE/Pwads/a.wad");
    row("same name", "Games/Castle", "Games/Castle", 0, "Games/Castle/Pwads/a.wad");
    row("onto an empty folder", "Games/Castle", "Games/Empty", 75,
        "Games/Castle/Pwads/a.wad|Games/Empty");
    row("onto another case", "Games/Castle", "Games/EMPTY", 75,
        "Games/Castle/Pwads/a.wad|Games/Empty");
    row("file onto a file", "Zips/a.zip", "Zips/B.ZIP", 75, "Zips/a.zip|Zips/b.zip");
    row("file renamed", "Zips/a.zip", "Zips/c.zip", 0, "Zips/c.zip|Zips/b.zip");
    row("vanished", "Games/Gone", "Games/New", 53, "Games/Castle");
    row("target folder missing", "Zips/a.zip", "Nowhere/a.zip", 76, "Zips/a.zip");
}

void TestGameOperations::renameNeverReplaces()
{
    const auto [from, to, error, present] =
        fetchRow<QString, QString, int, QString>("from", "to", "error", "present");
    InstallTree tree(InstallTree::Empty);
    tree.addFile("Games/Castle/Pwads/a.wad", "a");
    tree.addFolder("Games/Empty");
    tree.addFile("Zips/a.zip", "a");
    tree.addFile("Zips/b.zip", "b");
    QCOMPARE(int(FileOperations::rename(tree.path(from), tree.path(to))), error);
    for (const QString& path : present.split(u'|'))
        QVERIFY2(tree.exists(path), qPrintable(path));
    QCOMPARE(tree.readFile("Zips/b.zip"), QByteArray("b"));
}

// ---- DeleteGameFile --------------------------------------------------------------------------

void TestGameOperations::deleteTextFileOfUserDirectory()
{
    Fixture f;
    f.userDirectory();
    f.host.selectedFile = QStringLiteral("readme.txt");
    const QSet<QString> before = f.run(&GameOperations::deleteGameFile);

    verifySoleMessage(f.dialogs.messages(), 36, " Delete selected file",
                      "Are you certain you wish to delete README.TXT?       ");
    // Only the file: no save record and no side file goes with it.
    QCOMPARE(removed(before, snapshot(f.tree)), QStringList{"Z3DGames/Castle/Gwads/readme.txt"});
    QCOMPARE(added(before, snapshot(f.tree)), QStringList{});
    QCOMPARE(f.host.calls, (QStringList{"removeGameShortcuts Castle - readme", "selectGame"}));
}

void TestGameOperations::deleteSelectedWad()
{
    Fixture f;
    f.userDirectory();
    f.host.selectedFile = QStringLiteral("castle.wad");
    // The selection spells the wad as the list does; the folder's case may differ.
    f.selection.currentGameFile = f.tree.path("z3dgames/castle/gwads/castle.wad");
    const QSet<QString> before = f.run(&GameOperations::deleteGameFile);

    QCOMPARE(removed(before, snapshot(f.tree)),
             (QStringList{"Z3DAnFiles/CASTLE.x", "Z3DAnFiles/castle_anim.dat",
                          "Z3DGames/Castle/Gwads/castle.wad",
                          "Z3DLaunch/GameInfo/Save/Gwads/castle/castle.z3ds", "gwa/castle.gwa"}));
    QCOMPARE(f.host.calls, (QStringList{"removeGameShortcuts Castle - castle", "selectGame"}));
    QCOMPARE(f.dialogs.messages().size(), 1);
}

void TestGameOperations::deleteDeclined()
{
    Fixture f;
    f.userDirectory();
    f.host.selectedFile = QStringLiteral("castle.wad");
    f.dialogs.answerMessage(MsgNo);
    const QSet<QString> before = f.run(&GameOperations::deleteGameFile);
    verifyLeftAlone(f.tree, before, f.host);
}

void TestGameOperations::deleteFileInUse()
{
    Fixture f;
    f.userDirectory();
    f.host.selectedFile = QStringLiteral("castle.wad");
    HeldOpen holder;
    QVERIFY(holder.start(f.tree.path("Z3DGames/Castle/Gwads/castle.wad")));
    const QSet<QString> before = f.run(&GameOperations::deleteGameFile);

    verifySoleMessage(f.messagesAfterQuestion(), 48, " Access error",
                      "Unable to delete the selected file, the file       " + kLineBreak +
                          "  appears to be in use by another program.");
    verifyLeftAlone(f.tree, before, f.host);
}

void TestGameOperations::deleteStopsAtFailure_data()
{
    const DataTable<FileOperation, QString, QStringList, QStringList> row("operation", "failing",
                                                                          "gone", "calls");
    row("the file", FileOperation::Delete, "Z3DGames/Castle/Gwads/castle.wad", QStringList{},
        QStringList{"redrawGamesList"});
    row("the save record", FileOperation::Delete,
        "Z3DLaunch/GameInfo/Save/Gwads/castle/castle.z3ds",
        QStringList{"Z3DGames/Castle/Gwads/castle.wad"},
        QStringList{"removeGameShortcuts Castle - castle", "redrawGamesList"});
    row("a side file", FileOperation::Delete, "gwa/castle.gwa",
        QStringList{"Z3DAnFiles/CASTLE.x", "Z3DAnFiles/castle_anim.dat",
                    "Z3DGames/Castle/Gwads/castle.wad",
                    "Z3DLaunch/GameInfo/Save/Gwads/castle/castle.z3ds"},
        QStringList{"removeGameShortcuts Castle - castle", "redrawGamesList"});
}

void TestGameOperations::deleteStopsAtFailure()
{
    const auto [operation, failing, gone, calls] =
        fetchRow<FileOperation, QString, QStringList, QStringList>("operation", "failing", "gone", "calls");
    Fixture f;
    f.userDirectory();
    f.host.selectedFile = QStringLiteral("castle.wad");
    FaultInjector::fail(operation, f.tree.path(failing), ErrorNumber::PermissionDenied);
    const QSet<QString> before = f.run(&GameOperations::deleteGameFile);

    verifySoleMessage(f.messagesAfterQuestion(), 48, " Access error", removalFailed());
    QCOMPARE(removed(before, snapshot(f.tree)), gone);
    QCOMPARE(f.host.calls, calls);
}

// ---- UninstallGame ---------------------------------------------------------------------------

void TestGameOperations::uninstallUserDirectory()
{
    Fixture f;
    f.userDirectory();
    const QSet<QString> before = f.run(&GameOperations::uninstallGame);

    verifySoleMessage(f.dialogs.messages(), 36, " Remove selected game from list ",
                      " Are you certain you wish to remove this game from the list?      ");
    QStringList expected{"Z3DAnFiles/CASTLE.x",
                         "Z3DAnFiles/castle_anim.dat",
                         "Z3DGames/Castle/",
                         "Z3DGames/Castle/Gwads/",
                         "Z3DGames/Castle/Gwads/castle.wad",
                         "Z3DGames/Castle/Gwads/e2.wad",
                         "Z3DGames/Castle/Gwads/readme.txt",
                         "Z3DGames/Castle/savegame/",
                         "Z3DGames/Castle/savegame/Zorn3DSav0.z3dsg",
                         "Z3DLaunch/GameInfo/Gwads/castle.z3dg",
                         "Z3DLaunch/GameInfo/Gwads/castle.z3dm",
                         "Z3DLaunch/GameInfo/Save/Gwads/castle/",
                         "Z3DLaunch/GameInfo/Save/Gwads/castle/castle.z3ds",
                         "Z3DLaunch/GameInfo/Save/Gwads/castle/e2.z3ds",
                         "gwa/castle.gwa"};
    expected.sort();
    QCOMPARE(removed(before, snapshot(f.tree)), expected);
    QCOMPARE(f.selection.currentKind, GameKind::None);
    QCOMPARE(f.host.calls, (QStringList{"removeGameShortcuts Castle", "clearScriptedMapsOnly",
                                        "switchGamesList 0"}));
}

void TestGameOperations::uninstallGameWithoutWad()
{
    Fixture f;
    f.tree.addFile("Z3DGames/Notes/Pwads/readme.txt", "text");
    f.tree.addTextFile("Z3DLaunch/GameInfo/Pwads/notes.z3dm", {"MAP01"});
    // Claimed by no wad: with no main wad no side file is touched, whatever its name.
    f.tree.addFile("Z3DAnFiles/notes.dat", "x");
    f.tree.addFolder("Md2/notes");
    f.selection.currentKind = GameKind::PwadGame;
    f.selection.currentPwadGame = QStringLiteral("Notes");
    f.selection.currentGameFolder = f.tree.path("Z3DGames/Notes/Pwads/");
    f.settings.lastInstalledGame = QStringLiteral("Notes");
    const QSet<QString> before = f.run(&GameOperations::uninstallGame);

    QCOMPARE(
        removed(before, snapshot(f.tree)),
        (QStringList{"Z3DGames/Notes/", "Z3DGames/Notes/Pwads/", "Z3DGames/Notes/Pwads/readme.txt",
                     "Z3DLaunch/GameInfo/Pwads/notes.z3dm"}));
    QCOMPARE(f.host.calls.last(), QStringLiteral("switchGamesList 0"));
}

void TestGameOperations::uninstallScriptedMap_data()
{
    const DataTable<bool> row("otherModelsInstalled");
    row("the last scripted map with models", false);
    row("other scripted maps keep their models", true);
}

void TestGameOperations::uninstallScriptedMap()
{
    QFETCH(bool, otherModelsInstalled);
    const ScriptedMapRow& row = ScriptedMapTable::rows()[0];
    const ScriptedMapRow& other = ScriptedMapTable::rows()[1];
    const QString title = QString::fromLatin1(row.title);
    const QString model = QString::fromLatin1(row.modelFolder);
    Fixture f;
    f.autoLoadingGame(title, QString::fromLatin1(row.wadFile), GameKind::ScriptedMap);
    f.tree.addFile("Md2/" + model + "/model.md2", "m");
    f.tree.addFile("Data/Custom.hires/" + model + "/wall.png", "p");
    if (otherModelsInstalled)
        f.tree.addFile("Md2/" + QString::fromLatin1(other.modelFolder) + "/model.md2", "m");
    const QSet<QString> before = f.run(&GameOperations::uninstallGame);

    const QStringList gone = removed(before, snapshot(f.tree));
    const QString game = "Z3DGames/" + title + "/";
    for (const QString& path :
         {game, "Md2/" + model + "/", "Md2/" + model + "/model.md2",
          "Data/Custom.hires/" + model + "/", "Data/Custom.hires/" + model + "/wall.png",
          "Z3DLaunch/GameInfo/Pwads/" + title.toLower() + ".z3dm",
          "Z3DLaunch/GameInfo/Save/" + title.toLower() + ".z3ds", "Z3DAnFiles/" + model + ".dat",
          "gwa/" + model + ".gwa"})
        QVERIFY2(gone.contains(path), qPrintable(path));
    for (const QString& path : gone)
        QVERIFY2(path.startsWith(game) || !path.contains(u'/') || path.contains(model) ||
                     path.contains(title.toLower()),
                 qPrintable(path));
    QCOMPARE(f.host.calls.contains("clearScriptedMapsOnly"), !otherModelsInstalled);
    QCOMPARE(f.host.calls.last(), QStringLiteral("switchGamesList 0"));
}

void TestGameOperations::uninstallInUse()
{
    Fixture f;
    f.userDirectory();
    HeldOpen holder;
    QVERIFY(holder.start(f.selection.currentGameFile));
    const QSet<QString> before = f.run(&GameOperations::uninstallGame);

    verifySoleMessage(f.messagesAfterQuestion(), 48, " Access error",
                      " Unable to remove the selected item from the games list,       " +
                          kLineBreak +
                          "associated files or folders are in use by another program.");
    verifyLeftAlone(f.tree, before, f.host);
}

void TestGameOperations::uninstallStopsAtFailure()
{
    Fixture f;
    f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    f.tree.addFile("Md2/castle/model.md2", "m");
    FaultInjector::failInside(FileOperation::Delete, f.tree.path("Md2/castle"),
                              ErrorNumber::PermissionDenied);
    const QSet<QString> before = f.run(&GameOperations::uninstallGame);

    verifySoleMessage(f.messagesAfterQuestion(), 48, " Access error", removalFailed());
    // The game folder went before the model folder failed; the records stay.
    const QSet<QString> after = snapshot(f.tree);
    QVERIFY(!after.contains("Z3DGames/Castle/"));
    QVERIFY(after.contains("Md2/castle/model.md2"));
    QVERIFY(after.contains("Z3DLaunch/GameInfo/Pwads/castle.z3dm"));
    QVERIFY(after.contains("gwa/castle.gwa"));
    for (const QString& path : removed(before, after))
        QVERIFY2(path.startsWith("Z3DGames/Castle/"), qPrintable(path));
    QCOMPARE(f.host.calls, QStringList{"redrawGamesList"});
}

void TestGameOperations::uninstallThroughLinks_data()
{
    // The entry that is a link, and where the link points (the player's other disk).
    const DataTable<QString, QString> row("link", "elsewhere");
    row("the game folder", "Z3DGames/Castle", "Elsewhere/Castle");
    row("its files folder", "Z3DGames/Castle/Pwads", "Elsewhere/Pwads");
    row("a wad in it", "Z3DGames/Castle/Pwads/castle.wad", "Elsewhere/castle.wad");
    row("a folder in it", "Z3DGames/Castle/Pwads/maps", "Elsewhere/maps");
    row("its model folder", "Md2/castle", "Elsewhere/castle");
    row("the games folder", "Z3DGames", "Elsewhere/Games");
}

void TestGameOperations::uninstallThroughLinks()
{
    const auto [link, elsewhere] = fetchRow<QString, QString>("link", "elsewhere");
    Fixture f;
    f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    f.tree.addFile("Z3DGames/Castle/Pwads/maps/e1.wad", "PWAD");
    f.tree.addFile("Md2/castle/model.md2", "m");
    QVERIFY(linkAway(f.tree, link, elsewhere));
    // The games folder is the one link the game lies behind: the game folder in it is the
    // game's own and goes; the other games there stay.
    const bool behindTheLink = link == u"Z3DGames";
    if (behindTheLink)
        f.selection.currentGameFile = f.tree.path("Z3DGames/Castle/Pwads/castle.wad");
    const QSet<QString> before = f.run(&GameOperations::uninstallGame);

    QCOMPARE(f.dialogs.messages().size(), 1); // the question only
    QCOMPARE(f.host.calls.last(), QStringLiteral("switchGamesList 0"));
    QCOMPARE(f.selection.currentKind, GameKind::None);
    const QSet<QString> after = snapshot(f.tree);
    QVERIFY(!after.contains("Z3DGames/Castle/"));
    QVERIFY(!after.contains("Z3DGames/Castle"));
    QVERIFY(!after.contains("Md2/castle/"));
    QVERIFY(!after.contains("Z3DLaunch/GameInfo/Pwads/castle.z3dm"));
    if (behindTheLink) {
        QVERIFY(QFileInfo(f.tree.path(link)).isSymLink());
        for (const QString& gone : removed(entriesUnder(before, "Elsewhere/"), after))
            QVERIFY2(gone.startsWith("Elsewhere/Games/Castle/"), qPrintable(gone));
        QVERIFY(after.contains("Elsewhere/Games/Other/Pwads/other.wad"));
    } else {
        QCOMPARE(entriesUnder(after, "Elsewhere/"), entriesUnder(before, "Elsewhere/"));
    }
}

// ---- RenameGame ------------------------------------------------------------------------------

void TestGameOperations::renameAutoLoadingGame()
{
    Fixture f;
    f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    f.dialogs.answerName({QStringLiteral("KEEP"), false});
    f.host.onSelectGame = [&f] {
        f.selection.currentGameFile = f.tree.path("Z3DGames/KEEP/Pwads/castle.wad");
    };
    const QSet<QString> before = f.run(&GameOperations::renameGame);

    const RecordingDialogs::Call prompt = f.dialogs.calls().first();
    QCOMPARE(prompt.kind, RecordingDialogs::Kind::AskName);
    QCOMPARE(prompt.text, QStringLiteral(" Name "));
    QCOMPARE(prompt.title, QStringLiteral(" Rename Game"));
    QCOMPARE(prompt.buttonCaption, QStringLiteral("Cancel"));
    QCOMPARE(prompt.defaultText, QStringLiteral("Castle"));
    QCOMPARE(f.dialogs.messages().size(), 0);

    const QSet<QString> after = snapshot(f.tree);
    QVERIFY(after.contains("Z3DGames/KEEP/Pwads/castle.wad"));
    QVERIFY(after.contains("Z3DGames/KEEP/savegame/Zorn3DSav0.z3dsg"));
    QVERIFY(!after.contains("Z3DGames/Castle/"));
    // The records are dropped, not renamed; only the animation side files go.
    QVERIFY(!after.contains("Z3DLaunch/GameInfo/Pwads/castle.z3dm"));
    QVERIFY(!after.contains("Z3DLaunch/GameInfo/Save/castle.z3ds"));
    QVERIFY(!after.contains("Z3DAnFiles/castle.dat"));
    QVERIFY(after.contains("gwa/castle.gwa"));
    for (const QString& path : added(before, after))
        QVERIFY2(path.startsWith("Z3DGames/KEEP/"), qPrintable(path));
    QCOMPARE(f.settings.lastInstalledGame, QStringLiteral("KEEP"));
    QCOMPARE(f.host.calls, (QStringList{"replaceSelectedGame KEEP|KEEP", "selectGame",
                                        "removeGameShortcuts Castle"}));
}

void TestGameOperations::renameUserDirectory()
{
    Fixture f;
    f.userDirectory();
    f.customFontInUse = true;
    f.dialogs.answerName({QStringLiteral("Keep"), false});
    // The reselection finds no remembered file: no main wad is known afterwards.
    f.host.onSelectGame = [&f] { f.selection.currentGameFile.clear(); };
    const QSet<QString> before = f.run(&GameOperations::renameGame);

    const QSet<QString> after = snapshot(f.tree);
    QVERIFY(after.contains("Z3DGames/Keep/Gwads/castle.wad"));
    QVERIFY(after.contains("Z3DGames/Keep/savegame/Zorn3DSav0.z3dsg"));
    for (const QString& path :
         QStringList{"Z3DLaunch/GameInfo/Gwads/castle.z3dg", "Z3DLaunch/GameInfo/Gwads/castle.z3dm",
                     "Z3DLaunch/GameInfo/Save/Gwads/castle/"})
        QVERIFY2(!after.contains(path), qPrintable(path));
    for (const QString& path :
         QStringList{"Z3DAnFiles/castle_anim.dat", "Z3DAnFiles/CASTLE.x", "gwa/castle.gwa"})
        QVERIFY2(after.contains(path), qPrintable(path));
    for (const QString& path : removed(before, after))
        QVERIFY2(path.startsWith("Z3DGames/Castle/") || path.contains("/castle"), qPrintable(path));
    QCOMPARE(f.host.calls, (QStringList{"replaceSelectedGame Keep|Keep", "selectGame",
                                        "removeGameShortcuts Castle", "switchGamesList 0"}));
}

void TestGameOperations::renameCaseOnly()
{
    Fixture f;
    f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    f.runWithName(&GameOperations::renameGame, "CASTLE");
    QCOMPARE(f.dialogs.messages().size(), 0);
    QVERIFY(f.tree.isFile("Z3DGames/CASTLE/Pwads/castle.wad"));
    QVERIFY(!f.tree.exists("Z3DGames/Castle"));
    QCOMPARE(f.host.calls.first(), QStringLiteral("replaceSelectedGame CASTLE|CASTLE"));
}

void TestGameOperations::renameOntoExistingName()
{
    Fixture f;
    f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    // "Other" exists as a game folder; the prompt returns it in capitals.
    const QSet<QString> before = f.runWithName(&GameOperations::renameGame, "OTHER");

    verifySoleMessage(f.dialogs.messages(), 48, " Renaming error",
                      " Illegal naming convention detected.    ");
    QCOMPARE(snapshot(f.tree), before);
    QCOMPARE(f.settings.lastInstalledGame, QStringLiteral("Castle"));
    QCOMPARE(f.host.calls, QStringList{"redrawGamesList"});
}

void TestGameOperations::renameRefusedNames_data()
{
    const DataTable<QString> row("name");
    row("dot dot", "..");
    row("dot", ".");
    row("climbing", "../Escaped");
    row("slash", "Sub/Game");
    row("backslash", "..\\Escaped");
    row("blanks only", "   ");
}

void TestGameOperations::renameRefusedNames()
{
    QFETCH(QString, name);
    Fixture f;
    f.userDirectory();
    f.dialogs.answerName({name, false});
    f.verifyRefused(&GameOperations::renameGame, 48, " Renaming error",
                    " Illegal naming convention detected.    ", {"redrawGamesList"});
}

void TestGameOperations::renameNotDone_data()
{
    Fixture::renameNotDoneRows("Keep", "Castle");
}

void TestGameOperations::renameNotDone()
{
    Fixture f;
    f.userDirectory();
    f.verifyRenameNotDone(&GameOperations::renameGame);
}

void TestGameOperations::renamePermissionDenied()
{
    Fixture f;
    f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    f.dialogs.answerName({QStringLiteral("KEEP"), false});
    FaultInjector::fail(FileOperation::DeleteFolder, f.tree.path("Z3DGames/Castle"),
                        ErrorNumber::PermissionDenied);
    f.verifyRefused(&GameOperations::renameGame, 48, " Access error",
                    "Unable to rename the selected item in this list,       " + kLineBreak +
                        "  the item may be in use by another program.",
                    {"redrawGamesList"});
}

// ---- Conversions -----------------------------------------------------------------------------

void TestGameOperations::convertToManualLoading()
{
    Fixture f;
    f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    f.tree.addFile("Z3DGames/Castle/Pwads/sub/left.txt", "left");
    f.tree.addFile("Z3DGames/Castle/Pwads/.extra.wad", "PWAD");
    const QSet<QString> before = f.run(&GameOperations::convertToManualLoading);

    QCOMPARE(f.dialogs.messages().size(), 0);
    QCOMPARE(removed(before, snapshot(f.tree)),
             (QStringList{"Z3DGames/Castle/Pwads/", "Z3DGames/Castle/Pwads/.extra.wad",
                          "Z3DGames/Castle/Pwads/castle.wad", "Z3DGames/Castle/Pwads/castle.z3dchk",
                          "Z3DGames/Castle/Pwads/readme.txt", "Z3DGames/Castle/Pwads/sub/",
                          "Z3DGames/Castle/Pwads/sub/left.txt",
                          "Z3DLaunch/GameInfo/Pwads/castle.z3dm"}));
    // Nothing of the player's is lost: hidden files and subfolders move along.
    QCOMPARE(added(before, snapshot(f.tree)),
             (QStringList{"Z3DGames/Castle/Gwads/", "Z3DGames/Castle/Gwads/.extra.wad",
                          "Z3DGames/Castle/Gwads/castle.wad", "Z3DGames/Castle/Gwads/readme.txt",
                          "Z3DGames/Castle/Gwads/sub/", "Z3DGames/Castle/Gwads/sub/left.txt"}));
    QCOMPARE(f.tree.readFile("Z3DGames/Castle/Gwads/castle.wad"), QByteArray("PWAD"));
    QCOMPARE(f.selection.currentGameFolder, f.tree.path("Z3DGames/Castle/Gwads/"));
    QCOMPARE(f.selection.currentGameFile, f.tree.path("Z3DGames/Castle/Gwads/castle.wad"));
    QCOMPARE(f.host.calls, QStringList{"selectGame"});
}

void TestGameOperations::convertToManualLoadingFailures_data()
{
    const DataTable<FileOperation, QString, ErrorNumber, QString, QStringList> row(
        "operation", "failing", "error", "text", "moved");
    row("a file in use", FileOperation::Delete, "Z3DGames/Castle/Pwads/readme.txt",
        ErrorNumber::PermissionDenied, "Access denied: File or folder may be in use     ",
        QStringList{"Z3DGames/Castle/Gwads/castle.wad"});
    row("the folder cannot be made", FileOperation::CreateFolder, "Z3DGames/Castle/Gwads",
        ErrorNumber::PathFileAccessError, "ERROR: Unknown error     ", QStringList{});
}

void TestGameOperations::convertToManualLoadingFailures()
{
    const auto [operation, failing, error, text, moved] =
        fetchRow<FileOperation, QString, ErrorNumber, QString, QStringList>("operation", "failing", "error", "text", "moved");
    Fixture f;
    f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    FaultInjector::fail(operation, f.tree.path(failing), error);
    f.run(&GameOperations::convertToManualLoading);

    verifySoleMessage(f.dialogs.messages(), 16, " Conversion error", text);
    // What moved before the failure stays moved; the check record went first.
    for (const QString& path : moved)
        QVERIFY2(f.tree.isFile(path), qPrintable(path));
    QVERIFY(f.tree.isFile("Z3DGames/Castle/Pwads/readme.txt"));
    QVERIFY(!f.tree.exists("Z3DGames/Castle/Pwads/castle.z3dchk"));
    QVERIFY(f.tree.isFile("Z3DLaunch/GameInfo/Pwads/castle.z3dm"));
    QCOMPARE(f.host.calls, QStringList{});
}

void TestGameOperations::fourthEntryQuestion_data()
{
    const DataTable<QStringList, int, bool, bool> row("files", "answer", "asked", "converted");
    row("three wads", QStringList{"a.wad", "b.wad", "c.wad"}, int(MsgNo), false, true);
    row("three wads then a text", QStringList{"a.wad", "b.wad", "c.wad", "readme.txt"}, int(MsgNo),
        false, true);
    row("last wad fourth, declined", QStringList{"a.txt", "b.wad", "c.wad", "d.WAD"}, int(MsgNo),
        true, false);
    row("last wad fourth, accepted", QStringList{"a.txt", "b.wad", "c.wad", "d.WAD"}, int(MsgYes),
        true, true);
    row("five wads, declined", QStringList{"a.wad", "b.wad", "c.wad", "d.wad", "e.wad"}, int(MsgNo),
        true, false);
}

void TestGameOperations::fourthEntryQuestion()
{
    const auto [files, answer, asked, converted] =
        fetchRow<QStringList, int, bool, bool>("files", "answer", "asked", "converted");
    Fixture f;
    f.userDirectory();
    f.tree.addFile("Z3DGames/Castle/Gwads/castle.z3dchk", "check");
    f.host.fileNames = files;
    f.dialogs.answerMessage(answer);
    f.run(&GameOperations::convertToAutoLoading);

    QCOMPARE(f.dialogs.messages().size(), asked ? 1 : 0);
    if (asked)
        verifyMessage(f.dialogs.messages().first(), 36, " User Directory Conversion",
                      " Only relevant game files can be contained in an auto-loading "
                      "structure,      " +
                          kLineBreak +
                          " select Yes if you still wish to convert to auto-loading or No to "
                          "abort.      ");
    QCOMPARE(f.tree.isFile("Z3DGames/Castle/Pwads/castle.wad"), converted);
    QCOMPARE(f.tree.isFile("Z3DGames/Castle/Gwads/castle.wad"), !converted);
    // The check record goes before the question.
    QVERIFY(!f.tree.exists("Z3DGames/Castle/Gwads/castle.z3dchk"));
}

void TestGameOperations::convertToAutoLoading()
{
    Fixture f;
    f.userDirectory();
    const QSet<QString> before = f.run(&GameOperations::convertToAutoLoading);

    QCOMPARE(f.dialogs.messages().size(), 0);
    QCOMPARE(removed(before, snapshot(f.tree)),
             (QStringList{"Z3DGames/Castle/Gwads/", "Z3DGames/Castle/Gwads/castle.wad",
                          "Z3DGames/Castle/Gwads/e2.wad", "Z3DGames/Castle/Gwads/readme.txt",
                          "Z3DLaunch/GameInfo/Gwads/castle.z3dg",
                          "Z3DLaunch/GameInfo/Gwads/castle.z3dm"}));
    QCOMPARE(added(before, snapshot(f.tree)),
             (QStringList{"Z3DGames/Castle/Pwads/", "Z3DGames/Castle/Pwads/castle.wad",
                          "Z3DGames/Castle/Pwads/e2.wad", "Z3DGames/Castle/Pwads/readme.txt"}));
    QCOMPARE(f.selection.currentGameFile, f.tree.path("Z3DGames/Castle/Pwads/castle.wad"));
    QCOMPARE(f.host.calls, (QStringList{"showGameFilesList", "selectGame"}));
}

void TestGameOperations::convertToAutoLoadingReadOnlyTarget()
{
    Fixture f;
    f.userDirectory();
    // A read-only e2.wad already in Pwads: castle.wad is copied before it, readme.txt not.
    const QString readOnly = f.tree.addFile("Z3DGames/Castle/Pwads/E2.WAD", "old");
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
    f.run(&GameOperations::convertToAutoLoading);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner);

    verifySoleMessage(f.dialogs.messages(), 16, " Conversion error",
                      "Read only error, file can't be overwritten     ");
    QVERIFY(f.tree.isFile("Z3DGames/Castle/Pwads/castle.wad"));
    QCOMPARE(f.tree.readFile("Z3DGames/Castle/Pwads/E2.WAD"), QByteArray("old"));
    QVERIFY(!f.tree.exists("Z3DGames/Castle/Pwads/readme.txt"));
    QVERIFY(f.tree.isFile("Z3DGames/Castle/Gwads/castle.wad"));
    QVERIFY(f.tree.isFile("Z3DLaunch/GameInfo/Gwads/castle.z3dg"));
    QCOMPARE(f.host.calls, QStringList{});
}

void TestGameOperations::convertToAutoLoadingUnknownError()
{
    Fixture f;
    f.userDirectory();
    FaultInjector::fail(FileOperation::CreateFolder, f.tree.path("Z3DGames/Castle/Pwads"),
                        ErrorNumber::PathFileAccessError);
    f.verifyRefused(&GameOperations::convertToAutoLoading, 16, " Conversion error",
                    "ERROR: Unknown error     ");
}

void TestGameOperations::failedTransferKeepsTheSource_data()
{
    // A folder in the target under the name of a file of the source: that file cannot go
    // there, while the source could still be deleted.
    const DataTable<bool, QString> row("toManualLoading", "blocked");
    row("move to manual loading", true, "Z3DGames/Castle/Gwads/readme.txt/");
    row("copy to auto-loading", false, "Z3DGames/Castle/Pwads/readme.txt/");
}

void TestGameOperations::failedTransferKeepsTheSource()
{
    const auto [toManualLoading, blocked] = fetchRow<bool, QString>("toManualLoading", "blocked");
    Fixture f;
    if (toManualLoading)
        f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    else
        f.userDirectory();
    f.tree.addFolder(blocked);
    const QString source = toManualLoading ? "Z3DGames/Castle/Pwads/" : "Z3DGames/Castle/Gwads/";
    f.run(toManualLoading ? &GameOperations::convertToManualLoading
                          : &GameOperations::convertToAutoLoading);

    QCOMPARE(f.dialogs.messages().size(), 1);
    QCOMPARE(f.dialogs.messages().first().title, QStringLiteral(" Conversion error"));
    QCOMPARE(f.tree.readFile(source + "readme.txt"), QByteArray("text"));
    QCOMPARE(f.host.calls, QStringList{});
}

void TestGameOperations::convertThroughLinks_data()
{
    // The entry that is a link, where it points, and what must still be there afterwards.
    const DataTable<bool, QString, QString, QStringList> row("toManualLoading", "link", "elsewhere",
                                                             "kept");
    row("move: the files folder", true, "Z3DGames/Castle/Pwads", "Elsewhere/Pwads",
        QStringList{"Elsewhere/Pwads/"});
    row("move: a wad in it", true, "Z3DGames/Castle/Pwads/castle.wad", "Elsewhere/castle.wad",
        QStringList{"Elsewhere/castle.wad"});
    row("move: a folder in it", true, "Z3DGames/Castle/Pwads/maps", "Elsewhere/maps",
        QStringList{"Elsewhere/maps/e1.wad"});
    row("copy: the files folder", false, "Z3DGames/Castle/Gwads", "Elsewhere/Gwads",
        QStringList{"Elsewhere/Gwads/castle.wad", "Elsewhere/Gwads/e2.wad",
                    "Elsewhere/Gwads/readme.txt"});
    row("copy: a wad in it", false, "Z3DGames/Castle/Gwads/e2.wad", "Elsewhere/e2.wad",
        QStringList{"Elsewhere/e2.wad"});
    row("copy: a folder in it", false, "Z3DGames/Castle/Gwads/maps", "Elsewhere/maps",
        QStringList{"Elsewhere/maps/e1.wad"});
    // The game's own folder, converted where the player keeps it.
    row("copy: the game folder", false, "Z3DGames/Castle", "Elsewhere/Castle",
        QStringList{"Elsewhere/Castle/Pwads/castle.wad", "Elsewhere/Castle/Pwads/maps/e1.wad"});
}

void TestGameOperations::convertThroughLinks()
{
    const auto [toManualLoading, link, elsewhere, kept] =
        fetchRow<bool, QString, QString, QStringList>("toManualLoading", "link", "elsewhere", "kept");
    Fixture f;
    if (toManualLoading)
        f.autoLoadingGame("Castle", "castle.wad", GameKind::PwadGame);
    else
        f.userDirectory();
    const QString source = toManualLoading ? "Z3DGames/Castle/Pwads" : "Z3DGames/Castle/Gwads";
    const QString target = toManualLoading ? "Z3DGames/Castle/Gwads/" : "Z3DGames/Castle/Pwads/";
    f.tree.addFile(source + "/maps/e1.wad", "PWAD");
    QVERIFY(linkAway(f.tree, link, elsewhere));
    f.run(toManualLoading ? &GameOperations::convertToManualLoading
                          : &GameOperations::convertToAutoLoading);

    QCOMPARE(f.dialogs.messages().size(), 0);
    QVERIFY(!QFileInfo(f.tree.path(source)).exists());
    QVERIFY(!QFileInfo(f.tree.path(source)).isSymLink());
    // Every file of the game reaches its new folder (subfolders move along either way).
    for (const char* file : {"castle.wad", "readme.txt", "maps/e1.wad"})
        QVERIFY2(!f.tree.readFile(target + file).isEmpty(), file);
    for (const QString& entry : kept)
        QVERIFY2(f.tree.exists(entry), qPrintable(entry));
}

Z3D_TEST_GUILESS_MAIN(TestGameOperations)
#include "tst_gameoperations.moc"
