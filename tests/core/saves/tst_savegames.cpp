// Save folders of each game kind, and the three commands that delete save games and nodes:
// their questions and messages word for word, what they delete, what they leave, and where a
// purge stops when a step fails.

#include "core/platform/FaultInjector.h"
#include "core/saves/SaveGameFolders.h"
#include "core/saves/SaveGameOperations.h"

#include "support/DataTable.h"
#include "support/HeldOpen.h"
#include "support/InstallTree.h"
#include "support/LinkedAway.h"
#include "support/RecordingDialogs.h"
#include "support/TestRegistry.h"
#include "support/TreeSnapshot.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kPurgeAccessText =
    QStringLiteral("Access denied - file or folder already in use.    ");

// Everything a purge deletes, and its neighbours it must leave.
void buildSaves(InstallTree& tree)
{
    tree.addFile("UserSG/Castle/savegame/Zorn3DSav0.z3dsg", "s");
    tree.addFile("UserSG/doom2/savegame/Zorn3DSav1.z3dsg", "s");
    tree.addFile("UserSG/readme.txt", "stays");
    tree.addFile("Z3DGames/Castle/savegame/Zorn3DSav2.z3dsg", "s");
    tree.addFile("Z3DGames/Castle/Pwads/castle.wad", "stays");
    tree.addFile("Z3DGames/My Maps/SaveGame/Zorn3DSav3.z3dsg", "s");
    tree.addFile("Z3DGames/My Maps/Gwads/a.wad", "stays");
    tree.addFile("Z3DAnFiles/map01.gwa", "s");
    tree.addFile("Z3DLaunch/GameInfo/Save/Gwads/my maps/a.z3ds", "3");
    tree.addFile("Z3DLaunch/GameInfo/Save/Zip/castle.z3ds", "0");
    tree.addFile("Z3DLaunch/GameInfo/Save/doom2.z3ds", "1");
    tree.addFile("Z3DLaunch/GameInfo/Pwads/castle.z3dm", "stays");
}

const QStringList kPurged = {"UserSG/Castle",
                             "UserSG/doom2",
                             "Z3DGames/Castle/savegame",
                             "Z3DGames/My Maps/SaveGame",
                             "Z3DAnFiles",
                             "Z3DLaunch/GameInfo/Save"};
const QStringList kKept = {"UserSG/readme.txt", "Z3DGames/Castle/Pwads/castle.wad",
                           "Z3DGames/My Maps/Gwads/a.wad", "Z3DLaunch/GameInfo/Pwads/castle.z3dm"};

} // namespace

class TestSaveGames : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void saveFolder_data();
    void saveFolder();
    void saveFileOfEntry();

    void deleteSaveGame_data();
    void deleteSaveGame();
    void deleteSaveGameFailure_data();
    void deleteSaveGameFailure();

    void purgeDeletesEverySaveAndRecord();
    void purgeStopsAtFirstFailure_data();
    void purgeStopsAtFirstFailure();
    void purgeWithNothingToPurge();
    void purgeRemovesLinksNotTheirTargets_data();
    void purgeRemovesLinksNotTheirTargets();
    void purgeThroughLinks_data();
    void purgeThroughLinks();

    void deleteSaveGameHeldOpenElsewhere();
    void deleteAllNodes();
    void deleteAllNodesFailure();
    void deleteAllNodesWithNothingToDelete();
};

void TestSaveGames::saveFolder_data()
{
    const DataTable<int, QString, QString, QString> row(
        "kind",
        "name",      // IWAD path, main wad or game folder
        "onDisk",    // folder created first ("" none)
        "expected"); // relative to the root ("" no folder)

    const int iwad = int(GameKind::IwadGame);
    const int zip = int(GameKind::ZipArchive);
    row("shareware Doom", iwad, "/w/DOOM1.WAD", "", "UserSG/doom1/savegame");
    row("Doom", iwad, "/w/doom.wad", "", "UserSG/doom/savegame");
    row("Doom II", iwad, "/w/Doom2.wad", "", "UserSG/doom2/savegame");
    row("TNT", iwad, "/w/tnt.wad", "", "UserSG/tnt/savegame");
    row("Plutonia", iwad, "/w/plutonia.wad", "", "UserSG/plutonia/savegame");
    row("not an IWAD", iwad, "/w/castle.wad", "", "");
    row("zip", zip, "/r/Z3DLaunch/Zips/Castle.wad", "", "UserSG/Castle/savegame");
    row("zip, dotted name", zip, "castle.v2.wad", "", "UserSG/castle.v2/savegame");
    row("zip, existing other case", zip, "castle.wad", "usersg/CASTLE/SaveGame",
        "usersg/CASTLE/SaveGame");
    row("zip, name of dots", zip, "...wad", "", "");
    row("zip, no wad", zip, "", "", "");
    row("installed", int(GameKind::PwadGame), "Castle", "", "Z3DGames/Castle/savegame");
    row("installed, shown upper case", int(GameKind::PwadGame), "CASTLE",
        "Z3DGames/Castle/Savegame", "Z3DGames/Castle/Savegame");
    row("scripted map", int(GameKind::ScriptedMap), "Hell", "", "Z3DGames/Hell/savegame");
    row("user directory", int(GameKind::UserDirectory), "My Maps", "", "Z3DGames/My Maps/savegame");
    row("installed, parent", int(GameKind::PwadGame), "..", "", "");
    row("nothing selected", int(GameKind::None), "Castle", "", "");
}

void TestSaveGames::saveFolder()
{
    const auto [kind, name, onDisk, expected] =
        fetchRow<int, QString, QString, QString>("kind", "name", "onDisk", "expected");

    InstallTree tree;
    if (!onDisk.isEmpty())
        tree.addFolder(onDisk);
    GameSelection selection;
    selection.currentKind = GameKind(kind);
    selection.selectedIwadPath = name;
    selection.currentGameFile = name;
    selection.currentPwadGame = name;
    selection.currentUserDirectory = name;

    const QString folder = SaveGameFolders(tree.paths()).folderFor(selection);
    QCOMPARE(folder, expected.isEmpty() ? QString() : tree.path(expected));
}

void TestSaveGames::saveFileOfEntry()
{
    InstallTree tree;
    const QString folder = tree.addFolder("UserSG/doom2/savegame");
    const QString slot3 = tree.addFile("UserSG/doom2/savegame/ZORN3DSAV3.Z3DSG", "save");

    const auto choice = SaveGameFolders::choose(folder, "3 - Reactor, second try");
    QVERIFY(choice);
    QCOMPARE(choice->slot, QString("3"));
    QCOMPARE(choice->file, slot3);
    QCOMPARE(SaveGameFolders::saveFilePath(folder, u'4'), folder + "/Zorn3DSav4.z3dsg");
    // Both ends of the slot range are slots.
    for (const char* slot : {"0", "9"}) {
        const auto edge = SaveGameFolders::choose(folder, QLatin1String(slot) + " - Edge");
        QVERIFY(edge);
        QCOMPARE(edge->slot, QLatin1String(slot));
        QCOMPARE(edge->file, folder + "/Zorn3DSav" + slot + ".z3dsg");
    }
    QVERIFY(!SaveGameFolders::choose(folder, "Reactor"));
    QVERIFY(!SaveGameFolders::choose(folder, ""));
}

void TestSaveGames::deleteSaveGame_data()
{
    const DataTable<int, bool, bool> row("answer", "present", "deleted");

    row("yes", int(MsgYes), true, true);
    row("no", int(MsgNo), true, false);
    row("yes, already gone", int(MsgYes), false, true);
}

void TestSaveGames::deleteSaveGame()
{
    const auto [answer, present, deleted] =
        fetchRow<int, bool, bool>("answer", "present", "deleted");

    InstallTree tree;
    const QString save = tree.path("Z3DGames/Castle/savegame/Zorn3DSav1.z3dsg");
    if (present)
        tree.addFile("Z3DGames/Castle/savegame/Zorn3DSav1.z3dsg", "save");
    RecordingDialogs dialogs;
    dialogs.answerMessage(answer);

    QCOMPARE(SaveGameOperations(tree.paths(), dialogs).deleteSaveGame(save), deleted);
    QCOMPARE(dialogs.calls().size(), 1);
    QCOMPARE(dialogs.calls().at(0).title, QString(" Delete selected savegame"));
    QCOMPARE(dialogs.calls().at(0).text,
             QString("Are you certain you wish to delete this savegame?     "));
    QCOMPARE(dialogs.calls().at(0).style, 36);
    QCOMPARE(QFile::exists(save), present && !deleted);
}

void TestSaveGames::deleteSaveGameHeldOpenElsewhere()
{
    InstallTree tree;
    const QString save = tree.addFile("Z3DGames/Castle/savegame/Zorn3DSav2.z3dsg", "save");
    z3d::test::HeldOpen holder;
    QVERIFY(holder.start(save));
    RecordingDialogs dialogs;
    dialogs.answerMessage(MsgYes);
    QVERIFY(!SaveGameOperations(tree.paths(), dialogs).deleteSaveGame(save));
    QCOMPARE(dialogs.calls().size(), 2);
    QCOMPARE(dialogs.calls().at(1).title, QString(" Access error"));
    QVERIFY(QFile::exists(save));
}

void TestSaveGames::deleteSaveGameFailure_data()
{
    const DataTable<int, QString, QString> row("error", "title", "text");

    const QString access = "Unable to delete the selected savegame from the list,       \r\n"
                           "    the file may be in use by another program.";
    row("permission denied", 70, " Access error", access);
    row("in use", 55, " Access error", access);
    row("other", 75, " Delete error", " Unknown error deleting savegame   ");
}

void TestSaveGames::deleteSaveGameFailure()
{
    const auto [error, title, text] = fetchRow<int, QString, QString>("error", "title", "text");

    InstallTree tree;
    const QString save = tree.addFile("UserSG/doom/savegame/Zorn3DSav0.z3dsg", "save");
    FaultInjector::fail(FileOperation::Delete, save, ErrorNumber(error));
    RecordingDialogs dialogs;

    QVERIFY(!SaveGameOperations(tree.paths(), dialogs).deleteSaveGame(save));
    QVERIFY(QFile::exists(save));
    const auto messages = dialogs.messages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(1).title, title);
    QCOMPARE(messages.at(1).text, text);
    QCOMPARE(messages.at(1).style, 48);
}

void TestSaveGames::purgeDeletesEverySaveAndRecord()
{
    InstallTree tree;
    buildSaves(tree);
    RecordingDialogs dialogs;
    dialogs.answerMessage(MsgNo);
    SaveGameOperations saves(tree.paths(), dialogs);

    QVERIFY(!saves.purgeAllSaveGames());
    for (const QString& path : kPurged)
        QVERIFY2(tree.exists(path), qPrintable(path));

    QVERIFY(saves.purgeAllSaveGames());
    for (const QString& path : kPurged)
        QVERIFY2(!tree.exists(path), qPrintable(path));
    for (const QString& path : kKept)
        QVERIFY2(tree.isFile(path), qPrintable(path));
    const auto messages = dialogs.messages();
    QCOMPARE(messages.size(), 2); // the two questions, no error
    QCOMPARE(messages.at(1).title, QString(" Purge all savegames "));
    QCOMPARE(messages.at(1).text,
             QString("  This is a quick method of removing all previously saved games.        "
                     "\r\n\r\n                          Do you wish to continue?"));
    QCOMPARE(messages.at(1).style, 36);
}

void TestSaveGames::purgeStopsAtFirstFailure_data()
{
    const DataTable<QString, QStringList, QStringList> row(
        "failing", // a file inside whose deletion fails
        "gone", "left");

    row("second UserSG folder", "UserSG/doom2/savegame/Zorn3DSav1.z3dsg",
        QStringList{"UserSG/Castle"},
        QStringList{"UserSG/doom2", "Z3DGames/Castle/savegame", "Z3DLaunch/GameInfo/Save"});
    row("a game's savegame", "Z3DGames/My Maps/SaveGame/Zorn3DSav3.z3dsg",
        QStringList{"UserSG/doom2", "Z3DGames/Castle/savegame"},
        QStringList{"Z3DGames/My Maps/SaveGame", "Z3DAnFiles", "Z3DLaunch/GameInfo/Save"});
    row("node folder", "Z3DAnFiles/map01.gwa",
        QStringList{"UserSG/doom2", "Z3DGames/My Maps/SaveGame"},
        QStringList{"Z3DAnFiles", "Z3DLaunch/GameInfo/Save/Gwads"});
    row("zip records", "Z3DLaunch/GameInfo/Save/Zip/castle.z3ds",
        QStringList{"Z3DAnFiles", "Z3DLaunch/GameInfo/Save/Gwads"},
        QStringList{"Z3DLaunch/GameInfo/Save/Zip", "Z3DLaunch/GameInfo/Save/doom2.z3ds"});
}

void TestSaveGames::purgeStopsAtFirstFailure()
{
    const auto [failing, gone, left] =
        fetchRow<QString, QStringList, QStringList>("failing", "gone", "left");

    InstallTree tree;
    buildSaves(tree);
    FaultInjector::fail(FileOperation::Delete, tree.path(failing), ErrorNumber::PermissionDenied);
    RecordingDialogs dialogs;

    QCOMPARE(SaveGameOperations(tree.paths(), dialogs).purgeSaveGames(),
             ErrorNumber::PermissionDenied);
    for (const QString& path : gone)
        QVERIFY2(!tree.exists(path), qPrintable(path));
    for (const QString& path : left)
        QVERIFY2(tree.exists(path), qPrintable(path));
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().at(0).title, QString(" Access error "));
    QCOMPARE(dialogs.messages().at(0).text, kPurgeAccessText);
    QCOMPARE(dialogs.messages().at(0).style, 48);
}

void TestSaveGames::purgeWithNothingToPurge()
{
    InstallTree tree;
    tree.addFolder("Z3DGames/Castle/Pwads");
    RecordingDialogs dialogs;
    SaveGameOperations saves(tree.paths(), dialogs);

    QVERIFY(saves.purgeAllSaveGames());
    QCOMPARE(dialogs.messages().size(), 1); // the question only
    QCOMPARE(saves.purgeSaveGames(), ErrorNumber::None);
    QVERIFY(tree.isFolder("Z3DGames/Castle/Pwads"));
}

void TestSaveGames::purgeRemovesLinksNotTheirTargets_data()
{
    const DataTable<QString, QString> row("link", "target");
    row("save folder to a folder", "UserSG/linked", "Elsewhere");
    row("inside a save folder", "UserSG/doom2/savegame/linked", "Elsewhere");
    // A game's save folder linked to a folder, to a file and to nothing.
    for (const char* target : {"Elsewhere", "Elsewhere/keep.z3dsg", "Nowhere"})
        row(qPrintable(QStringLiteral("game's save folder to ") + target),
            "Z3DGames/Castle/savegame", target);
}

void TestSaveGames::purgeRemovesLinksNotTheirTargets()
{
    const auto [link, target] = fetchRow<QString, QString>("link", "target");
    InstallTree tree;
    const QString outside = tree.addFile("Elsewhere/keep.z3dsg", "keep");
    tree.addFolder(link.section(u'/', 0, -2));
    QVERIFY(QFile::link(tree.path(target), tree.path(link)));
    RecordingDialogs dialogs;

    QCOMPARE(SaveGameOperations(tree.paths(), dialogs).purgeSaveGames(), ErrorNumber::None);
    QVERIFY(!QFileInfo(tree.path(link)).isSymLink());
    QVERIFY(QFile::exists(outside));
}

void TestSaveGames::purgeThroughLinks_data()
{
    // The entry made a link and where it points; what of elsewhere the purge deletes: the
    // saves of a game or a saves' folder kept there, never what a removed link points to.
    const DataTable<QString, QString, QString> row("link", "elsewhere", "elsewhereGone");
    row("a game folder", "Z3DGames/Castle", "Elsewhere/Castle", "Elsewhere/Castle/savegame/");
    row("a game's save folder", "Z3DGames/Castle/savegame", "Elsewhere/savegame", "");
    row("a save in it", "Z3DGames/Castle/savegame/Zorn3DSav0.z3dsg", "Elsewhere/s.z3dsg", "");
    row("the saves' folder", "UserSG", "Elsewhere/UserSG", "Elsewhere/UserSG/castle/");
    row("a folder of saves", "UserSG/castle", "Elsewhere/castle", "");
}

void TestSaveGames::purgeThroughLinks()
{
    const auto [link, elsewhere, elsewhereGone] =
        fetchRow<QString, QString, QString>("link", "elsewhere", "elsewhereGone");
    InstallTree tree;
    tree.addFile("Z3DGames/Castle/Pwads/castle.wad", "PWAD");
    tree.addFiles(
        {"Z3DGames/Castle/savegame/Zorn3DSav0.z3dsg", "UserSG/castle/savegame/Zorn3DSav0.z3dsg"},
        "save");
    QVERIFY(linkAway(tree, link, elsewhere));
    const QSet<QString> before = snapshot(tree);
    RecordingDialogs dialogs;

    QCOMPARE(SaveGameOperations(tree.paths(), dialogs).purgeSaveGames(), ErrorNumber::None);
    QVERIFY(dialogs.messages().isEmpty());
    for (const char* save : {"Z3DGames/Castle/savegame", "UserSG/castle"}) {
        QVERIFY2(!QFileInfo(tree.path(save)).exists(), save);
        QVERIFY2(!QFileInfo(tree.path(save)).isSymLink(), save);
    }
    verifyGoneElsewhere(tree, before, elsewhereGone);
    QVERIFY(tree.exists("Z3DGames/Castle/Pwads/castle.wad"));
}

void TestSaveGames::deleteAllNodes()
{
    InstallTree tree;
    tree.addFile("gwa/MAP01.gwa", "n");
    tree.addFile("gwa/no extension", "n");
    tree.addFile("gwa/sub/keep.txt", "stays");
    tree.addFile("Z3DAnFiles/e1m1.gwa", "n");
    RecordingDialogs dialogs;
    dialogs.answerMessage(MsgNo);
    SaveGameOperations saves(tree.paths(), dialogs);

    QVERIFY(!saves.deleteAllNodes());
    QVERIFY(tree.isFile("gwa/MAP01.gwa"));
    QVERIFY(saves.deleteAllNodes());
    QVERIFY(!tree.exists("gwa/MAP01.gwa"));
    QVERIFY(!tree.exists("gwa/no extension"));
    QVERIFY(!tree.exists("Z3DAnFiles/e1m1.gwa"));
    QVERIFY(tree.isFile("gwa/sub/keep.txt"));
    QVERIFY(tree.isFolder("Z3DAnFiles"));

    const auto messages = dialogs.messages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(1).title, QString(" Delete all saved nodes"));
    QCOMPARE(messages.at(1).text,
             QString("This is a quick method of removing all nodes that have      \r\n"
                     "    previously been built with maps you have played.       \r\n\r\n"
                     "                  Do you wish to continue?"));
    QCOMPARE(messages.at(1).style, 36);
}

void TestSaveGames::deleteAllNodesFailure()
{
    InstallTree tree;
    const QString stuck = tree.addFile("gwa/a.gwa", "n");
    tree.addFile("gwa/b.gwa", "n");
    tree.addFile("Z3DAnFiles/c.gwa", "n");
    FaultInjector::fail(FileOperation::Delete, stuck, ErrorNumber::FileAlreadyOpen);
    RecordingDialogs dialogs;

    QVERIFY(SaveGameOperations(tree.paths(), dialogs).deleteAllNodes());
    QVERIFY(tree.exists("gwa/a.gwa"));
    QVERIFY(!tree.exists("gwa/b.gwa"));
    QVERIFY(!tree.exists("Z3DAnFiles/c.gwa"));
    QCOMPARE(dialogs.messages().size(), 2);
    QCOMPARE(dialogs.messages().at(1).title, QString(" Access error "));
    QCOMPARE(dialogs.messages().at(1).text, kPurgeAccessText);
}

// Node folders without a file in them: nothing fails, so nothing is reported.
void TestSaveGames::deleteAllNodesWithNothingToDelete()
{
    InstallTree tree;
    tree.addFile("gwa/sub/keep.txt", "stays");
    tree.addFolder("Z3DAnFiles");
    RecordingDialogs dialogs;

    QVERIFY(SaveGameOperations(tree.paths(), dialogs).deleteAllNodes());
    QCOMPARE(dialogs.messages().size(), 1); // the question only
    QVERIFY(tree.isFile("gwa/sub/keep.txt"));
}

Z3D_TEST_GUILESS_MAIN(TestSaveGames)
#include "tst_savegames.moc"
