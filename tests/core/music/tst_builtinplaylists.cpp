// The music packs' playlists: their telling rows, the start-up generation with its conditions,
// the retiring of the packs' old playlists and a read-only music folder.

#include "core/music/BuiltInPlaylists.h"
#include "core/music/PlaylistFile.h"
#include "core/music/PlaylistFormat.h"
#include "core/platform/FaultInjector.h"
#include "core/platform/PathResolver.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"
#include "support/TreeSnapshot.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const char* const kMFold = R"(

 # -  INTERMISSION MUSIC FOR DOOM II

D_DM2TTL \OggVorbis\M-Fold\d_dm2ttl.ogg
D_DM2INT \OggVorbis\M-Fold\d_dm2int.ogg
D_READ_M \OggVorbis\M-Fold\d_read_m.ogg
D_EVIL \OggVorbis\M-Fold\d_evil.ogg


 # -  MAP MUSIC FOR DOOM II

MAP01 \OggVorbis\M-Fold\d_runnin.ogg
MAP02 \OggVorbis\M-Fold\d_stalks.ogg
MAP03 \OggVorbis\M-Fold\d_countd.ogg
MAP04 \OggVorbis\M-Fold\d_betwee.ogg
MAP05 \OggVorbis\M-Fold\d_doom.ogg
MAP06 \OggVorbis\M-Fold\d_the_da.ogg
MAP07 \OggVorbis\M-Fold\d_shawn.ogg
MAP08 \OggVorbis\M-Fold\d_ddtblu.ogg
MAP09 \OggVorbis\M-Fold\d_in_cit.ogg
MAP10 \OggVorbis\M-Fold\d_dead.ogg
MAP11 \OggVorbis\M-Fold\d_stalks.ogg
MAP12 \OggVorbis\M-Fold\d_the_da.ogg
MAP13 \OggVorbis\M-Fold\d_doom.ogg
MAP14 \OggVorbis\M-Fold\d_ddtblu.ogg
MAP15 \OggVorbis\M-Fold\d_runnin.ogg
MAP16 \OggVorbis\M-Fold\d_dead.ogg
MAP17 \OggVorbis\M-Fold\d_stalks.ogg
MAP18 \OggVorbis\M-Fold\d_romero.ogg
MAP19 \OggVorbis\M-Fold\d_shawn.ogg
MAP20 \OggVorbis\M-Fold\d_messag.ogg
MAP21 \OggVorbis\M-Fold\d_countd.ogg
MAP22 \OggVorbis\M-Fold\d_ddtblu.ogg
MAP23 \OggVorbis\M-Fold\d_ampie.ogg
MAP24 \OggVorbis\M-Fold\d_the_da.ogg
MAP25 \OggVorbis\M-Fold\d_adrian.ogg
MAP26 \OggVorbis\M-Fold\d_messag.ogg
MAP27 \OggVorbis\M-Fold\d_romero.ogg
MAP28 \OggVorbis\M-Fold\d_tense.ogg
MAP29 \OggVorbis\M-Fold\d_shawn.ogg
MAP30 \OggVorbis\M-Fold\d_openin.ogg
MAP31 \OggVorbis\M-Fold\d_evil.ogg
MAP32 \OggVorbis\M-Fold\d_ultima.ogg

)";

QByteArray crlf(const char* text)
{
    QByteArray bytes(text + 1);
    return bytes.replace("\n", "\r\n");
}

QStringList musicFiles(const InstallTree& tree)
{
    QStringList files = PathResolver::fileNames(tree.paths().musicDir);
    files.sort();
    return files;
}

} // namespace

class TestBuiltInPlaylists : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void tellingRows_data();
    void tellingRows();
    void layouts_data();
    void layouts();
    void mFoldRewrittenAtEveryStart();
    void generation_data();
    void generation();
    void readOnlyMusicFolderChangesNothing();
};

void TestBuiltInPlaylists::tellingRows_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("row");
    const auto row = [](const char* list, const char* line) {
        QTest::addRow("%s: %s", list, line) << QString::fromUtf8(list) << QString::fromUtf8(line);
    };
    for (const char* pack : {"Orvel", "Fennick"}) {
        const QByteArray list = QByteArray(pack) + " - Doom & Doom2";
        const QByteArray folder = QByteArray(R"( \OggVorbis\)") + pack + '\\';
        // The telling rows, then a sample of the table: the maps where a game plays the
        // track of another map (Doom's E3M4 and E4M1 play E1M8's), and first and last slots.
        for (const char* slot :
             {"D_INTER|d_e2m3",  "E2M5|d_e1m7",      "MAP01|d_runnin",    "MAP31|d_evil",
              "D_BUNNY|d_bunny", "D_INTROA|d_intro", "D_VICTOR|d_victor", "E1M1|d_e1m1",
              "E3M4|d_e1m8",     "E3M5|d_e1m7",      "E3M6|d_e1m6",       "E4M1|d_e1m8",
              "E4M4|d_e1m5",     "E4M8|d_e1m7",      "E4M9|d_e1m9",       "D_DM2TTL|d_dm2ttl",
              "MAP11|d_stalks",  "MAP15|d_runnin",   "MAP23|d_ampie",     "MAP30|d_openin",
              "MAP32|d_ultima"}) {
            const QList<QByteArray> parts = QByteArray(slot).split('|');
            row(list.constData(), (parts[0] + folder + parts[1] + ".ogg").constData());
        }
        const QByteArray plutonia = QByteArray(pack) + " - Plutonia";
        for (const char* slot :
             {"D_EVIL|d_e1m8", "MAP01|d_e1m2", "MAP11|d_bunny", "MAP30|d_victor"}) {
            const QList<QByteArray> parts = QByteArray(slot).split('|');
            row(plutonia.constData(), (parts[0] + folder + parts[1] + ".ogg").constData());
        }
    }
    row("M-Fold - Doom2", R"(MAP01 \OggVorbis\M-Fold\d_runnin.ogg)");
    row("Tavish - TNT", R"(D_DM2INT \OggVorbis\Tavish\tnt_evil.ogg)");
    row("Tavish - TNT", R"(D_EVIL \Oggvorbis\Tavish\tnt_evil.ogg)");
    row("Tavish - TNT", R"(MAP11 \OggVorbis\Tavish\tnt_stlks2.ogg)");
    row("Fennick - TNT", R"(D_EVIL \Oggvorbis\Fennick\tnt_evil.ogg)");
    row("Fennick - TNT", R"(MAP01 \OggVorbis\fennick\tnt_runnin.ogg)");
    row("Fennick - TNT", R"(MAP11 \OggVorbis\fennick\tnt_stlks2.ogg)");
}

void TestBuiltInPlaylists::tellingRows()
{
    const auto [list, row] = fetchRow<QString, QString>("list", "row");
    QVERIFY2(BuiltInPlaylists::lines(list).contains(row), qPrintable(row));
}

void TestBuiltInPlaylists::layouts_data()
{
    const DataTable<QString, int, QString> row("list", "lines", "mapTitle");
    row("Tavish", "Tavish - TNT", 44, " # -  MAP MUSIC FOR TNT");
    row("Orvel", "orvel - doom & doom2", 91, " # -  MAP MUSIC FOR DOOM");
    row("Fennick", "Fennick - Plutonia", 44, " # -  MAP MUSIC FOR PLUTONIA");
    row("not built in", "MyDoomMusic", 0, "");
}

void TestBuiltInPlaylists::layouts()
{
    const auto [list, lines, mapTitle] =
        fetchRow<QString, int, QString>("list", "lines", "mapTitle");
    const QStringList built = BuiltInPlaylists::lines(list);
    QCOMPARE(built.size(), lines);
    if (lines == 0)
        return;
    QCOMPARE(built.at(9), mapTitle);
    // Opened in the editor, a built-in list needs no repair, and every slot holds music.
    const playlist::OpenedPlaylist opened = playlist::openPlaylistLines(built);
    QCOMPARE(opened.step, playlist::OpenedPlaylist::Step::Ready);
    for (const QString& line : built)
        QVERIFY(line.isEmpty() || line.startsWith(u' ') || line.endsWith(QLatin1String(".ogg")));
}

void TestBuiltInPlaylists::mFoldRewrittenAtEveryStart()
{
    InstallTree tree;
    tree.addFolder("oggvorbis/m-fold");
    tree.removeFolder("Z3DLaunch/Music");
    for (int start = 0; start < 2; ++start) {
        const BuiltInPlaylists::Report report = BuiltInPlaylists::build(tree.paths(), {});
        QCOMPARE(report.written, QStringList{"M-Fold - Doom2"});
        QCOMPARE(report.firstError, ErrorNumber::None);
        QCOMPARE(tree.readFile("Z3DLaunch/Music/M-Fold - Doom2.z3m"), crlf(kMFold));
        tree.addFile("Z3DLaunch/Music/M-Fold - Doom2.z3m", "edited\r\n");
    }
}

void TestBuiltInPlaylists::generation_data()
{
    // files are under the root ("IWAD:" files are registered); music is MusicDir afterwards.
    const DataTable<QStringList, QStringList, QStringList> row("files", "written", "music");
    row("no packs", {"OggVorbis/Other/x.ogg"}, {}, {});
    row("Orvel.z3m retired", {"OggVorbis/Orvel/d_e1m2.ogg", "Z3DLaunch/Music/Orvel.z3m"},
        {"Orvel - Doom & Doom2"}, {"Orvel - Doom & Doom2.z3m", "Orvel.old"});
    row("an older .old replaced",
        {"OggVorbis/Orvel/", "Z3DLaunch/Music/orvel.Z3M", "Z3DLaunch/Music/Orvel.old"},
        {"Orvel - Doom & Doom2"}, {"Orvel - Doom & Doom2.z3m", "Orvel.old"});
    row("written once", {"OggVorbis/Fennick/", "Z3DLaunch/Music/Fennick - Doom & Doom2.z3m"}, {},
        {"Fennick - Doom & Doom2.z3m"});
    row("Plutonia needs the IWAD", {"OggVorbis/Orvel/d_ampie.ogg", "OggVorbis/Orvel/d_e1m2.ogg"},
        {"Orvel - Doom & Doom2"}, {"Orvel - Doom & Doom2.z3m"});
    row("Plutonia needs d_ampie", {"OggVorbis/Orvel/d_e1m2.ogg", "IWAD:Iwads/PLUTONIA.WAD"},
        {"Orvel - Doom & Doom2"}, {"Orvel - Doom & Doom2.z3m"});
    row("Plutonia lists",
        {"OggVorbis/Orvel/D_AMPIE.OGG", "OggVorbis/Orvel/d_e1m2.ogg",
         "OggVorbis/Fennick/d_ampie.ogg", "OggVorbis/Fennick/d_e1m2.ogg",
         "IWAD:Iwads/Plutonia.wad"},
        {"Orvel - Doom & Doom2", "Orvel - Plutonia", "Fennick - Doom & Doom2",
         "Fennick - Plutonia"},
        {"Fennick - Doom & Doom2.z3m", "Fennick - Plutonia.z3m", "Orvel - Doom & Doom2.z3m",
         "Orvel - Plutonia.z3m"});
    row("TNT lists, the order of the packs",
        {"OggVorbis/m-fold/", "OggVorbis/Fennick/tnt_doom.ogg", "OggVorbis/Tavish/",
         "Z3DLaunch/Music/Tavish.z3m", "IWAD:Iwads/Tnt.wad"},
        {"Tavish - TNT", "Fennick - Doom & Doom2", "Fennick - TNT", "M-Fold - Doom2"},
        {"Fennick - Doom & Doom2.z3m", "Fennick - TNT.z3m", "M-Fold - Doom2.z3m",
         "Tavish - TNT.z3m", "Tavish.old"});
    row("TNT list needs tnt_doom", {"OggVorbis/Fennick/", "IWAD:Iwads/Tnt.wad"},
        {"Fennick - Doom & Doom2"}, {"Fennick - Doom & Doom2.z3m"});
}

void TestBuiltInPlaylists::generation()
{
    const auto [files, written, music] =
        fetchRow<QStringList, QStringList, QStringList>("files", "written", "music");

    InstallTree tree;
    IwadRegistry registry;
    for (QString file : files) {
        const bool iwad = file.startsWith(QLatin1String("IWAD:"));
        file.remove(QLatin1String("IWAD:"));
        if (file.endsWith(u'/'))
            tree.addFolder(file);
        else if (iwad)
            registry.registerIwad(tree.addFile(file, "IWAD"));
        else
            tree.addFile(file, "old");
    }
    const BuiltInPlaylists::Report report = BuiltInPlaylists::build(tree.paths(), registry);
    QCOMPARE(report.written, written);
    QCOMPARE(musicFiles(tree), music);
    if (music.contains("Orvel.old"))
        QCOMPARE(tree.readFile("Z3DLaunch/Music/Orvel.old"), QByteArray("old"));
}

void TestBuiltInPlaylists::readOnlyMusicFolderChangesNothing()
{
    InstallTree tree;
    tree.addFile("OggVorbis/Tavish/tnt_stalks2.ogg", "stalks");
    tree.addFolder("OggVorbis/M-Fold");
    tree.addFile("Z3DLaunch/Music/Tavish.z3m", "old");
    const QString musicDir = tree.paths().musicDir;
    FaultInjector::failInside(FileOperation::Write, musicDir, ErrorNumber::PathFileAccessError);
    FaultInjector::failInside(FileOperation::Delete, musicDir, ErrorNumber::PathFileAccessError);
    const QSet<QString> before = snapshot(tree);

    const BuiltInPlaylists::Report report = BuiltInPlaylists::build(tree.paths(), {});
    QVERIFY(report.written.isEmpty());
    QVERIFY(report.retired.isEmpty());
    QCOMPARE(report.firstError, ErrorNumber::PathFileAccessError);
    // Only the misnamed track outside the music folder is put right.
    QSet<QString> after = snapshot(tree);
    QVERIFY(after.remove("OggVorbis/Tavish/tnt_stlks2.ogg"));
    QVERIFY(before.contains("OggVorbis/Tavish/tnt_stalks2.ogg"));
    after.insert("OggVorbis/Tavish/tnt_stalks2.ogg");
    QCOMPARE(after, before);
    QCOMPARE(tree.readFile("OggVorbis/Tavish/tnt_stlks2.ogg"), QByteArray("stalks"));
}

Z3D_TEST_GUILESS_MAIN(TestBuiltInPlaylists)
#include "tst_builtinplaylists.moc"
