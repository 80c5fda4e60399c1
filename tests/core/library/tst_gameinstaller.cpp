// The install command on throw-away installations: wads copied and zips extracted flat into
// GamesDir/<name>/Pwads, the dialog's folder in pwads.z3d, the error messages and what each
// failure leaves behind, and names that must never become a folder of their own.

#include "core/library/GameInstaller.h"
#include "core/library/ZipExtraction.h"
#include "core/platform/FaultInjector.h"

#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProgress.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kUnknown = QLatin1String(GameInstaller::kUnknownText);
const QString kReadOnly = QLatin1String(GameInstaller::kReadOnlyText);
const QString kQuote = QLatin1String(GameInstaller::kQuoteText);
const QString kNoRoom = QLatin1String(GameInstaller::kNoRoomText);

// One installation with the services an install needs; saves counts the settings saves.
struct Fixture
{
    InstallTree tree;
    InstallPaths paths = tree.paths();
    RecordingDialogs dialogs;
    RecordingProgress progress;
    ZipExtraction zip{dialogs, &progress};
    int saves = 0;
    GameInstaller installer{paths, dialogs, zip, &progress, [this] { ++saves; }};

    InstallResult install(const QString& download, bool windowVisible = true)
    {
        dialogs.answerOpenFile(download);
        return installer.installGame(windowVisible);
    }
    // Every file and folder below GamesDir, relative to it, sorted.
    QStringList gamesTree() const
    {
        QStringList entries;
        const QString root = tree.path(QStringLiteral("Z3DGames"));
        QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries << QDir(root).relativeFilePath(it.next());
        entries.sort();
        return entries;
    }
    QByteArray pwadsFile() const
    {
        return tree.readFile(QStringLiteral("Z3DLaunch/Data/pwads.z3d"));
    }
};

} // namespace

class TestGameInstaller : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void installsWadAndAsksForTheSwitch();
    void extractsZipFlat();
    void zipMembersStayInTheGameFolder();
    void reinstallReplacesWithoutQuestion();
    void reinstallReplacesAnotherCase();
    void notAZipLeavesEmptyPwads();
    void cancelStillWritesPwadsZ3d();
    void failuresShowInstallError_data();
    void failuresShowInstallError();
    void roomToTheLastByte_data();
    void roomToTheLastByte();
    void gameNames_data();
    void gameNames();
    void hostileNamesTouchNothing_data();
    void hostileNamesTouchNothing();
};

void TestGameInstaller::installsWadAndAsksForTheSwitch()
{
    Fixture f;
    const QByteArray wad = test::wadWithMaps({"MAP01", "MAP02"});
    const QString download = f.tree.addFile(QStringLiteral("Downloads/Castle.wad"), wad);

    const InstallResult result = f.install(download);

    QCOMPARE(result.outcome, InstallResult::Outcome::Installed);
    QVERIFY(result.switchToInstalledGames());
    QCOMPARE(result.game, QStringLiteral("Castle"));
    QCOMPARE(result.gameFolder, f.tree.path(QStringLiteral("Z3DGames/Castle")));
    QCOMPARE(f.tree.readFile(QStringLiteral("Z3DGames/Castle/Pwads/Castle.wad")), wad);
    QCOMPARE(f.gamesTree(), QStringList({"Castle", "Castle/Pwads", "Castle/Pwads/Castle.wad"}));
    QVERIFY(f.dialogs.messages().isEmpty());
    QCOMPARE(f.progress.titles(), QStringList{" Installing"});
    QCOMPARE(f.progress.fileNames(), QStringList{"Castle.wad"});
    QCOMPARE(f.progress.steps().constLast().doneBytes, qint64(wad.size()));
    QCOMPARE(f.progress.open(), 0);

    // The dialog as the command asks for it: no pwads.z3d yet, so it opens in the zip library.
    QCOMPARE(f.dialogs.calls().size(), 1);
    const OpenFileRequest& request = f.dialogs.calls().first().fileRequest;
    QCOMPARE(request.title, QStringLiteral("Install a wad file to the Games List"));
    QCOMPARE(request.filters, QStringList({"Doom levels - zip or wad files", "*.zip;*.wad;"}));
    QCOMPARE(request.defaultExtension, QStringLiteral("wad"));
    QCOMPARE(request.placement, DialogPlacement::Platform);
    QCOMPARE(request.initialFolder, f.paths.zipLibraryDir);

    // The download's folder is remembered and the settings saved.
    QCOMPARE(f.pwadsFile(), (f.tree.path(QStringLiteral("Downloads")) + "\r\n").toUtf8());
    QCOMPARE(result.installDialogFolder, f.tree.path(QStringLiteral("Downloads")));
    QCOMPARE(f.saves, 1);

    // The next install opens where the last one picked its file.
    f.dialogs.clear();
    f.installer.installGame(true);
    QCOMPARE(f.dialogs.calls().first().fileRequest.initialFolder,
             f.tree.path(QStringLiteral("Downloads")));
}

void TestGameInstaller::extractsZipFlat()
{
    Fixture f;
    const QString download = f.tree.path(QStringLiteral("Downloads/castle.zip"));
    QDir().mkpath(f.tree.path(QStringLiteral("Downloads")));
    QVERIFY(test::writeZip(download, {{"castle/maps/castle.wad", "first"},
                                      {"castle/docs/readme.txt", "read me"},
                                      {"castle.deh", "patch"},
                                      {"other/deep/er/castle.wad", "second"}}));

    const InstallResult result = f.install(download);

    QCOMPARE(result.outcome, InstallResult::Outcome::Installed);
    QCOMPARE(result.game, QStringLiteral("castle"));
    QCOMPARE(f.gamesTree(), QStringList({"castle", "castle/Pwads", "castle/Pwads/castle.deh",
                                         "castle/Pwads/castle.wad", "castle/Pwads/readme.txt"}));
    // Members of one name overwrite each other: the last extracted wins.
    QCOMPARE(f.tree.readFile(QStringLiteral("Z3DGames/castle/Pwads/castle.wad")),
             QByteArray("second"));
    QCOMPARE(f.tree.readFile(QStringLiteral("Z3DGames/castle/Pwads/readme.txt")),
             QByteArray("read me"));
    QVERIFY(f.dialogs.messages().isEmpty());
    QCOMPARE(f.progress.titles(), QStringList{" Extracting"});
    QCOMPARE(f.saves, 1);
}

void TestGameInstaller::zipMembersStayInTheGameFolder()
{
    Fixture f;
    const QString download = f.tree.path(QStringLiteral("evil.zip"));
    QVERIFY(test::writeZip(download, {{"../../escape.wad", "up"},
                                      {"/abs.wad", "absolute"},
                                      {"..\\..\\back.wad", "back"},
                                      {"ok.wad", "fine"}}));

    f.install(download);

    // Only the flat, named members arrive, and only in the game's own folder.
    QCOMPARE(f.gamesTree(), QStringList({"evil", "evil/Pwads", "evil/Pwads/back.wad",
                                         "evil/Pwads/escape.wad", "evil/Pwads/ok.wad"}));
    QVERIFY(!f.tree.exists(QStringLiteral("escape.wad")));
    QVERIFY(!f.tree.exists(QStringLiteral("Z3DGames/escape.wad")));
    QVERIFY(!QFile::exists(QStringLiteral("/abs.wad")));
}

void TestGameInstaller::reinstallReplacesWithoutQuestion()
{
    Fixture f;
    const QString download = f.tree.addFile(QStringLiteral("Downloads/Castle.wad"), "old");
    f.install(download);
    f.tree.addFile(QStringLiteral("Downloads/Castle.wad"), "new, longer version");
    // A second wad of another base name joins an existing game of that name.
    f.tree.addFile(QStringLiteral("Z3DGames/Keep/Pwads/Keep.wad"), "kept");
    const QString beside = f.tree.addFile(QStringLiteral("Other/Keep.wad"), "beside");

    const InstallResult again = f.install(download);

    QCOMPARE(again.outcome, InstallResult::Outcome::Installed);
    QCOMPARE(f.tree.readFile(QStringLiteral("Z3DGames/Castle/Pwads/Castle.wad")),
             QByteArray("new, longer version"));
    QVERIFY(f.dialogs.messages().isEmpty());

    f.tree.removeFile(QStringLiteral("Z3DGames/Keep/Pwads/Keep.wad"));
    f.tree.addFile(QStringLiteral("Z3DGames/Keep/Pwads/Map2.wad"), "kept");
    QCOMPARE(f.install(beside).outcome, InstallResult::Outcome::Installed);
    QCOMPARE(f.tree.readFile(QStringLiteral("Z3DGames/Keep/Pwads/Map2.wad")), QByteArray("kept"));
    QCOMPARE(f.tree.readFile(QStringLiteral("Z3DGames/Keep/Pwads/Keep.wad")), "beside");
    QVERIFY(f.dialogs.messages().isEmpty());
}

void TestGameInstaller::reinstallReplacesAnotherCase()
{
    // The disk is case-sensitive, the launcher is not: castle.wad replaces CASTLE.WAD in the
    // folder CASTLE instead of making a second game or a second copy.
    Fixture f;
    f.tree.addFile(QStringLiteral("Z3DGames/CASTLE/PWADS/CASTLE.WAD"), "old");
    const QString download = f.tree.addFile(QStringLiteral("castle.wad"), "new");

    const InstallResult result = f.install(download);

    QCOMPARE(result.outcome, InstallResult::Outcome::Installed);
    QCOMPARE(result.gameFolder, f.tree.path(QStringLiteral("Z3DGames/CASTLE")));
    QCOMPARE(f.gamesTree(), QStringList({"CASTLE", "CASTLE/PWADS", "CASTLE/PWADS/CASTLE.WAD"}));
    QCOMPARE(f.tree.readFile(QStringLiteral("Z3DGames/CASTLE/PWADS/CASTLE.WAD")),
             QByteArray("new"));
}

void TestGameInstaller::notAZipLeavesEmptyPwads()
{
    for (const bool visible : {true, false}) {
        Fixture f;
        const QString download = f.tree.addFile(QStringLiteral("broken.zip"), "not a zip at all");

        const InstallResult result = f.install(download, visible);

        // The install goes on: the game is there, with nothing in it.
        QCOMPARE(result.outcome, InstallResult::Outcome::Installed);
        QCOMPARE(result.game, QStringLiteral("broken"));
        QCOMPARE(f.gamesTree(), QStringList({"broken", "broken/Pwads"}));
        QCOMPARE(f.saves, 1);
        QVERIFY(!f.pwadsFile().isEmpty());
        const QList<RecordingDialogs::Call> messages = f.dialogs.messages();
        if (!visible) {
            QVERIFY(messages.isEmpty());
            continue;
        }
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().title, QStringLiteral(" File error"));
        QCOMPARE(messages.first().text,
                 QStringLiteral("This file does not appear to be a valid zip file.    "));
        QCOMPARE(messages.first().style, 16);
    }
}

void TestGameInstaller::cancelStillWritesPwadsZ3d()
{
    Fixture f;
    const QString folder = f.tree.addFolder(QStringLiteral("Downloads"));
    // A second item proves the file is written anew, with the folder alone.
    f.tree.addTextFile(QStringLiteral("Z3DLaunch/Data/pwads.z3d"), {folder + ",old item"});

    const InstallResult result = f.installer.installGame(true); // unscripted: cancelled

    QCOMPARE(result.outcome, InstallResult::Outcome::Cancelled);
    QVERIFY(!result.switchToInstalledGames());
    QVERIFY(result.game.isEmpty());
    QCOMPARE(f.dialogs.calls().first().fileRequest.initialFolder, folder);
    QCOMPARE(f.pwadsFile(), (folder + "\r\n").toUtf8());
    QCOMPARE(f.saves, 1);
    QVERIFY(f.gamesTree().isEmpty());

    // A remembered folder that has gone: the dialog opens in the zip library, which is then
    // remembered.
    f.tree.removeFolder(QStringLiteral("Downloads"));
    f.dialogs.clear();
    f.installer.installGame(true);
    QCOMPARE(f.dialogs.calls().first().fileRequest.initialFolder, f.paths.zipLibraryDir);
    QCOMPARE(f.pwadsFile(), (f.paths.zipLibraryDir + "\r\n").toUtf8());
}

void TestGameInstaller::failuresShowInstallError_data()
{
    const DataTable<QString, QString, QStringList> row("setUp", "text", "gamesTree");

    row("read-only copy in Pwads", "read-only", kReadOnly,
        QStringList{"Castle", "Castle/Pwads", "Castle/Pwads/Castle.wad"});
    row("write refused (70)", "write-70", kReadOnly, QStringList{"Castle", "Castle/Pwads"});
    row("write fails otherwise (75)", "write-75", kUnknown, QStringList{"Castle", "Castle/Pwads"});
    row("game folder cannot be made", "game-folder", kUnknown, QStringList{});
    row("Pwads cannot be made", "pwads-folder", kUnknown, QStringList{"Castle"});
    row("game folder without Pwads", "no-pwads", kUnknown, QStringList{"Castle", "Castle/Gwads"});
    row("game folder name taken by a file", "file", kUnknown, QStringList{"Castle"});
    row("game folder refused (70)", "game-folder-70", kReadOnly, QStringList{});
    row("download vanished", "vanished", kUnknown, QStringList{"Castle", "Castle/Pwads"});
    // Nothing of an install that found no room is left behind.
    row("wad does not fit", "no-room", kNoRoom, QStringList{});
    row("disk full during the copy", "disk-full", kNoRoom, QStringList{});
    // A game installed before keeps its folder and its files.
    row("disk full over an installed game", "disk-full-installed", kNoRoom,
        QStringList{"Castle", "Castle/Pwads", "Castle/Pwads/readme.txt"});
}

void TestGameInstaller::failuresShowInstallError()
{
    const auto [setUp, text, gamesTree] =
        fetchRow<QString, QString, QStringList>("setUp", "text", "gamesTree");

    Fixture f;
    const QString download = f.tree.addFile(QStringLiteral("Downloads/Castle.wad"), "new");
    const QString target = f.tree.path(QStringLiteral("Z3DGames/Castle/Pwads/Castle.wad"));
    if (setUp == u"read-only") {
        f.tree.addFile(QStringLiteral("Z3DGames/Castle/Pwads/Castle.wad"), "old");
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
    } else if (setUp == u"write-70") {
        FaultInjector::fail(FileOperation::Write, target, ErrorNumber::PermissionDenied);
    } else if (setUp == u"write-75") {
        FaultInjector::fail(FileOperation::Write, target, ErrorNumber::PathFileAccessError);
    } else if (setUp == u"game-folder") {
        FaultInjector::fail(FileOperation::CreateFolder, f.tree.path("Z3DGames/Castle"),
                            ErrorNumber::PathFileAccessError);
    } else if (setUp == u"game-folder-70") {
        FaultInjector::fail(FileOperation::CreateFolder, f.tree.path("Z3DGames/Castle"),
                            ErrorNumber::PermissionDenied);
    } else if (setUp == u"pwads-folder") {
        FaultInjector::fail(FileOperation::CreateFolder, f.tree.path("Z3DGames/Castle/Pwads"),
                            ErrorNumber::PathFileAccessError);
    } else if (setUp == u"no-pwads") {
        f.tree.addFolder(QStringLiteral("Z3DGames/Castle/Gwads"));
    } else if (setUp == u"file") {
        f.tree.addFile(QStringLiteral("Z3DGames/Castle"), "a file");
    } else if (setUp == u"no-room") {
        FaultInjector::setFreeSpace(f.tree.path("Z3DGames"), 2);
    } else if (setUp.startsWith(u"disk-full")) {
        if (setUp.endsWith(u"installed"))
            f.tree.addFile(QStringLiteral("Z3DGames/Castle/Pwads/readme.txt"), "kept");
        FaultInjector::fail(FileOperation::Write, target, ErrorNumber::DiskFull);
    } else if (setUp == u"vanished") {
        f.tree.removeFile(QStringLiteral("Downloads/Castle.wad"));
    }

    const InstallResult result = f.install(download);

    QCOMPARE(result.outcome, InstallResult::Outcome::Failed);
    QVERIFY(!result.switchToInstalledGames());
    QVERIFY(result.game.isEmpty());
    const QList<RecordingDialogs::Call> messages = f.dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().title, QStringLiteral(" Install error"));
    QCOMPARE(messages.first().text, text);
    QCOMPARE(messages.first().style, 64);
    // Folders made before the failure stay; nothing is remembered or saved.
    QCOMPARE(f.gamesTree(), gamesTree);
    QVERIFY(!f.tree.exists(QStringLiteral("Z3DLaunch/Data/pwads.z3d")));
    QCOMPARE(f.saves, 0);
    if (setUp == u"read-only")
        QCOMPARE(f.tree.readFile(QStringLiteral("Z3DGames/Castle/Pwads/Castle.wad")),
                 QByteArray("old"));
}

void TestGameInstaller::roomToTheLastByte_data()
{
    // The free space left beside what the download needs: none to spare fits, one byte
    // short does not.
    const DataTable<bool, qint64, bool> row("zip", "spare", "installed");
    row("wad, exactly its size free", false, 0, true);
    row("wad, one byte short", false, -1, false);
    row("zip, exactly its members' size free", true, 0, true);
    row("zip, one byte short", true, -1, false);
}

void TestGameInstaller::roomToTheLastByte()
{
    const auto [zip, spare, installed] = fetchRow<bool, qint64, bool>("zip", "spare", "installed");
    Fixture f;
    const QByteArray wad = QByteArray("PWAD") + QByteArray(1000, 'w');
    const QString download = f.tree.path(zip ? "Downloads/Castle.zip" : "Downloads/Castle.wad");
    f.tree.addFolder("Downloads");
    if (zip)
        QVERIFY(writeZip(download, {{"castle.wad", wad}}));
    else
        f.tree.addFile("Downloads/Castle.wad", wad);
    FaultInjector::setFreeSpace(f.tree.path("Z3DGames"), wad.size() + spare);

    const InstallResult result = f.install(download);

    QCOMPARE(result.outcome == InstallResult::Outcome::Installed, installed);
    QCOMPARE(f.tree.readFile(zip ? "Z3DGames/Castle/Pwads/castle.wad"
                                 : "Z3DGames/Castle/Pwads/Castle.wad"),
             installed ? wad : QByteArray());
    if (!installed)
        QCOMPARE(f.dialogs.messages().size(), 1);
}

void TestGameInstaller::gameNames_data()
{
    const DataTable<QString, QString> row("path", "name");

    row("wad", "/d/Castle.wad", "Castle");
    row("last extension only", "/d/castle.v2.zip", "castle.v2");
    row("no extension", "/d/Castle", "Castle");
    row("blank inside", "/d/My Castle.wad", "My Castle");
    row("leading dot kept", "/d/.hidden.wad", ".hidden");
    // Nothing left to name the game after, or a name that would leave the games' folder.
    for (const char* path : {"/d/.wad", "/d/..wad", "/d/...wad", "/d/. . .zip", "/d/   .wad",
                             "/d/a\\b.wad", "/d/..\\..\\x.wad"})
        row(path, path, "");
}

void TestGameInstaller::gameNames()
{
    QFETCH(QString, path);
    QTEST(GameInstaller::gameNameFor(path), "name");
}

void TestGameInstaller::hostileNamesTouchNothing_data()
{
    const DataTable<QString, QString> row("fileName", "text");
    for (const char* fileName : {"...wad", " .zip", "..\\..\\Escape.wad"})
        row(fileName, fileName, kUnknown);
    // A quote would split the engine's arguments around the game's folder or its wad.
    row("a wad with quotes", "evil\" -exec \"pwn.cfg\" -connect \"203.0.113.9.wad", kQuote);
    row("a zip with quotes", "My \"Best\".zip", kQuote);
}

void TestGameInstaller::hostileNamesTouchNothing()
{
    const auto [fileName, text] = fetchRow<QString, QString>("fileName", "text");
    Fixture f;
    f.tree.addFile(QStringLiteral("Z3DGames/Castle/Pwads/Castle.wad"), "kept");
    const QString download = f.tree.addFolder(QStringLiteral("Downloads")) + u'/' + fileName;
    if (fileName.endsWith(QLatin1String(".zip"))) {
        QVERIFY(test::writeZip(download, {{"x.wad", "x"}}));
    } else {
        QFile file(download); // as named: the tree would take a backslash for a separator
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    const QStringList rootBefore = QDir(f.tree.root()).entryList(QDir::AllEntries | QDir::Hidden);

    const InstallResult result = f.install(download);

    QCOMPARE(result.outcome, InstallResult::Outcome::Failed);
    QCOMPARE(f.dialogs.messages().size(), 1);
    QCOMPARE(f.dialogs.messages().first().title, QStringLiteral(" Install error"));
    QCOMPARE(f.dialogs.messages().first().text, text);
    QCOMPARE(f.gamesTree(), QStringList({"Castle", "Castle/Pwads", "Castle/Pwads/Castle.wad"}));
    QCOMPARE(QDir(f.tree.root()).entryList(QDir::AllEntries | QDir::Hidden), rootBefore);
    QVERIFY(!f.tree.exists(QStringLiteral("Z3DLaunch/Data/pwads.z3d")));
    QCOMPARE(f.saves, 0);
}

Z3D_TEST_GUILESS_MAIN(TestGameInstaller)
#include "tst_gameinstaller.moc"
