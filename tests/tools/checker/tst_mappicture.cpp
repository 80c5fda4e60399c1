// Runs the real Z3DgFiles MAPPICTURE on maps built byte for byte in the three formats and on
// Debian's Freedoom, and reads the PNG back: its size, and which ink stands where. Runs
// MAPSTATS on maps of the three formats with known counts at two skills.

#include "automap/MapPicture.h"
#include "support/CheckerTestCase.h"
#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/SmallTmpfs.h"
#include "support/TestRegistry.h"
#include "support/ToolRun.h"

#include <QImage>
#include <QtTest>

using namespace z3d::test;
using z3d::automap::MapPicture;

namespace {

const QString Freedoom2 = QStringLiteral("/usr/share/games/doom/freedoom2.wad");

QRgb ink(MapPicture::Ink which)
{
    const MapPicture::Colour colour = MapPicture::Palette.at(which);
    return qRgb(colour.red, colour.green, colour.blue);
}

// The ink of a pixel, at full strength or on a line's smoothed edge.
std::uint8_t inkAt(const QImage& image, QPoint at)
{
    const QRgb colour = image.pixel(at);
    for (std::size_t i = 0; i < MapPicture::Palette.size(); ++i) {
        const MapPicture::Colour c = MapPicture::Palette[i];
        if (qRgb(c.red, c.green, c.blue) == colour)
            return MapPicture::inkOf(std::uint8_t(i));
    }
    return MapPicture::InkCount;
}

int wallPixels(const QImage& image)
{
    int walls = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            walls += inkAt(image, {x, y}) == MapPicture::Wall ? 1 : 0;
    return walls;
}

// A room 256 wide and 128 high whose lower half is split at x = 128 by middle, a step unless
// told. At size 135 the scale is one half and the drawing starts three pixels in: x maps to
// column 3 + x / 2, y to row 3 + (128 - y) / 2 (north is up).
MapShape room(MapShape::Line middle = {4, 5, true})
{
    return {{{0, 0}, {256, 0}, {256, 128}, {0, 128}, {128, 0}, {128, 64}},
            {{0, 1, false}, {1, 2, false}, {2, 3, false}, {3, 0, false}, middle},
            // The same floor and ceiling; a higher floor; a lower ceiling.
            {{0, 128}, {16, 128}, {0, 96}}};
}

QByteArray le16(int value)
{
    QByteArray bytes;
    bytes.append(char(value & 0xFF)).append(char(value >> 8 & 0xFF));
    return bytes;
}

// A thing of a binary map: its type and flags.
struct Thing
{
    int type;
    int flags;
};

// The map of room() in format holding things and sectors of those specials.
QList<WadLump> tallyMap(const QByteArray& marker, MapFormat format, const QList<Thing>& things,
                        const QList<int>& specials)
{
    QList<WadLump> lumps = mapLumps(marker, room(), format);
    const bool hexen = format == MapFormat::Hexen;
    QByteArray thingBytes;
    for (const Thing& thing : things) {
        thingBytes += hexen ? QByteArray(10, '\0') : QByteArray(6, '\0');
        thingBytes += le16(thing.type) + le16(thing.flags) + QByteArray(hexen ? 6 : 0, '\0');
    }
    QByteArray sectors;
    for (const int special : specials)
        sectors += QByteArray(22, 'f') + le16(special) + le16(0);
    lumps[1].second = thingBytes;
    lumps[5].second = sectors + "cut"; // a record cut short is ignored
    return lumps;
}

// The wad MAPSTATS reads: MAP01 in Doom format, MAP02 in Hexen format and MAP03 in UDMF,
// titled and linked by UMAPINFO and MAPINFO.
QByteArray tallyWad()
{
    // Doom format: skills 1-2 are flag 1, skill 3 flag 2, skills 4-5 flag 4.
    const QList<Thing> doomThings{
        {3004, 7},       // zombieman, every skill
        {9, 4},          // shotgun guy, skills 4-5
        {84, 6},         // Wolfenstein SS, skills 3-5
        {65, 1 | 16},    // chaingunner in multiplayer only: never
        {3006, 7},       // a lost soul is no kill
        {3001, 7 | 128}, // a friendly imp is no kill
        {3002, 7 | 384}, // garbage flags (256): the friend bit is not read, a demon counts
        {2014, 1},       // health bonus, skills 1-2
        {2026, 7},       // computer map
        {2025, 7},       // a radiation suit is no item
        {4242, 7},       // an unknown type counts as nothing
    };
    // Secret: 9, and the generalised secret bit (128) with a damage type (32).
    const QList<int> doomSectors{9, 0, 160, 41, 8};
    const QList<Thing> hexenThings{
        {3004, 0x107},  // single player, every skill
        {3004, 0x007},  // not in single player
        {72, 0x104},    // Commander Keen, skills 4-5
        {3002, 0x2107}, // friendly
        {2015, 0x101},  // armor bonus, skills 1-2
    };
    QList<WadLump> udmf = mapLumps("MAP03", room(), MapFormat::Udmf);
    udmf[1].second += "thing { type = 3004; skill1 = true; skill4 = true; single = true; }\n"
                      "thing { type = 58; skill4 = true; }\n" // not in single player
                      "thing { type = 58; skill5 = true; single = true; }\n"
                      "thing { type = 2022; skill1 = true; single = true; friend = true; }\n"
                      "thing { type = \"3004\"; skill4 = true; single = true; }\n"
                      "sector { secret = true; } sector { special = 9; }\n"
                      "sector { special = 1025; } sector { special = 8; secret = false; }\n";
    const QList<WadLump> info{{"UMAPINFO", "map MAP01 { levelname = \"Entryway\" next = \"MAP02\"\n"
                                           "  nextsecret = \"MAP03\" partime = 30 }\n"
                                           "map MAP02 { partime = 10 }\n"},
                              {"MAPINFO",
                               "map MAP02 \"Hexen Hall\"\nnext MAP03 ; the next map\npar 45\n"
                               "cluster 1\nnext MAP09\n" // a cluster's lines are no map's
                               "map MAP03 \"Text Town\" { secretnext = \"map01\" par = soon }\n"}};
    return wadOfLumps(tallyMap("MAP01", MapFormat::Doom, doomThings, doomSectors) +
                      tallyMap("MAP02", MapFormat::Hexen, hexenThings, {1024, 9, 0}) + udmf + info);
}

constexpr int Secret = 32;
constexpr int NotDrawn = 128;

} // namespace

class TestMapPicture : public CheckerTestCase
{
    Q_OBJECT

private slots:
    void formats_data()
    {
        const DataTable<MapFormat, QByteArray> row("format", "marker");
        row("Doom", MapFormat::Doom, "MAP01");
        row("Hexen", MapFormat::Hexen, "MAP01");
        row("UDMF", MapFormat::Udmf, "E1M1");
    }

    void formats()
    {
        QFETCH(MapFormat, format);
        QFETCH(QByteArray, marker);
        // Another map first, so the picture must be of the map asked for.
        const MapShape other{{{0, 0}, {10, 1000}}, {{0, 1, false}}};
        const QString wad = write("room.wad", wadOfLumps(mapLumps("MAP09", other, format) +
                                                         mapLumps(marker, room(), format)));
        const QString png = path("room.png");
        const ToolRun run = runChecker(
            {"mappicture", wad, QString::fromLatin1(marker).toLower(), png, QStringLiteral("135")});
        QCOMPARE(run.output, QByteArray());
        QCOMPARE(run.exitCode, 0);

        const QImage image(png, "PNG");
        QCOMPARE(image.size(), QSize(135, 71));
        const auto at = [&](int x, int y) { return image.pixel(x, y); };
        QCOMPARE(at(3, 30), ink(MapPicture::Wall));        // west wall
        QCOMPARE(at(131, 30), ink(MapPicture::Wall));      // east wall
        QCOMPARE(at(40, 3), ink(MapPicture::Wall));        // north wall, on top
        QCOMPARE(at(40, 67), ink(MapPicture::Wall));       // south wall, at the bottom
        QCOMPARE(at(67, 50), ink(MapPicture::FloorStep));  // the step, in the south half
        QCOMPARE(at(67, 67), ink(MapPicture::Wall));       // a wall is drawn over a step
        QCOMPARE(at(67, 20), ink(MapPicture::Background)); // no step in the north half
        QCOMPARE(at(30, 30), ink(MapPicture::Background));
        // The wall's smoothed edge, then a margin around the drawing.
        QVERIFY(at(2, 30) != ink(MapPicture::Wall) && at(2, 30) != ink(MapPicture::Background));
        QCOMPARE(at(1, 30), ink(MapPicture::Background));
        QCOMPARE(at(0, 0), ink(MapPicture::Background));
    }

    void looks_data()
    {
        const DataTable<MapFormat, MapShape::Line, MapPicture::Ink> row("format", "middle", "ink");
        row("floor change", MapFormat::Doom, {4, 5, true}, MapPicture::FloorStep);
        row("ceiling change", MapFormat::Doom, {4, 5, true, 0, 0, 2}, MapPicture::CeilingStep);
        row("no change", MapFormat::Doom, {4, 5, true, 0, 0, 0}, MapPicture::Background);
        row("blue key door", MapFormat::Doom, {4, 5, true, 26}, MapPicture::BlueLock);
        row("red key door", MapFormat::Doom, {4, 5, true, 135}, MapPicture::RedLock);
        row("yellow key door", MapFormat::Doom, {4, 5, true, 34}, MapPicture::YellowLock);
        // Boom's generalised locked doors: the key in bits 6-8.
        row("generalised blue card door", MapFormat::Doom, {4, 5, true, 0x3400 | 2 << 6},
            MapPicture::BlueLock);
        row("generalised yellow skull door", MapFormat::Doom, {4, 5, true, 0x3A00 | 6 << 6},
            MapPicture::YellowLock);
        row("generalised any-key door", MapFormat::Doom, {4, 5, true, 0x3400},
            MapPicture::FloorStep);
        row("exit switch", MapFormat::Doom, {4, 5, false, 11}, MapPicture::Exit);
        row("teleporter", MapFormat::Doom, {4, 5, true, 97}, MapPicture::Teleporter);
        row("secret", MapFormat::Doom, {4, 5, true, 26, Secret}, MapPicture::Wall);
        row("not drawn", MapFormat::Doom, {4, 5, false, 0, NotDrawn}, MapPicture::Background);
        row("Hexen exit", MapFormat::Hexen, {4, 5, true, 74}, MapPicture::Exit);
        row("Hexen secret", MapFormat::Hexen, {4, 5, true, 0, Secret}, MapPicture::Wall);
        row("Hexen not drawn", MapFormat::Hexen, {4, 5, true, 0, NotDrawn},
            MapPicture::Background);
        row("UDMF teleporter", MapFormat::Udmf, {4, 5, true, 70}, MapPicture::Teleporter);
        row("UDMF ceiling change", MapFormat::Udmf, {4, 5, true, 0, 0, 2},
            MapPicture::CeilingStep);
        row("UDMF no change", MapFormat::Udmf, {4, 5, true, 0, 0, 0}, MapPicture::Background);
        row("UDMF secret", MapFormat::Udmf, {4, 5, true, 0, Secret}, MapPicture::Wall);
        row("UDMF not drawn", MapFormat::Udmf, {4, 5, false, 0, NotDrawn},
            MapPicture::Background);
    }

    void looks()
    {
        QFETCH(MapFormat, format);
        QFETCH(MapShape::Line, middle);
        QFETCH(MapPicture::Ink, ink);
        const QImage image = picture(mapLumps("MAP01", room(middle), format));
        QCOMPARE(image.size(), QSize(135, 71));
        QCOMPARE(image.pixel(67, 51), ::ink(ink));
    }

    void startArrow_data()
    {
        const DataTable<MapFormat, int, QPoint, QPoint> row("format", "angle", "arrow", "bare");
        // The start is at column 35, row 19; the arrow is eight pixels long, its head's strokes
        // three pixels back from its tip. The bare pixel is where a head facing the other way
        // would be.
        row("Doom, facing east", MapFormat::Doom, 0, QPoint(36, 17), QPoint(34, 17));
        row("Hexen, facing north", MapFormat::Hexen, 90, QPoint(33, 18), QPoint(33, 20));
        row("UDMF, facing west", MapFormat::Udmf, 180, QPoint(34, 17), QPoint(36, 17));
    }

    void startArrow()
    {
        QFETCH(MapFormat, format);
        QFETCH(int, angle);
        QFETCH(QPoint, arrow);
        QFETCH(QPoint, bare);
        MapShape shape = room();
        // A voodoo doll first: the last start of the first player is where the player is.
        shape.things = {{{200, 96}, 270, 1}, {{160, 20}, 0, 3001}, {{64, 96}, angle, 1}};
        const QImage image = picture(mapLumps("MAP01", shape, format));
        QCOMPARE(inkAt(image, arrow), MapPicture::PlayerArrow);
        QCOMPARE(inkAt(image, bare), MapPicture::Background);
        QCOMPARE(image.pixel(35, 19), ink(MapPicture::PlayerArrow));
        QCOMPARE(image.pixel(103, 19), ink(MapPicture::Background)); // no arrow at the doll
    }

    void freedoomFitsTheDefaultSize()
    {
        if (!QFile::exists(Freedoom2))
            QSKIP("Freedoom is not installed");
        const QString png = path("map01.png");
        const ToolRun run = runChecker({"MAPPICTURE", Freedoom2, "MAP01", png});
        QCOMPARE(run.exitCode, 0);
        const QImage image(png, "PNG");
        QVERIFY(!image.isNull());
        // MAP01 is taller than wide: the height fills the 240 pixels.
        QCOMPARE(image.height(), 240);
        QVERIFY2(image.width() > 100 && image.width() < 240,
                 qPrintable(QString::number(image.width())));
        QVERIFY2(wallPixels(image) > 1000, qPrintable(QString::number(wallPixels(image))));
    }

    void damagedMapsDrawWhatIsValid_data()
    {
        const DataTable<QList<WadLump>> row("lumps");
        QList<WadLump> cut = mapLumps("MAP01", room(), MapFormat::Doom);
        cut[2].second.chop(3); // the step's LINEDEFS record cut short
        row("last line cut short", cut);
        QList<WadLump> badVertex = mapLumps("MAP01", room(), MapFormat::Doom);
        badVertex[2].second[0] = '\x63'; // the first wall names vertex 99
        row("line naming a missing vertex", badVertex);
    }

    void damagedMapsDrawWhatIsValid()
    {
        QFETCH(QList<WadLump>, lumps);
        const QString wad = write("damaged.wad", wadOfLumps(lumps));
        const QString png = path("damaged.png");
        const ToolRun run = runChecker({"MAPPICTURE", wad, "MAP01", png, "135"});
        QCOMPARE(run.exitCode, 0);
        const QImage image(png, "PNG");
        QVERIFY(!image.isNull());
        // The walls that remain are drawn.
        QVERIFY(wallPixels(image) > 100);
    }

    void failsClearly_data()
    {
        const DataTable<QStringList, int, QByteArray> row("arguments", "exitCode", "message");
        row("missing wad", {"absent.wad", "MAP01", "out.png"}, 1, "not found or not a WAD");
        row("not a wad", {"text.wad", "MAP01", "out.png"}, 1, "not found or not a WAD");
        row("no such map", {"room.wad", "MAP02", "out.png"}, 1, "no map MAP02 in this file");
        row("marker without map lumps", {"room.wad", "E1M1", "out.png"}, 1, "no map E1M1");
        row("map without VERTEXES", {"room.wad", "MAP03", "out.png"}, 1,
            "map MAP03 has no lines to draw");
        row("empty TEXTMAP", {"room.wad", "MAP04", "out.png"}, 1, "map MAP04 has no lines");
        row("TEXTMAP of rubbish", {"room.wad", "MAP05", "out.png"}, 1, "map MAP05 has no lines");
        row("unwritable picture", {"room.wad", "MAP01", "no/such/folder/out.png"}, 1,
            "cannot write the picture: No such file or directory");
        row("size not a number", {"room.wad", "MAP01", "out.png", "big"}, 2, "Usage");
        row("size too small", {"room.wad", "MAP01", "out.png", "7"}, 2, "Usage");
        row("size too large", {"room.wad", "MAP01", "out.png", "4097"}, 2, "Usage");
        row("no picture file", {"room.wad", "MAP01"}, 2, "Usage");
        row("empty picture file", {"room.wad", "MAP01", ""}, 2, "Usage");
    }

    void failsClearly()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        QList<WadLump> noVertexes = mapLumps("MAP03", room(), MapFormat::Doom);
        noVertexes.removeAt(4);
        write("room.wad",
              wadOfLumps(mapLumps("MAP01", room(), MapFormat::Doom) +
                         QList<WadLump>{{"E1M1", {}}, {"PLAYPAL", "x"}} + noVertexes +
                         QList<WadLump>{{"MAP04", {}},
                                        {"TEXTMAP", " "},
                                        {"MAP05", {}},
                                        {"TEXTMAP", "vertex { x = ; y = \"\" } linedef {"}}));
        checkFailure("MAPPICTURE", arguments, exitCode, message);
    }

    void mapStats_data()
    {
        const DataTable<QStringList, int, QByteArray> row("arguments", "exitCode", "output");
        // The map's lines with the monsters and the items counted at the skill asked for.
        const auto counted = [](QByteArray lines, const char* monsters, const char* items) {
            return lines.replace("%1", monsters).replace("%2", items);
        };
        const QByteArray map01 = "Title: Entryway\nMonsters: %1\nItems: %2\nSecrets: 2\n"
                                 "Next: MAP02\nSecret next: MAP03\nPar: 30\n";
        row("Doom format, skill 1", {"tally.wad", "map01", "1"}, 0, counted(map01, "2", "2"));
        row("Doom format, skill 4", {"tally.wad", "MAP01", "4"}, 0, counted(map01, "4", "1"));
        const QByteArray map02 = "Title: Hexen Hall\nMonsters: %1\nItems: %2\nSecrets: 1\n"
                                 "Next: MAP03\nPar: 10\n";
        row("Hexen format, skill 2", {"tally.wad", "MAP02", "2"}, 0, counted(map02, "1", "1"));
        row("Hexen format, skill 5", {"tally.wad", "MAP02", "5"}, 0, counted(map02, "2", "0"));
        row("UDMF, skill 1", {"tally.wad", "MAP03", "1"}, 0,
            "Title: Text Town\nMonsters: 1\nItems: 1\nSecrets: 3\nSecret next: MAP01\n");
        row("UDMF, skill 4", {"tally.wad", "MAP03", "4"}, 0,
            "Title: Text Town\nMonsters: 1\nItems: 0\nSecrets: 3\nSecret next: MAP01\n");
        row("missing wad", {"absent.wad", "MAP01", "3"}, 1, "not found or not a WAD");
        row("no such map", {"tally.wad", "MAP04", "3"}, 1, "no map MAP04 in this file");
        row("skill 0", {"tally.wad", "MAP01", "0"}, 1, "the skill is a number from 1 to 5");
        row("skill 6", {"tally.wad", "MAP01", "6"}, 1, "the skill is a number from 1 to 5");
        row("skill in words", {"tally.wad", "MAP01", "hard"}, 1, "not \"hard\"");
        row("no skill", {"tally.wad", "MAP01"}, 2, "Usage");
    }

    void mapStats()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, output);
        write("tally.wad", tallyWad());
        const ToolRun run = runCheckerOnFiles("MAPSTATS", arguments);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode == 0)
            QCOMPARE(run.output, output);
        else
            QVERIFY2(run.output.contains(output), run.output.constData());
    }

    void fullDiskSaysWhy()
    {
        SmallTmpfs disk;
        if (!disk.isMounted()) {
            const SmallTmpfs::Rerun rerun = SmallTmpfs::rerun();
            if (rerun.ran) {
                QVERIFY2(rerun.passed, qPrintable(rerun.output));
                return;
            }
            QSKIP(qPrintable(QStringLiteral("a full disk needs a tmpfs of the test's own (%1)")
                                 .arg(disk.why())));
        }
        const QString wad =
            write("full.wad", wadOfLumps(mapLumps("MAP01", room(), MapFormat::Doom)));
        QVERIFY(disk.fill());
        const QString png = disk.path(QStringLiteral("map01.png"));
        const ToolRun run = runChecker({"MAPPICTURE", wad, "MAP01", png});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains("cannot write the picture: No space left on device"),
                 run.output.constData());
        QVERIFY(!QFile::exists(png));
    }

private:
    // MAPPICTURE of the map at 135 pixels.
    QImage picture(const QList<WadLump>& lumps)
    {
        const QString wad = write("looks.wad", wadOfLumps(lumps));
        const QString png = path("looks.png");
        const ToolRun run = runChecker({"MAPPICTURE", wad, "MAP01", png, "135"});
        if (run.exitCode != 0)
            return {};
        return QImage(png, "PNG");
    }
};

Z3D_TEST_GUILESS_MAIN(TestMapPicture)
#include "tst_mappicture.moc"
