// A map's contents for its tip: counted in the launcher on a wad built byte for byte, at the
// skill the launcher would start it at, and written as the tip shows them.

#include "core/inspect/MapContents.h"
#include "core/inspect/MapContentsText.h"

#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/GameFileBytes.h"
#include "support/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

// Two zombiemen at every skill, a shotgun guy at skills 4-5, a health bonus at skills 1-2;
// one secret sector.
QByteArray countedWad()
{
    MapShape shape{{{0, 0}, {64, 0}, {64, 64}}, {{0, 1, false}, {1, 2, false}, {2, 0, true}}};
    shape.sectors = {{0, 128}, {0, 128, 9}};
    shape.things = {
        {{8, 8}, 0, 3004}, {{16, 8}, 0, 3004}, {{24, 8}, 0, 9, 4}, {{32, 8}, 0, 2014, 1}};
    return wadOfLumps(mapLumps("MAP01", shape, MapFormat::Doom) +
                      QList<WadLump>{{"UMAPINFO", "map MAP01 { next = \"MAP02\" partime = 75 }"}});
}

} // namespace

class TestMapContents : public QObject
{
    Q_OBJECT

private slots:
    void of_data()
    {
        const DataTable<QString, QString, int, QStringList> row("file", "map", "skill", "lines");
        row("skill 2", "Counted.wad", "MAP01", 2,
            {"2 monsters \u00B7 1 item \u00B7 1 secret (Easy)", "Next: MAP02 \u00B7 Par 1:15"});
        row("skill 4, names in another case", "counted.WAD", "map01", 4,
            {"3 monsters \u00B7 0 items \u00B7 1 secret (Easy)", "Next: MAP02 \u00B7 Par 1:15"});
        row("no such map", "Counted.wad", "MAP02", 3, {});
        row("no such file", "Absent.wad", "MAP01", 3, {});
        row("skill 0", "Counted.wad", "MAP01", 0, {});
        row("skill 6", "Counted.wad", "MAP01", 6, {});
    }

    void of()
    {
        QFETCH(QString, file);
        QFETCH(QString, map);
        QFETCH(int, skill);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("Counted.wad"), countedWad()));
        const std::optional<MapContents> contents = MapContents::of(dir.filePath(file), map, skill);
        QCOMPARE(contents.has_value(), !lines.isEmpty());
        if (contents)
            QCOMPARE(MapContentsText::lines(*contents, "Easy"), lines);
    }

    void lines_data()
    {
        const DataTable<MapContents, QStringList> row("contents", "lines");
        row("nothing named", {1, 0, 2, {}, {}, {}},
            {"1 monster \u00B7 0 items \u00B7 2 secrets (UV)"});
        row("every link", {0, 1, 1, "MAP02", "MAP31", "30"},
            {"0 monsters \u00B7 1 item \u00B7 1 secret (UV)",
             "Next: MAP02 \u00B7 Secret: MAP31 \u00B7 Par 0:30"});
        row("a par that is no number, control characters", {0, 0, 0, {}, "E1\u001bM9\n", "soon"},
            {"0 monsters \u00B7 0 items \u00B7 0 secrets (UV)", "Secret: E1M9 \u00B7 Par soon"});
    }

    void lines()
    {
        QFETCH(MapContents, contents);
        QFETCH(QStringList, lines);
        QCOMPARE(MapContentsText::lines(contents, "UV"), lines);
    }

    void skill_data()
    {
        const DataTable<int, int, int> row("entry", "lastSkill", "skill");
        row("a skill chosen", 4, 2, 4);
        row("start from new: the last skill used", 0, 5, 5);
        row("start from new, no last skill", 0, 0, 3);
    }

    void skill()
    {
        QFETCH(int, entry);
        QFETCH(int, lastSkill);
        QFETCH(int, skill);
        QCOMPARE(MapContentsText::skillOf(entry, lastSkill), skill);
    }

    void skillName()
    {
        QCOMPARE(MapContentsText::skillName("4 - Ultra-Violence"),
                 QStringLiteral("Ultra-Violence"));
        QCOMPARE(MapContentsText::skillName("1 - I'm too young to die"),
                 QStringLiteral("I'm too young to die"));
    }
};

Z3D_TEST_GUILESS_MAIN(TestMapContents)
#include "tst_mapcontents.moc"
