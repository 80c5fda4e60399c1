// Runs the real Z3DgFiles MAPPICTURE on maps built byte for byte in the three formats and on
// Debian's Freedoom, and reads the PNG back: its size, and which ink stands where.

#include "automap/MapPicture.h"
#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/GameFileBytes.h"
#include "support/SmallTmpfs.h"
#include "support/TestRegistry.h"
#include "support/ToolRun.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace z3d::test;
using z3d::automap::MapPicture;

namespace {

const QString CheckerPath = QStringLiteral(Z3D_BIN_DIR "/Z3DgFiles");
const QString Freedoom2 = QStringLiteral("/usr/share/games/doom/freedoom2.wad");

ToolRun runChecker(const QStringList& arguments)
{
    return runTool(CheckerPath, arguments);
}

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

constexpr int Secret = 32;
constexpr int NotDrawn = 128;

} // namespace

class TestMapPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(CheckerPath), "build the Z3DgFiles target first");
        QVERIFY(m_dir.isValid());
    }

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
        const QString png = m_dir.filePath(QStringLiteral("room.png"));
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
        const QString png = m_dir.filePath(QStringLiteral("map01.png"));
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
        const QString png = m_dir.filePath(QStringLiteral("damaged.png"));
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
        write("text.wad", "PWAD is what this file claims to be, in words only");
        QFile::remove(m_dir.filePath(QStringLiteral("out.png")));
        for (QString& argument : arguments) {
            if (argument.contains(u'.'))
                argument = m_dir.filePath(argument);
        }
        const ToolRun run = runChecker(QStringList{"MAPPICTURE"} + arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.output.contains(message), run.output.constData());
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("out.png"))));
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
        const QString png = m_dir.filePath(QStringLiteral("looks.png"));
        const ToolRun run = runChecker({"MAPPICTURE", wad, "MAP01", png, "135"});
        if (run.exitCode != 0)
            return {};
        return QImage(png, "PNG");
    }

    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        return writeBytes(path, bytes) ? path : QString();
    }

    QTemporaryDir m_dir;
};

Z3D_TEST_GUILESS_MAIN(TestMapPicture)
#include "tst_mappicture.moc"
