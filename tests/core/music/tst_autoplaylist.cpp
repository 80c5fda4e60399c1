// The auto-playlist file (assigning a playlist to a game, finding it for an IWAD, short and
// damaged files, a read-only music folder), the playlist list and the editor's small files.

#include "core/music/AutoPlaylistFile.h"
#include "core/music/MusicEditorFiles.h"
#include "core/music/MusicMessages.h"
#include "core/music/PlaylistFile.h"
#include "core/platform/FaultInjector.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"
#include "support/TreeSnapshot.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kFile = QStringLiteral("Z3DLaunch/Music/auto-playlist.z3d");

} // namespace

class TestAutoPlaylist : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void tntIntoMissingFile();
    void assignKeepsOtherEntries_data();
    void assignKeepsOtherEntries();
    void find_data();
    void find();
    void readOnlyMusicFolder();
    void playlistNames();
    void editorFiles();
};

void TestAutoPlaylist::tntIntoMissingFile()
{
    InstallTree tree;
    QCOMPARE(AutoPlaylistFile::assign(tree.paths().musicDir, 3, "Fennick - TNT"),
             ErrorNumber::None);
    QCOMPARE(tree.readFile(kFile),
             QByteArray("IMPORTANT: Do not manually edit or change the order of this list\r\n"
                        "Doom/Ultimate Doom Placeholder\r\n"
                        "Doom II - Placeholder\r\n"
                        "Plutonia - Placeholder\r\n"
                        "Fennick - TNT\r\n"));
    const music_messages::Message added = music_messages::autoPlaylistAdded(3, "Fennick - TNT");
    QCOMPARE(added.title, QStringLiteral(" Auto playlist selection for TNT"));
    QCOMPARE(added.text, QStringLiteral("     Fennick - TNT  has been added to your auto "
                                        "selection.         \r\n"));
    QCOMPARE(added.style, 4096);
}

void TestAutoPlaylist::assignKeepsOtherEntries_data()
{
    const DataTable<QByteArray, int, QString, QByteArray> row("before", "game", "name", "after");
    row("Doom II", QByteArray("H\r\nA\r\nB\r\nC\r\nD\r\n"), 1, "Mix, v2",
        QByteArray("H\r\nA\r\n\"Mix, v2\"\r\nC\r\nD\r\n"));
    row("two lines, LF", QByteArray("H\nA\n"), 2, "P",
        QByteArray("H\r\nA\r\nDoom II - Placeholder\r\nP\r\n"
                   "TNT - Placeholder\r\n"));
    // Extra commas split a line into more entries; the entries are kept, one a line.
    row("extra commas", QByteArray("H\r\nA,x\r\nB\r\nC\r\nD\r\n"), 0, "N",
        QByteArray("H\r\nN\r\nx\r\nB\r\nC\r\nD\r\n"));
}

void TestAutoPlaylist::assignKeepsOtherEntries()
{
    const auto [before, game, name, after] =
        fetchRow<QByteArray, int, QString, QByteArray>("before", "game", "name", "after");

    InstallTree tree;
    tree.addFile(kFile, before);
    QCOMPARE(AutoPlaylistFile::assign(tree.paths().musicDir, game, name), ErrorNumber::None);
    QCOMPARE(tree.readFile(kFile), after);
    QCOMPARE(AutoPlaylistFile::readEntries(tree.paths().musicDir)->value(1 + game), name);
}

void TestAutoPlaylist::find_data()
{
    // An empty file: no file at all; found "-": nothing found.
    const DataTable<QByteArray, QString, QString> row("file", "iwad", "found");
    const QByteArray full("H\r\nDoom mix\r\nDoom2 mix\r\nPluto mix\r\nTnt mix\r\n");
    row("shareware", full, "/w/DOOM1.WAD", "Doom mix");
    row("Doom", full, "/w/doom.wad", "Doom mix");
    row("Doom II", full, "/w/Doom2.wad", "Doom2 mix");
    row("Plutonia", full, "/w/plutonia.wad", "Pluto mix");
    row("TNT", full, "/w/TNT.WAD", "Tnt mix");
    row("Freedoom stands in for Doom II", full, "/w/freedoom2.wad", "Doom2 mix");
    row("Freedoom stands in for Doom", full, "/w/FreeDoom1.WAD", "Doom mix");
    row("other IWAD", full, "/w/freedm.wad", "-");
    row("no file", QByteArray(), "/w/Doom2.wad", "-");
    row("fewer than five lines", QByteArray("H\r\nA\r\n"), "/w/tnt.wad", "-");
    row("extra commas shift entries", QByteArray("H\r\nA,B\r\nC\r\nD\r\nE\r\n"), "/w/Doom2.wad",
        "B");
}

void TestAutoPlaylist::find()
{
    const auto [file, iwad, found] =
        fetchRow<QByteArray, QString, QString>("file", "iwad", "found");

    InstallTree tree;
    if (!file.isEmpty())
        tree.addFile(kFile, file);
    QCOMPARE(AutoPlaylistFile::find(tree.paths().musicDir, iwad).value_or("-"), found);
}

void TestAutoPlaylist::readOnlyMusicFolder()
{
    InstallTree tree;
    tree.addFile("Z3DLaunch/Music/Mine.z3m", "x");
    FaultInjector::failInside(FileOperation::Write, tree.paths().musicDir,
                              ErrorNumber::PathFileAccessError);
    const QSet<QString> before = snapshot(tree);
    QCOMPARE(AutoPlaylistFile::assign(tree.paths().musicDir, 1, "Mine"),
             ErrorNumber::PathFileAccessError);
    QCOMPARE(snapshot(tree), before);
    QVERIFY(!AutoPlaylistFile::exists(tree.paths().musicDir));
}

void TestAutoPlaylist::playlistNames()
{
    InstallTree tree;
    tree.addFiles({"Z3DLaunch/Music/Mix v1.2.z3m", "Z3DLaunch/Music/LOUD.Z3M",
                   "Z3DLaunch/Music/.hidden.z3m", "Z3DLaunch/Music/auto-playlist.z3d",
                   "Z3DLaunch/Music/Orvel.old", "Z3DLaunch/Music/.z3m"},
                  "x");
    tree.addFolder("Z3DLaunch/Music/Folder.z3m");
    QStringList names = PlaylistFile::names(tree.paths().musicDir);
    names.sort();
    QCOMPARE(names, (QStringList{".hidden", "LOUD", "Mix v1.2"}));

    QVERIFY(tree.removeFolder("Z3DLaunch/Music"));
    QVERIFY(PlaylistFile::loadNames(tree.paths().musicDir).isEmpty());
    QVERIFY(tree.isFolder("Z3DLaunch/Music"));

    tree.addFile("Z3DLaunch/Music/Gone.z3m", "x");
    QCOMPARE(PlaylistFile::remove(tree.paths().musicDir, "GONE"), ErrorNumber::None);
    QVERIFY(!tree.exists("Z3DLaunch/Music/Gone.z3m"));
    QCOMPARE(music_messages::deletePlaylistQuestion("Gone").text,
             QStringLiteral("Are you certain you wish to delete GONE   "));
}

void TestAutoPlaylist::editorFiles()
{
    InstallTree tree;
    const InstallPaths paths = tree.paths();
    QCOMPARE(MusicEditorFiles::musicDialogFolder(paths), paths.musicDir);
    const QString folder = tree.addFolder("My Music, old");
    QCOMPARE(MusicEditorFiles::rememberMusicFolder(paths, folder), ErrorNumber::None);
    QCOMPARE(MusicEditorFiles::musicDialogFolder(paths), folder);
    tree.removeFolder("My Music, old");
    QCOMPARE(MusicEditorFiles::musicDialogFolder(paths), paths.musicDir);

    QVERIFY(MusicEditorFiles::textEditorProgram(paths).isEmpty());
    const QString program = tree.addFile("Tools/ed", "x");
    tree.addTextFile("Z3DLaunch/Data/editor.z3d", {tree.path("tools/ED"), "ignored"});
    QCOMPARE(MusicEditorFiles::textEditorProgram(paths), program);
    QCOMPARE(MusicEditorFiles::textEditorCommand("/t/ed", "/m/A b.z3m"),
             QStringLiteral("\"/t/ed\" \"/m/A b.z3m\""));
}

Z3D_TEST_GUILESS_MAIN(TestAutoPlaylist)
#include "tst_autoplaylist.moc"
