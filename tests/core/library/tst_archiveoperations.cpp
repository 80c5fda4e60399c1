// The operations of the zip-library menu on throw-away installations with real archives:
// installing the extracted files under either layout (over an existing game of either
// layout), renaming and deleting an archive with its records, the questions and messages,
// the refresh asked of the window, failures, and that nothing outside the library moves.

#include "core/library/ArchiveOperations.h"
#include "core/library/ZipExtraction.h"
#include "core/platform/FaultInjector.h"

#include "support/DataTable.h"
#include "support/DialogChecks.h"
#include "support/GameFileBytes.h"
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

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kExtracted = QStringLiteral("Z3DLaunch/Zips/");

struct Fixture : OperationsFixture<ArchiveOperations>
{
    // Castle.zip selected and extracted (its members in subfolders), its records, check
    // record and save games; Other.zip beside it; an installed game elsewhere.
    Fixture()
    {
        tree.addFile("keep.txt", "keep");
        tree.addFile("Z3DGames/Other/Pwads/other.wad", "other");
        tree.addTextFile("Z3DLaunch/GameInfo/Zips/other.z3dm", {"MAP01"});
        tree.addFile("UserSG/other/savegame/Zorn3DSav0.z3dsg", "save");
        extract("Castle", {{"maps/castle.wad", "PWAD"}, {"docs/readme.txt", "text"}});
        QVERIFY(z3d::test::writeZip(tree.path("Z3DArchives/Other.zip"), {{"o.wad", "o"}}));
        tree.addFile(kExtracted + "Checks/Castle.z3dchk", "check");
        tree.addTextFile("Z3DLaunch/GameInfo/Zips/castle.z3dm", {"MAP01"});
        tree.addTextFile("Z3DLaunch/GameInfo/Save/Zip/castle.z3ds", {"0"});
        tree.addFile("UserSG/castle/savegame/Zorn3DSav0.z3dsg", "save");
        GameSelection& s = selection;
        s.currentKind = GameKind::ZipArchive;
        s.currentGameFolder = tree.path(kExtracted);
        s.currentGameFile = s.currentGameFolder + QStringLiteral("castle.wad");
        settings.lastZipLibraryEntry = QStringLiteral("Castle");
        host.selectedName = QStringLiteral("Castle");
        host.selectedFile = QStringLiteral("castle.wad");
    }

    // Writes Z3DArchives/<name>.zip and extracts it as selecting it does.
    void extract(const QString& name, const QList<std::pair<QByteArray, QByteArray>>& members)
    {
        const QString zip = tree.path("Z3DArchives/" + name + ".zip");
        QVERIFY(z3d::test::writeZip(zip, members));
        RecordingDialogs quiet;
        ZipExtraction extraction(quiet);
        extraction.extract(zip, tree.path(kExtracted));
    }
};

void verifyPrompt(const RecordingDialogs& dialogs, const QString& frame, const QString& window,
                  const QString& button, const QString& defaultText)
{
    QVERIFY(!dialogs.calls().isEmpty());
    const RecordingDialogs::Call& prompt = dialogs.calls().first();
    QCOMPARE(prompt.kind, RecordingDialogs::Kind::AskName);
    QCOMPARE(prompt.text, frame);
    QCOMPARE(prompt.title, window);
    QCOMPARE(prompt.buttonCaption, button);
    QCOMPARE(prompt.defaultText, defaultText);
}

} // namespace

// An operation of the zip-library menu.
using Operation = void (z3d::ArchiveOperations::*)();

Q_DECLARE_METATYPE(z3d::ErrorNumber)
Q_DECLARE_METATYPE(Operation)

class TestArchiveOperations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void installAsGame();
    void installAsGameReplacesAutoLoadingGame();
    void installAsGameOverUserDirectory_data();
    void installAsGameOverUserDirectory();
    void installAsGameFailures_data();
    void installAsGameFailures();
    void installedMembersStayInTheGameFolder();

    void installAsUserDirectory();
    void installAsUserDirectoryOverExistingOne();
    void installAsUserDirectoryReadOnlyFile();
    void installRefused_data();
    void installRefused();

    void renameArchive_data();
    void renameArchive();
    void renameArchiveOntoExisting();
    void renameArchiveNotDone_data();
    void renameArchiveNotDone();
    void renameArchivePermissionDenied();
    void refusedNames_data();
    void refusedNames();

    void deleteArchive();
    void deleteArchiveDeclined();
    void deleteArchiveInUse();
    void deleteArchiveStopsAtFailure();
    void deletionsThroughLinks_data();
    void deletionsThroughLinks();
    void deleteArchiveActsOnTheSelectedEntry();
};

// ---- InstallArchiveAsGame --------------------------------------------------------------------

void TestArchiveOperations::installAsGame()
{
    Fixture f;
    const QSet<QString> before = f.runWithName(&ArchiveOperations::installArchiveAsGame, "CASTLE");

    verifyPrompt(f.dialogs, " Name ", " Install to Game List", "OK", "Castle");
    QCOMPARE(f.dialogs.messages().size(), 0);
    // The extracted files only: the check records' folder stays behind.
    QCOMPARE(difference(snapshot(f.tree), before),
             (QStringList{"Z3DGames/CASTLE/", "Z3DGames/CASTLE/Pwads/",
                          "Z3DGames/CASTLE/Pwads/castle.wad", "Z3DGames/CASTLE/Pwads/readme.txt"}));
    QCOMPARE(difference(before, snapshot(f.tree)), QStringList{});
    QCOMPARE(f.tree.readFile("Z3DGames/CASTLE/Pwads/castle.wad"), QByteArray("PWAD"));
    QCOMPARE(f.settings.lastInstalledGame, QStringLiteral("CASTLE"));
    QCOMPARE(f.selection.currentGameFile, f.tree.path("Z3DGames/CASTLE/Pwads/castle.wad"));
    QCOMPARE(f.host.calls, (QStringList{"selectGame", "switchGamesList 0"}));
}

void TestArchiveOperations::installAsGameReplacesAutoLoadingGame()
{
    Fixture f;
    f.tree.addFile("Z3DGames/Castle/Pwads/old.wad", "old");
    f.tree.addFile("Z3DGames/Castle/savegame/Zorn3DSav0.z3dsg", "save");
    f.runWithName(&ArchiveOperations::installArchiveAsGame, "CASTLE");

    // Replaced without a question; the folder keeps its spelling on disk.
    QCOMPARE(f.dialogs.messages().size(), 0);
    QCOMPARE(f.tree.fileNames("Z3DGames/Castle/Pwads"), (QStringList{"castle.wad", "readme.txt"}));
    QVERIFY(!f.tree.exists("Z3DGames/Castle/savegame"));
    QVERIFY(f.tree.isFile("Z3DGames/Other/Pwads/other.wad"));
}

void TestArchiveOperations::installAsGameOverUserDirectory_data()
{
    const DataTable<int> row("answer");
    row("replaced", int(MsgYes));
    row("kept", int(MsgNo));
}

void TestArchiveOperations::installAsGameOverUserDirectory()
{
    QFETCH(int, answer);
    Fixture f;
    f.tree.addFile("Z3DGames/Castle/Gwads/mine.wad", "mine");
    f.dialogs.answerName({QStringLiteral("Castle"), false});
    f.dialogs.answerMessage(answer);
    const QSet<QString> before = f.run(&ArchiveOperations::installArchiveAsGame);

    verifySoleMessage(f.dialogs.messages(), 36, " User Directory Conversion",
                      " WARNING: A manual-loading structure already exists in Castle     " +
                          kLineBreak +
                          " selecting Yes will delete all the existing files contained in this "
                          "folder.     ");
    if (answer == MsgNo) {
        verifyLeftAlone(f.tree, before, f.host);
        return;
    }
    QVERIFY(!f.tree.exists("Z3DGames/Castle/Gwads"));
    QVERIFY(f.tree.isFile("Z3DGames/Castle/Pwads/castle.wad"));
    QCOMPARE(f.host.calls, (QStringList{"selectGame", "switchGamesList 0"}));
}

void TestArchiveOperations::installAsGameFailures_data()
{
    const DataTable<ErrorNumber, QString> row("error", "text");
    row("read only", ErrorNumber::PermissionDenied,
        " Read only error, file can't be overwritten     ");
    row("other", ErrorNumber::PathFileAccessError, " Unknown error     ");
}

void TestArchiveOperations::installAsGameFailures()
{
    const auto [error, text] = fetchRow<ErrorNumber, QString>("error", "text");
    Fixture f;
    f.dialogs.answerName({QStringLiteral("Castle"), false});
    FaultInjector::fail(FileOperation::Write, f.tree.path("Z3DGames/Castle/Pwads/readme.txt"),
                        error);
    f.run(&ArchiveOperations::installArchiveAsGame);

    verifySoleMessage(f.dialogs.messages(), 16, " Conversion error", text);
    // The folders made and the file copied before the failure stay.
    QVERIFY(f.tree.isFile("Z3DGames/Castle/Pwads/castle.wad"));
    QVERIFY(!f.tree.exists("Z3DGames/Castle/Pwads/readme.txt"));
    QCOMPARE(f.host.calls, QStringList{});
}

void TestArchiveOperations::installedMembersStayInTheGameFolder()
{
    Fixture f;
    QDir(f.tree.path(kExtracted)).removeRecursively();
    f.extract("Evil", {{"../../escape.wad", "e"},
                       {"/absolute.txt", "a"},
                       {"C:\\drive.txt", "d"},
                       {"sub/../../up.wad", "u"},
                       {"..", "x"},
                       {"deep/inner/level.wad", "l"}});
    f.settings.lastZipLibraryEntry = QStringLiteral("Evil");
    const QSet<QString> before = f.runWithName(&ArchiveOperations::installArchiveAsGame, "Evil");

    QCOMPARE(f.dialogs.messages().size(), 0);
    const QStringList added = difference(snapshot(f.tree), before);
    QVERIFY(added.contains("Z3DGames/Evil/Pwads/level.wad"));
    for (const QString& path : added)
        QVERIFY2(path.startsWith("Z3DGames/Evil/Pwads/") || path == "Z3DGames/Evil/",
                 qPrintable(path));
    QCOMPARE(difference(before, snapshot(f.tree)), QStringList{});
    QVERIFY(!QFileInfo::exists(f.tree.root() + "/../escape.wad"));
    QVERIFY(!QFileInfo::exists("/absolute.txt"));
}

// ---- InstallArchiveAsUserDirectory -----------------------------------------------------------

void TestArchiveOperations::installAsUserDirectory()
{
    Fixture f;
    const QSet<QString> before =
        f.runWithName(&ArchiveOperations::installArchiveAsUserDirectory, "Castle");

    verifyPrompt(f.dialogs, "Games List Name", " Install to Games List", "OK", "Castle");
    QCOMPARE(difference(snapshot(f.tree), before),
             (QStringList{"Z3DGames/Castle/", "Z3DGames/Castle/Gwads/",
                          "Z3DGames/Castle/Gwads/castle.wad", "Z3DGames/Castle/Gwads/readme.txt"}));
    verifySoleMessage(f.dialogs.messages(), 0, " User Directory Conversion",
                      " The Castle has been installed to the games list.     ");
    QCOMPARE(f.selection.currentKind, GameKind::UserDirectory);
    QCOMPARE(f.selection.currentUserDirectory, QStringLiteral("Castle"));
    QCOMPARE(f.settings.lastInstalledGame, QStringLiteral("Castle"));
    QCOMPARE(f.host.calls, (QStringList{"clearSaveGames", "selectGame", "switchGamesList 0"}));
}

void TestArchiveOperations::installAsUserDirectoryOverExistingOne()
{
    Fixture f;
    f.tree.addFile("Z3DGames/castle/Gwads/mine.wad", "mine");
    f.tree.addFile("Z3DGames/castle/Gwads/CASTLE.WAD", "older");
    f.runWithName(&ArchiveOperations::installArchiveAsUserDirectory, "Castle");

    // Files of other names stay; one of the same name in another case is overwritten.
    QCOMPARE(f.tree.fileNames("Z3DGames/castle/Gwads"),
             (QStringList{"CASTLE.WAD", "mine.wad", "readme.txt"}));
    QCOMPARE(f.tree.readFile("Z3DGames/castle/Gwads/CASTLE.WAD"), QByteArray("PWAD"));
    verifySoleMessage(
        f.dialogs.messages(), 0, "User Directory Conversion",
        " All relevant files have been unzipped to the existing Castle games list.    ");
}

void TestArchiveOperations::installAsUserDirectoryReadOnlyFile()
{
    Fixture f;
    const QString readOnly = f.tree.addFile("Z3DGames/Castle/Gwads/readme.txt", "mine");
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
    f.runWithName(&ArchiveOperations::installArchiveAsUserDirectory, "Castle");
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner);

    verifySoleMessage(f.dialogs.messages(), 64, " Conversion error",
                      " Read only error, file can't be overwritten      ");
    QVERIFY(f.tree.isFile("Z3DGames/Castle/Gwads/castle.wad"));
    QCOMPARE(f.tree.readFile("Z3DGames/Castle/Gwads/readme.txt"), QByteArray("mine"));
    QCOMPARE(f.host.calls, QStringList{});
}

// ---- Either installation refused ------------------------------------------------------------

void TestArchiveOperations::installRefused_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("existing"); // made first: a file, or a folder when it ends in '/'
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    const Operation asGame = &ArchiveOperations::installArchiveAsGame;
    for (const char* name : {"..", ".", "../../Escaped", "..\\Escaped", "  "}) {
        QTest::addRow("as game: '%s'", name)
            << asGame << QString() << QString::fromUtf8(name) << 16 << " Conversion error"
            << " Unknown error     ";
    }
    const Operation asUserDirectory = &ArchiveOperations::installArchiveAsUserDirectory;
    QTest::newRow("as user directory over an auto-loading game")
        << asUserDirectory << "Z3DGames/Castle/Pwads/castle.wad"
        << "CASTLE" << 0 << " User Directory Conversion"
        << " The CASTLE folder already exists as an auto-loading User Directory     ";
    QTest::newRow("as user directory into a plain folder") << asUserDirectory << "Z3DGames/Plain/"
                                                           << "Plain" << 16 << " Conversion error"
                                                           << "ERROR: Unknown error     ";
}

void TestArchiveOperations::installRefused()
{
    const auto [operation, existing, name, style, title, text] =
        fetchRow<Operation, QString, QString, int, QString, QString>(
            "operation", "existing", "name", "style", "title", "text");
    Fixture f;
    if (!existing.isEmpty())
        f.tree.addEntry(existing, "old");
    f.dialogs.answerName({name, false});
    f.verifyRefused(operation, style, title, text);
}

// ---- RenameArchive ---------------------------------------------------------------------------

void TestArchiveOperations::renameArchive_data()
{
    const DataTable<bool, QString> row("customFont", "display");
    row("default font", false, "NEWNAME");
    row("custom font", true, "NewName");
}

void TestArchiveOperations::renameArchive()
{
    const auto [customFont, display] = fetchRow<bool, QString>("customFont", "display");
    Fixture f;
    f.customFontInUse = customFont;
    const QSet<QString> before = f.runWithName(&ArchiveOperations::renameArchive, "NewName");

    verifyPrompt(f.dialogs, " Name ", " Rename Zip", "Cancel", "Castle");
    QCOMPARE(f.dialogs.messages().size(), 0);
    // The check record and the extracted files stay; the records are dropped.
    QCOMPARE(difference(before, snapshot(f.tree)),
             (QStringList{"Z3DArchives/Castle.zip", "Z3DLaunch/GameInfo/Save/Zip/castle.z3ds",
                          "Z3DLaunch/GameInfo/Zips/castle.z3dm"}));
    QCOMPARE(difference(snapshot(f.tree), before), QStringList{"Z3DArchives/NewName.zip"});
    QCOMPARE(f.settings.lastZipLibraryEntry, QStringLiteral("NewName"));
    QCOMPARE(f.host.calls,
             (QStringList{"replaceSelectedGame " + display + "|NewName", "selectGame"}));
}

void TestArchiveOperations::renameArchiveOntoExisting()
{
    Fixture f;
    const QByteArray other = f.tree.readFile("Z3DArchives/Other.zip");
    const QSet<QString> before = f.runWithName(&ArchiveOperations::renameArchive, "OTHER");

    verifySoleMessage(f.dialogs.messages(), 48, " Renaming error",
                      " Illegal naming convention detected. ");
    QCOMPARE(snapshot(f.tree), before);
    QCOMPARE(f.tree.readFile("Z3DArchives/Other.zip"), other);
    QCOMPARE(f.settings.lastZipLibraryEntry, QStringLiteral("Castle"));
    QCOMPARE(f.host.calls, QStringList{"redrawGamesList"});
}

void TestArchiveOperations::refusedNames_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    const Operation install = &ArchiveOperations::installArchiveAsUserDirectory;
    for (const char* name : {"..", "../Escaped", "a\\b", " "}) {
        QTest::addRow("install as user directory: '%s'", name)
            << install << QString::fromUtf8(name) << 16 << " Conversion error"
            << "ERROR: Unknown error     ";
    }
    const Operation rename = &ArchiveOperations::renameArchive;
    for (const char* name : {"..", "../Escaped", "..\\..\\x", "   "}) {
        QTest::addRow("rename: '%s'", name)
            << rename << QString::fromUtf8(name) << 48 << " Renaming error"
            << " Illegal naming convention detected. ";
    }
}

void TestArchiveOperations::refusedNames()
{
    const auto [operation, name, style, title, text] =
        fetchRow<Operation, QString, int, QString, QString>("operation", "name", "style", "title",
                                                            "text");
    Fixture f;
    const QSet<QString> before = f.runWithName(operation, name);
    verifySoleMessage(f.dialogs.messages(), style, title, text);
    QCOMPARE(snapshot(f.tree), before);
}

void TestArchiveOperations::renameArchiveNotDone_data()
{
    Fixture::renameNotDoneRows("NewName", "Castle");
}

void TestArchiveOperations::renameArchiveNotDone()
{
    Fixture f;
    f.verifyRenameNotDone(&ArchiveOperations::renameArchive);
}

void TestArchiveOperations::renameArchivePermissionDenied()
{
    Fixture f;
    f.dialogs.answerName({QStringLiteral("NewName"), false});
    FaultInjector::fail(FileOperation::Delete, f.tree.path("Z3DArchives/Castle.zip"),
                        ErrorNumber::PermissionDenied);
    f.verifyRefused(&ArchiveOperations::renameArchive, 48, " Access error",
                    "Unable to rename the selected item in this list,       " + kLineBreak +
                        "  the file may be in use by another program.",
                    {"redrawGamesList"});
}

// ---- DeleteArchive ---------------------------------------------------------------------------

void TestArchiveOperations::deleteArchive()
{
    Fixture f;
    const QSet<QString> before = f.run(&ArchiveOperations::deleteArchive);

    verifySoleMessage(f.dialogs.messages(), 36, " Delete selected archive",
                      "Are you certain you wish to delete this file?      ");
    // The extracted files stay until another archive is selected.
    QCOMPARE(difference(before, snapshot(f.tree)),
             (QStringList{"UserSG/castle/", "UserSG/castle/savegame/",
                          "UserSG/castle/savegame/Zorn3DSav0.z3dsg", "Z3DArchives/Castle.zip",
                          "Z3DLaunch/GameInfo/Save/Zip/castle.z3ds",
                          "Z3DLaunch/GameInfo/Zips/castle.z3dm",
                          "Z3DLaunch/Zips/Checks/Castle.z3dchk"}));
    QCOMPARE(f.selection.currentKind, GameKind::None);
    QCOMPARE(f.host.calls, (QStringList{"clearSaveGames", "switchGamesList 2"}));
}

void TestArchiveOperations::deleteArchiveDeclined()
{
    Fixture f;
    f.dialogs.answerMessage(MsgNo);
    const QSet<QString> before = f.run(&ArchiveOperations::deleteArchive);
    verifyLeftAlone(f.tree, before, f.host);
}

void TestArchiveOperations::deleteArchiveInUse()
{
    Fixture f;
    HeldOpen holder;
    QVERIFY(holder.start(f.tree.path(kExtracted + "castle.wad")));
    const QSet<QString> before = f.run(&ArchiveOperations::deleteArchive);

    QCOMPARE(f.dialogs.messages().size(), 2);
    verifyMessage(f.dialogs.messages().at(1), 48, " Access error",
                  "Unable to delete the selected file, the file       " + kLineBreak +
                      "  appears to be in use by another program.");
    verifyLeftAlone(f.tree, before, f.host);
}

void TestArchiveOperations::deleteArchiveStopsAtFailure()
{
    Fixture f;
    FaultInjector::fail(FileOperation::Delete,
                        f.tree.path("Z3DLaunch/GameInfo/Save/Zip/castle.z3ds"),
                        ErrorNumber::PathFileAccessError);
    const QSet<QString> before = f.run(&ArchiveOperations::deleteArchive);

    QCOMPARE(f.dialogs.messages().size(), 2);
    verifyMessage(f.dialogs.messages().at(1), 48, " Access error",
                  "Unable to remove the selected item from this list,       " + kLineBreak +
                      "   the file may be in use by another program.");
    QCOMPARE(difference(before, snapshot(f.tree)),
             (QStringList{"Z3DArchives/Castle.zip", "Z3DLaunch/Zips/Checks/Castle.z3dchk"}));
    QCOMPARE(f.host.calls, QStringList{"redrawGamesList"});
}

void TestArchiveOperations::deletionsThroughLinks_data()
{
    // The operation, the entry made a link and where it points; the folder the operation
    // deletes, and what of elsewhere goes with it (only a folder of the operation's own behind
    // a linked parent).
    const DataTable<Operation, QString, QString, QString, QString> row(
        "operation", "link", "elsewhere", "deleted", "elsewhereGone");
    const Operation remove = &ArchiveOperations::deleteArchive;
    const Operation install = &ArchiveOperations::installArchiveAsGame;
    row("delete: the save folder", remove, "UserSG/castle", "Elsewhere/castle", "UserSG/castle",
        "");
    row("delete: a save in it", remove, "UserSG/castle/savegame", "Elsewhere/savegame",
        "UserSG/castle", "");
    row("delete: the saves' folder", remove, "UserSG", "Elsewhere/UserSG", "UserSG/castle",
        "Elsewhere/UserSG/castle/");
    row("install over: the game folder", install, "Z3DGames/Castle", "Elsewhere/Castle",
        "Z3DGames/Castle/Pwads/old.wad", "");
    row("install over: its files folder", install, "Z3DGames/Castle/Pwads", "Elsewhere/Pwads",
        "Z3DGames/Castle/Pwads/old.wad", "");
    row("install over: the games folder", install, "Z3DGames", "Elsewhere/Games",
        "Z3DGames/Castle/Pwads/old.wad", "Elsewhere/Games/Castle/");
}

void TestArchiveOperations::deletionsThroughLinks()
{
    const auto [operation, link, elsewhere, deleted, elsewhereGone] =
        fetchRow<Operation, QString, QString, QString, QString>("operation", "link", "elsewhere",
                                                                "deleted", "elsewhereGone");
    Fixture f;
    f.tree.addFile("Z3DGames/Castle/Pwads/old.wad", "old");
    QVERIFY(linkAway(f.tree, link, elsewhere));
    const QSet<QString> before = f.runWithName(operation, "Castle");

    QCOMPARE(f.dialogs.messages().size(), operation == &ArchiveOperations::deleteArchive ? 1 : 0);
    QVERIFY(!QFileInfo(f.tree.path(deleted)).exists());
    QVERIFY(!QFileInfo(f.tree.path(deleted)).isSymLink());
    verifyGoneElsewhere(f.tree, before, elsewhereGone);
    QVERIFY(f.tree.exists("Z3DGames/Other/Pwads/other.wad"));
    QVERIFY(f.tree.exists("UserSG/other/savegame/Zorn3DSav0.z3dsg"));
    if (operation == &ArchiveOperations::installArchiveAsGame)
        QCOMPARE(f.tree.readFile("Z3DGames/Castle/Pwads/castle.wad"), QByteArray("PWAD"));
}

void TestArchiveOperations::deleteArchiveActsOnTheSelectedEntry()
{
    // Broken.zip is selected but could not be extracted: the files and main wad still belong
    // to Castle, which must survive.
    Fixture f;
    f.tree.addFile("Z3DArchives/Broken.zip", "not a zip");
    f.tree.addTextFile("Z3DLaunch/GameInfo/Zips/broken.z3dm", {"MAP01"});
    f.host.selectedName = QStringLiteral("Broken");
    f.host.selectedFile.clear();
    const QSet<QString> before = f.run(&ArchiveOperations::deleteArchive);

    QCOMPARE(difference(before, snapshot(f.tree)),
             (QStringList{"Z3DArchives/Broken.zip", "Z3DLaunch/GameInfo/Zips/broken.z3dm"}));
    QCOMPARE(f.host.calls, (QStringList{"clearSaveGames", "switchGamesList 2"}));
}

Z3D_TEST_GUILESS_MAIN(TestArchiveOperations)
#include "tst_archiveoperations.moc"
