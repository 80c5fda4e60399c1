// The map pictures the launcher draws itself, on wads built byte for byte: which map is
// drawn, and when there is nothing to draw.

#include "core/inspect/MapPreview.h"

#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/GameFileBytes.h"
#include "support/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

// A line 100 long from west to east, or from south to north.
MapShape line(bool northwards)
{
    return {{{0, 0}, northwards ? QPoint(0, 100) : QPoint(100, 0)}, {{0, 1, false}}};
}

} // namespace

class TestMapPreview : public QObject
{
    Q_OBJECT

private slots:
    void draw_data()
    {
        const DataTable<QString, QString, QSize> row("file", "map", "size");
        // MAP01 runs west to east (a wide, low picture), MAP02 south to north.
        row("the map asked for", "Maps.wad", "MAP02", QSize(8, 40));
        row("names in another case", "maps.WAD", "map01", QSize(40, 8));
        row("no such map", "Maps.wad", "MAP04", QSize());
        row("a map without lines", "Maps.wad", "MAP03", QSize());
        row("no such file", "Absent.wad", "MAP01", QSize());
        row("not a wad", "Notes.wad", "MAP01", QSize());
    }

    void draw()
    {
        QFETCH(QString, file);
        QFETCH(QString, map);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("Maps.wad"),
                           wadOfLumps(mapLumps("MAP01", line(false), MapFormat::Doom) +
                                      mapLumps("MAP02", line(true), MapFormat::Udmf) +
                                      mapLumps("MAP03", {}, MapFormat::Doom))));
        QVERIFY(writeBytes(dir.filePath("Notes.wad"), "IWAD, or so it says"));

        const auto picture = MapPreview::draw(dir.filePath(file), map, 40);
        QCOMPARE(picture.has_value(), size.isValid());
        if (picture)
            QCOMPARE(QSize(picture->width, picture->height), size);
    }
};

Z3D_TEST_GUILESS_MAIN(TestMapPreview)
#include "tst_mappreview.moc"
