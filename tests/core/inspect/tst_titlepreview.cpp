// The title pictures the launcher reads itself, on wads built byte for byte: which palette
// colours them, names in another case, and when there is none.

#include "core/inspect/TitlePreview.h"

#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/GameFileBytes.h"
#include "support/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestTitlePreview : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        // The pixel is 0xAARRGGBB; 0 when there is no picture.
        const DataTable<QString, QString, quint32> row("file", "paletteWad", "pixel");
        row("in its own palette", "Title.wad", "Iwad.wad", 0xFF102030);
        row("in the IWAD's", "Bare.wad", "iwad.WAD", 0xFF405060);
        row("in Freedoom's", "bare.WAD", "", 0xFF1F170B);
        row("an unreadable IWAD", "Bare.wad", "Absent.wad", 0xFF1F170B);
        row("no title picture", "Iwad.wad", "Iwad.wad", 0);
        row("no such file", "Absent.wad", "Iwad.wad", 0);
        row("not a wad", "Notes.wad", "Iwad.wad", 0);
    }

    void read()
    {
        QFETCH(QString, file);
        QFETCH(QString, paletteWad);
        QFETCH(quint32, pixel);
        QTemporaryDir dir;
        const WadLump title{"TITLEPIC", doomPicture(1, {1})};
        QVERIFY(writeBytes(dir.filePath("Title.wad"),
                           wadOfLumps({{"PLAYPAL", playpal({0, 0x102030})}, title})));
        QVERIFY(writeBytes(dir.filePath("Bare.wad"), wadOfLumps({title})));
        QVERIFY(writeBytes(dir.filePath("Iwad.wad"),
                           wadWithMaps({"MAP01"}, "IWAD", {{"PLAYPAL", playpal({0, 0x405060})}})));
        QVERIFY(writeBytes(dir.filePath("Notes.wad"), "PWAD, or so it says"));

        const auto picture = TitlePreview::read(
            dir.filePath(file), paletteWad.isEmpty() ? QString() : dir.filePath(paletteWad));
        QCOMPARE(picture.has_value(), pixel != 0);
        if (picture)
            QCOMPARE(picture->argb, std::vector<std::uint32_t>{pixel});
    }
};

Z3D_TEST_GUILESS_MAIN(TestTitlePreview)
#include "tst_titlepreview.moc"
