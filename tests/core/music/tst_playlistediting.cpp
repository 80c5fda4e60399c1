// The playlist editor's operations: converting between the games and back, cloning into a
// playlist for every game, and the lines written for music files and CD tracks.

#include "core/music/PlaylistEditing.h"
#include "core/platform/TextFile.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/MapNames.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::playlist;
using namespace z3d::test;

namespace {

// A standard playlist of type with music on the given slots ("slot" -> "music part").
QStringList withMusic(PlaylistType type, const QList<std::pair<QString, QString>>& music)
{
    QStringList lines = buildEmptyPlaylist(type);
    for (QString& line : lines) {
        for (const auto& [slot, part] : music) {
            if (line == slot)
                line += part;
        }
    }
    return lines;
}

QString lineOf(const QStringList& lines, const QString& slot)
{
    for (const QString& line : lines) {
        if (belongsToSlot(line, slot))
            return line;
    }
    return QString();
}

} // namespace

class TestPlaylistEditing : public QObject
{
    Q_OBJECT

private slots:
    void partners_data();
    void partners();
    void toggleThereAndBack();
    void toggleAfterReopeningInsertsBareNames();
    void cloneDoom2ToMixed();
    void cloneDoomToMixed();
    void everyPlaylistTheLayoutTestPasses_data();
    void everyPlaylistTheLayoutTestPasses();
    void convertingMixedOrBuiltInIsRefused();
    void musicLines_data();
    void musicLines();
    void removing();
    void packFolders_data();
    void packFolders();
};

void TestPlaylistEditing::partners_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("partner");
    const auto row = [](const char* slot, const char* partner) {
        QTest::newRow(slot) << QString::fromLatin1(slot) << QString::fromLatin1(partner);
    };
    row("E1M1", "MAP01");
    row("e1m9", "MAP09");
    row("E2M1", "MAP10");
    row("E3M1", "MAP19");
    row("E4M1", "MAP28");
    row("E4M5", "MAP32");
    row("MAP32", "E4M5");
    row("map18", "E2M9");
    row("E4M6", "");
    row("MAP33", "");
    row("E5M1", "");
    row("D_BUNNY", "D_DM2TTL");
    row("D_INTROA", "D_READ_M");
    row("D_EVIL", "D_INTER");
    row("D_VICTOR", "");
}

void TestPlaylistEditing::partners()
{
    const auto [slot, partner] = fetchRow<QString, QString>("slot", "partner");
    QCOMPARE(partnerSlot(slot).value_or(QString()), partner);
}

void TestPlaylistEditing::toggleThereAndBack()
{
    const QStringList doom = withMusic(PlaylistType::Doom, {{"D_BUNNY", " CD 01"},
                                                            {"D_VICTOR", " \"\\v.ogg\""},
                                                            {"E1M1", " \"\\a.ogg\""},
                                                            {"E4M5", " CD 10"},
                                                            {"E4M6", " \"/x/six.mid\""},
                                                            {"E4M9", " CD 36"}});
    const EditedPlaylist doom2 = toggleMapTypes({doom, PlaylistType::Doom, {}});
    QCOMPARE(doom2.type, PlaylistType::Doom2);
    QCOMPARE(doom2.lines.size(), 44);
    QCOMPARE(doom2.lines.at(1), kDoom2IntermissionTitle);
    QCOMPARE(doom2.lines.at(3), QStringLiteral("D_DM2TTL CD 01"));
    QCOMPARE(doom2.lines.at(7), QString());
    QCOMPARE(doom2.lines.at(11), QStringLiteral("MAP01 \"\\a.ogg\""));
    QCOMPARE(doom2.lines.at(42), QStringLiteral("MAP32 CD 10"));
    QCOMPARE(doom2.lines.at(43), QString());
    QVERIFY(hasStandardLayout(doom2.lines, PlaylistType::Doom2));

    const EditedPlaylist back = toggleMapTypes(doom2);
    QCOMPARE(back.type, PlaylistType::Doom);
    QVERIFY(back.setAside.isEmpty());
    QCOMPARE(TextFile::encodeLines(back.lines), TextFile::encodeLines(doom));
}

void TestPlaylistEditing::toggleAfterReopeningInsertsBareNames()
{
    QStringList doom2 = buildEmptyPlaylist(PlaylistType::Doom2);
    doom2[6] = QStringLiteral("D_EVIL CD 09");
    const EditedPlaylist doom = toggleMapTypes({doom2, PlaylistType::Doom2, {}});
    QStringList expected = buildEmptyPlaylist(PlaylistType::Doom);
    expected[6] = QStringLiteral("D_INTER CD 09");
    QCOMPARE(doom.lines, expected);
}

void TestPlaylistEditing::cloneDoom2ToMixed()
{
    const QStringList doom2 =
        withMusic(PlaylistType::Doom2,
                  {{"D_DM2TTL", " CD 02"}, {"MAP01", " \"\\one.ogg\""}, {"MAP32", " CD 32"}});
    const EditedPlaylist mixed = clonePlaylist({doom2, PlaylistType::Doom2, {}});
    QCOMPARE(mixed.type, PlaylistType::Mixed);

    QStringList expected = buildEmptyPlaylist(PlaylistType::Mixed);
    expected[3] = QStringLiteral("D_BUNNY CD 02");
    expected[11] = QStringLiteral("E1M1 \"\\one.ogg\"");
    expected[42] = QStringLiteral("E4M5 CD 32");
    expected[50] = QStringLiteral("D_DM2TTL CD 02");
    expected[58] = QStringLiteral("MAP01 \"\\one.ogg\"");
    expected[89] = QStringLiteral("MAP32 CD 32");
    QCOMPARE(mixed.lines.size(), 91);
    QCOMPARE(TextFile::encodeLines(mixed.lines), TextFile::encodeLines(expected));
}

void TestPlaylistEditing::cloneDoomToMixed()
{
    const QStringList doom =
        withMusic(PlaylistType::Doom, {{"D_INTER", " CD 04"}, {"E2M1", " CD 11"}, {"E4M9", " x"}});
    const EditedPlaylist mixed = clonePlaylist({doom, PlaylistType::Doom, {}});
    QCOMPARE(mixed.lines.size(), 91);
    QCOMPARE(lineOf(mixed.lines, "D_EVIL"), QStringLiteral("D_EVIL CD 04"));
    QCOMPARE(lineOf(mixed.lines, "MAP10"), QStringLiteral("MAP10 CD 11"));
    QCOMPARE(mixed.lines.at(46), QStringLiteral("E4M9 x"));
    QCOMPARE(mixed.lines.at(89), QStringLiteral("MAP32"));
    QVERIFY(hasStandardLayout(mixed.lines, PlaylistType::Mixed));
}

// Files the layout test lets pass though they are not the exact layout: both conversions work
// on them. The playlist's own part stays as it stands, the other game's part is complete.
void TestPlaylistEditing::everyPlaylistTheLayoutTestPasses_data()
{
    const DataTable<QStringList, PlaylistType> row("lines", "type");
    const QStringList doom = buildEmptyPlaylist(PlaylistType::Doom);
    const QStringList doom2 = buildEmptyPlaylist(PlaylistType::Doom2);
    QStringList unpaired = doom2;
    unpaired[11] = QStringLiteral("MAP00 CD 01");
    unpaired[12] = QStringLiteral("MAP00");
    row("two map lines without a partner", unpaired, PlaylistType::Doom2);
    row("Doom II, trailing blank line stripped", doom2.mid(0, 43), PlaylistType::Doom2);
    row("Doom, trailing blank line stripped", doom.mid(0, 47), PlaylistType::Doom);
    row("Doom, ending at E4M1", doom.mid(0, 39), PlaylistType::Doom);
    row("Doom II with lines after its layout", doom2 + QStringList{"extra", "MAP05 CD 05"},
        PlaylistType::Doom2);
}

void TestPlaylistEditing::everyPlaylistTheLayoutTestPasses()
{
    const auto [lines, type] = fetchRow<QStringList, PlaylistType>("lines", "type");
    QVERIFY(hasStandardLayout(lines, type));
    const bool doom = type == PlaylistType::Doom;
    const qsizetype layout = doom ? 48 : 44;
    const qsizetype extra = std::max<qsizetype>(0, lines.size() - layout);

    const EditedPlaylist toggled = toggleMapTypes({lines, type, {}});
    const PlaylistType other = doom ? PlaylistType::Doom2 : PlaylistType::Doom;
    QCOMPARE(toggled.type, other);
    QCOMPARE(toggled.lines.size(), (doom ? 44 : 48) + extra);
    QVERIFY(hasStandardLayout(toggled.lines, other));
    QCOMPARE(toggleMapTypes(toggled).lines.size(), layout + extra);

    const EditedPlaylist mixed = clonePlaylist({lines, type, {}});
    QCOMPARE(mixed.type, PlaylistType::Mixed);
    QCOMPARE(mixed.lines.size(), 91 + extra);
    QVERIFY(hasStandardLayout(mixed.lines, PlaylistType::Mixed));
    const qsizetype own = doom ? 0 : 47;
    const qsizetype kept = std::min<qsizetype>(lines.size(), layout - 1);
    QCOMPARE(mixed.lines.mid(own, kept), lines.mid(0, kept));
    QCOMPARE(mixed.lines.mid(91), lines.mid(layout));
}

void TestPlaylistEditing::convertingMixedOrBuiltInIsRefused()
{
    const QStringList mixed = buildEmptyPlaylist(PlaylistType::Mixed);
    const EditedPlaylist unchanged{mixed, PlaylistType::Mixed, {}};
    QCOMPARE(toggleMapTypes(unchanged).lines, mixed);
    QCOMPARE(clonePlaylist(unchanged).lines, mixed);

    const QStringList doom = buildEmptyPlaylist(PlaylistType::Doom);
    QVERIFY(!canConvert(mixed, "Mine"));
    QVERIFY(canConvert(doom, "Mine"));
    QVERIFY(!canConvert(doom, "m-fold - DOOM2"));
    QCOMPARE(builtInPlaylistNames().size(), 7);
}

void TestPlaylistEditing::musicLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("file"); // "<root>" stands for InstallRoot
    QTest::addColumn<QString>("written");
    const auto row = [](const char* name, const char* line, const char* file, const char* written) {
        QTest::newRow(name) << QString::fromUtf8(line) << QString::fromUtf8(file)
                            << QString::fromUtf8(written);
    };
    row("under the root", "E1M1", "<root>/OggVorbis/Mine/a b.ogg",
        R"(E1M1 "\OggVorbis\Mine\a b.ogg")");
    row("replacing music", "MAP01 CD 05", "<root>/x.mp3", R"(MAP01 "\x.mp3")");
    row("elsewhere", "D_EVIL", "/home/me/Music/evil.mid", R"(D_EVIL "/home/me/Music/evil.mid")");
    row("beside the root", "E1M2", "<root>2/a.ogg", R"(E1M2 "<root>2/a.ogg")");
}

void TestPlaylistEditing::musicLines()
{
    auto [line, file, written] =
        fetchRow<QString, QString, QString>("line", "file", "written");
    const QString root = QStringLiteral("/opt/Zorn3D");
    file.replace(QLatin1String("<root>"), root);
    written.replace(QLatin1String("<root>"), root);
    QCOMPARE(musicLine(line, file, root), written);
}

void TestPlaylistEditing::removing()
{
    QCOMPARE(cdTrackLine("E1M1", 9), QStringLiteral("E1M1 CD 09"));
    QCOMPARE(cdTrackLine("E1M1 \"\\a.ogg\"", 10), QStringLiteral("E1M1 CD 10"));
    QCOMPARE(cdTrackCaption(1), QStringLiteral("Track 01"));
    QVERIFY(isMusicFile("/a/B.S3M") && !isMusicFile("/a/b.wav") && !isMusicFile("/a/ogg"));
    QVERIFY(takesMusic("d_bunny") && takesMusic("MAP01") && !takesMusic(" # x"));

    const QStringList lines{"", " # MAP MUSIC", "E1M1 CD 01", "E1M2 \"\\a b.ogg\"", "E1M3"};
    QCOMPARE(removeMusic(lines, {3, 9}),
             (QStringList{"", " # MAP MUSIC", "E1M1 CD 01", "E1M2", "E1M3"}));
    QCOMPARE(removeAllMusic(lines), (QStringList{"", " #", "E1M1", "E1M2", "E1M3"}));
    QVERIFY(holdsMusic("E1M1 x") && !holdsMusic("MAP01"));
}

void TestPlaylistEditing::packFolders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("readme");
    QTest::newRow("Orvel") << "orvel - plutonia"
                           << "Orvel" << true;
    QTest::newRow("M-Fold") << "M-Fold - Doom2"
                            << "M-Fold" << false;
    QTest::newRow("pack name, own list") << "Fennick's mix"
                                         << "Fennick" << false;
    QTest::newRow("other") << "MyDoomMusic"
                           << "" << false;
}

void TestPlaylistEditing::packFolders()
{
    const auto [name, folder, readme] =
        fetchRow<QString, QString, bool>("name", "folder", "readme");

    InstallTree tree;
    tree.addFile("OggVorbis/ORVEL/ReadMe.txt", "x");
    tree.addFile("OggVorbis/Fennick/readme.txt", "x");
    QCOMPARE(packFolderName(name).value_or(QString()), folder);
    QCOMPARE(packReadme(tree.root(), name).isEmpty(), !readme);
}

Z3D_TEST_GUILESS_MAIN(TestPlaylistEditing)
#include "tst_playlistediting.moc"
