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

int wallPixels(const QImage& image)
{
    int walls = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            walls += image.pixel(x, y) == ink(MapPicture::OneSided) ? 1 : 0;
    return walls;
}

// A room 256 wide and 128 high whose lower half is split by a step at x = 128. At size 131
// the scale is one half and the drawing starts one pixel in: x maps to column 1 + x / 2, y to
// row 1 + (128 - y) / 2 (north is up).
MapShape room()
{
    return {{{0, 0}, {256, 0}, {256, 128}, {0, 128}, {128, 0}, {128, 64}},
            {{0, 1, false}, {1, 2, false}, {2, 3, false}, {3, 0, false}, {4, 5, true}}};
}

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
            {"mappicture", wad, QString::fromLatin1(marker).toLower(), png, QStringLiteral("131")});
        QCOMPARE(run.output, QByteArray());
        QCOMPARE(run.exitCode, 0);

        const QImage image(png, "PNG");
        QCOMPARE(image.size(), QSize(131, 67));
        const auto at = [&](int x, int y) { return image.pixel(x, y); };
        QCOMPARE(at(1, 30), ink(MapPicture::OneSided));    // west wall
        QCOMPARE(at(129, 30), ink(MapPicture::OneSided));  // east wall
        QCOMPARE(at(40, 1), ink(MapPicture::OneSided));    // north wall, on top
        QCOMPARE(at(40, 65), ink(MapPicture::OneSided));   // south wall, at the bottom
        QCOMPARE(at(65, 50), ink(MapPicture::TwoSided));   // the step, in the south half
        QCOMPARE(at(65, 65), ink(MapPicture::OneSided));   // a wall is drawn over a step
        QCOMPARE(at(65, 20), ink(MapPicture::Background)); // no step in the north half
        QCOMPARE(at(30, 30), ink(MapPicture::Background));
        QCOMPARE(at(0, 0), ink(MapPicture::Background)); // a pixel of room around it
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
        const ToolRun run = runChecker({"MAPPICTURE", wad, "MAP01", png, "131"});
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
    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        return writeBytes(path, bytes) ? path : QString();
    }

    QTemporaryDir m_dir;
};

Z3D_TEST_GUILESS_MAIN(TestMapPicture)
#include "tst_mappicture.moc"
