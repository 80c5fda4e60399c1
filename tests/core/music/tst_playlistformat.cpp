// Reading, repairing and saving playlist files: the files written compared byte for byte with
// files written out by hand, and damaged files taken through the opening flow.

#include "core/music/MusicMessages.h"
#include "core/music/PlaylistFile.h"
#include "core/music/PlaylistFormat.h"
#include "core/platform/FaultInjector.h"
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

// A file's bytes from a hand-written text: one line per text line, each ended by CR LF. The
// text starts after its first newline.
QByteArray crlf(const char* text)
{
    QByteArray bytes(text + 1);
    return bytes.replace("\n", "\r\n");
}

using Step = OpenedPlaylist::Step;

// The old-format Doom repair: the Doom block in front, the lost E2M3 slot back, D_INTROA's
// music kept out of D_INTRO, the later of two D_INTER lines, a blank line at the end.
const char* const kRepairedDoom = R"(

 # INTERMISSION MUSIC FOR DOOM

D_BUNNY
D_INTRO
D_INTROA "\Music\introa.ogg"
D_INTER CD 02
D_VICTOR

 # MAP MUSIC FOR DOOM

E1M1 "\Music\one.ogg"
E1M2
E1M3
E1M4
E1M5
E1M6
E1M7
E1M8
E1M9
E2M1
E2M2
E2M3
E2M4 CD 05
E2M5
E2M6
E2M7
E2M8
E2M9
E3M1
E3M2
E3M3
E3M4
E3M5
E3M6
E3M7
E3M8
E3M9
E4M1
E4M2
E4M3
E4M4
E4M5
E4M6
E4M7
E4M8
E4M9 C:\Music\last.mid

)";

// An empty Mixed playlist: the Doom part first, then the Doom II part.
const char* const kMixedHead = R"(

 # INTERMISSION MUSIC FOR DOOM

D_BUNNY
D_INTRO
D_INTROA
D_INTER
D_VICTOR

 # MAP MUSIC FOR DOOM

)";
const char* const kMixedMiddle = R"(

 # INTERMISSION MUSIC FOR DOOM II

D_DM2TTL
D_DM2INT
D_READ_M
D_EVIL


 # MAP MUSIC FOR DOOM II

)";

} // namespace

class TestPlaylistFormat : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void oldDoomFileRepairedAndSaved();
    void mixedFileWithMapLinesFirst();
    void opening_data();
    void opening();
    void emptyPlaylists();
    void musicString_data();
    void musicString();
    void savedPlaylistReadsBack();
    void saveFailureKeepsTheFile_data();
    void saveFailureKeepsTheFile();
    void unreadableFileOpensNothing();
};

void TestPlaylistFormat::oldDoomFileRepairedAndSaved()
{
    InstallTree tree;
    QStringList old = episodeMapNames();
    old.removeAll(QStringLiteral("E2M3"));
    old[0] = QStringLiteral(R"(E1M1 "\Music\one.ogg")");
    old[11] = QStringLiteral("E2M4 CD 05");
    old.last() = QStringLiteral(R"(E4M9 C:\Music\last.mid)");
    old << QStringLiteral(R"(D_INTROA "\Music\introa.ogg")") << "D_INTER CD 01"
        << "D_INTER CD 02"
        << "a stray line";
    tree.addTextFile("Z3DLaunch/Music/Old.z3m", old);

    const PlaylistRead read = PlaylistFile::read(tree.paths().musicDir, "old");
    QCOMPARE(read.status, PlaylistRead::Status::Read);
    const OpenedPlaylist opened = openPlaylistLines(read.lines);
    QCOMPARE(opened.step, Step::Converted);
    QCOMPARE(opened.type, PlaylistType::Doom);
    QCOMPARE(opened.lines.size(), 48);

    QCOMPARE(PlaylistFile::save(tree.paths().musicDir, "Old", opened.lines), ErrorNumber::None);
    QCOMPARE(tree.readFile("Z3DLaunch/Music/Old.z3m"), crlf(kRepairedDoom));
}

void TestPlaylistFormat::mixedFileWithMapLinesFirst()
{
    QStringList old = numberedMapNames();
    old[23] = QStringLiteral("MAP24 CD 24");
    old << episodeMapNames();
    old[32 + 32] = QStringLiteral("E4M6 \\x.ogg");
    const OpenedPlaylist opened = openPlaylistLines(old);
    QCOMPARE(opened.type, PlaylistType::Mixed);
    QCOMPARE(opened.step, Step::Converted);

    QByteArray expected = crlf(kMixedHead);
    for (const QString& name : episodeMapNames())
        expected += (name == u"E4M6" ? QStringLiteral("E4M6 \\x.ogg") : name).toLatin1() + "\r\n";
    expected += crlf(kMixedMiddle);
    for (const QString& name : numberedMapNames())
        expected += (name == u"MAP24" ? QStringLiteral("MAP24 CD 24") : name).toLatin1() + "\r\n";
    expected += "\r\n";
    QCOMPARE(TextFile::encodeLines(opened.lines), expected);
    QVERIFY(hasStandardLayout(opened.lines, PlaylistType::Mixed));
}

void TestPlaylistFormat::opening_data()
{
    QByteArray standardDoom = "\r\n # any title\r\n\r\nD_BUNNY\r\n";
    for (int i = 4; i < 38; ++i)
        standardDoom += "x\r\n";
    standardDoom += "E4M1 CD 01\r\n";
    QByteArray tenThousand;
    for (int i = 0; i < 10000; ++i)
        tenThousand += "MAP01\r\n";
    const QByteArray binary("\x00\x01"
                            "E\xff"
                            "M\x00\r\n\x80"
                            "MAP\xfe\x00",
                            14);
    const QByteArray hugeLine = "D_DM2TTL " + QByteArray(1 << 20, 'a') + "\r\nMAP32\r\n";

    const DataTable<QByteArray, Step, PlaylistType, int> row("bytes", "step", "type", "lines");
    row("current Doom, E4M1 at 38", standardDoom, Step::Ready, PlaylistType::Doom, 39);
    row("current, layout broken", "D_BUNNY\r\nE1M1\r\n", Step::AskNonStandard, PlaylistType::Doom,
        2);
    row("empty file", "", Step::Converted, PlaylistType::Doom2, 44);
    row("CR-only line ends", "MAP02\rMAP01\r", Step::Converted, PlaylistType::Doom2, 45);
    // 301 lines of MAP01: the 31 other slots go in after the first, the rest stay behind.
    row("10,000 lines: the first 301", tenThousand, Step::Converted, PlaylistType::Doom2, 343);
    row("a 1 MB line", hugeLine, Step::AskNonStandard, PlaylistType::Doom2, 2);
    row("binary", binary, Step::Converted, PlaylistType::Doom2, 44);
}

void TestPlaylistFormat::opening()
{
    const auto [bytes, step, type, lines] =
        fetchRow<QByteArray, Step, PlaylistType, int>("bytes", "step", "type", "lines");

    InstallTree tree;
    tree.addFile("Z3DLaunch/Music/Bad.Z3M", bytes);
    const PlaylistRead read = PlaylistFile::read(tree.paths().musicDir, "bad");
    QCOMPARE(read.status, PlaylistRead::Status::Read);
    QVERIFY(read.lines.size() <= kMaxLines);
    const OpenedPlaylist opened = openPlaylistLines(read.lines);
    QCOMPARE(opened.step, step);
    QCOMPARE(opened.type, type);
    QCOMPARE(opened.lines.size(), lines);
    // A question answered Yes repairs into a layout that then passes the test.
    if (step != Step::Ready)
        QVERIFY(hasStandardLayout(repairPlaylist(read.lines, type), type));
}

void TestPlaylistFormat::emptyPlaylists()
{
    const QStringList doom = buildEmptyPlaylist(PlaylistType::Doom);
    QCOMPARE(doom.size(), 48);
    QCOMPARE(doom.mid(0, 11), QString::fromLatin1(kMixedHead + 1).split(u'\n').mid(0, 11));
    QCOMPARE(doom.mid(11, 36), episodeMapNames());
    QCOMPARE(doom.last(), QString());

    const QStringList doom2 = buildEmptyPlaylist(PlaylistType::Doom2);
    QCOMPARE(doom2.size(), 44);
    QCOMPARE(doom2.mid(0, 11), QString::fromLatin1(kMixedMiddle + 1).split(u'\n').mid(0, 11));
    QCOMPARE(doom2.mid(11, 32), numberedMapNames());
    QCOMPARE(buildEmptyPlaylist(PlaylistType::Mixed).size(), 91);
}

void TestPlaylistFormat::musicString_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("music");
    QTest::newRow("path") << R"(MAP01 "\a\b.ogg")"
                          << R"( "\a\b.ogg")";
    QTest::newRow("CD track") << "E1M1 CD 05"
                              << " CD 05";
    QTest::newRow("nine characters") << "MAP01 x.o"
                                     << "";
    QTest::newRow("bare name") << "D_DM2TTL"
                               << "";
    QTest::newRow("long, no blank") << "D_INTROAxyz"
                                    << "";
}

void TestPlaylistFormat::musicString()
{
    const auto [line, music] = fetchRow<QString, QString>("line", "music");
    QCOMPARE(getMusicString(line), music);
}

void TestPlaylistFormat::savedPlaylistReadsBack()
{
    InstallTree tree(InstallTree::Empty);
    const QString musicDir = tree.paths().musicDir; // not there yet: saving creates it
    const QStringList lines{"", "MAP01 \"/a, b.ogg\"", "Ünïcode", ""};
    QCOMPARE(PlaylistFile::save(musicDir, "Mix v1.2", lines), ErrorNumber::None);
    QCOMPARE(PlaylistFile::read(musicDir, "MIX V1.2").lines, lines);
    QCOMPARE(PlaylistFile::names(musicDir), QStringList{"Mix v1.2"});
    QCOMPARE(PlaylistFile::save(musicDir, "../Escape", lines), ErrorNumber::PathFileAccessError);
    QVERIFY(!tree.exists("Z3DLaunch/Escape.z3m"));
}

void TestPlaylistFormat::saveFailureKeepsTheFile_data()
{
    const DataTable<ErrorNumber, QString> row("error", "text");
    row("75: read only", ErrorNumber::PathFileAccessError,
        "Unable to make changes to playlist    \r\nas the file appears to be read only.");
    // A read-only file or folder refuses the write with a permission error here.
    row("70: read only", ErrorNumber::PermissionDenied,
        "Unable to make changes to playlist    \r\nas the file appears to be read only.");
    row("55: in use", ErrorNumber::FileAlreadyOpen,
        "Unable to make any changes to playlist as the   \r\n"
        "file appears to be in use by another program.");
}

void TestPlaylistFormat::saveFailureKeepsTheFile()
{
    const auto [error, text] = fetchRow<ErrorNumber, QString>("error", "text");

    InstallTree tree;
    tree.addFile("Z3DLaunch/Music/Mine.z3m", "old\r\n");
    FaultInjector::failInside(FileOperation::Write, tree.paths().musicDir, error);
    QCOMPARE(PlaylistFile::save(tree.paths().musicDir, "Mine", {"new"}), error);
    QCOMPARE(tree.readFile("Z3DLaunch/Music/Mine.z3m"), QByteArray("old\r\n"));
    const music_messages::Message message = music_messages::accessError(error);
    QCOMPARE(message.title, QStringLiteral(" Access error"));
    QCOMPARE(message.text, text);
    QCOMPARE(message.style, MsgButtonsOk | MsgIconExclamation);
}

void TestPlaylistFormat::unreadableFileOpensNothing()
{
    InstallTree tree;
    QCOMPARE(PlaylistFile::read(tree.paths().musicDir, "Gone").status,
             PlaylistRead::Status::Missing);
    const QString file = tree.addFile("Z3DLaunch/Music/Locked.z3m", "MAP01\r\n");
    FaultInjector::fail(FileOperation::Read, file, ErrorNumber::PermissionDenied);
    const PlaylistRead read = PlaylistFile::read(tree.paths().musicDir, "Locked");
    QCOMPARE(read.status, PlaylistRead::Status::Unreadable);
    QVERIFY(read.lines.isEmpty());
}

Z3D_TEST_GUILESS_MAIN(TestPlaylistFormat)
#include "tst_playlistformat.moc"
