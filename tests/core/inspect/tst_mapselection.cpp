#include "core/inspect/MapSelection.h"

#include "support/DataTable.h"
#include "support/MapNames.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

IwadRegistry registry()
{
    IwadRegistry iwads;
    iwads.registerIwad(QStringLiteral("/games/DOOM.WAD"));
    iwads.registerIwad(QStringLiteral("/games/doom2.wad"));
    return iwads;
}

} // namespace

class TestMapSelection : public QObject
{
    Q_OBJECT

private slots:
    void launchTarget_data()
    {
        const DataTable<QStringList, int, QString, QString, QString> row(
            "maps", "selected", "gameFile", "warp", "iwad");
        row("E3M5", episodeMapNames(), 22, "/g/castle.wad", "3 5", "/games/DOOM.WAD");
        row("MAP15", numberedMapNames(), 14, "/g/castle.wad", "15", "/games/doom2.wad");
        row("twzone in lower case", episodeMapNames(), 0, "/g/Pwads/twzone.wad", "1 1",
            "/games/doom2.wad");
        row("nothing selected, episodes", episodeMapNames(), -1, "/g/castle.wad", " ",
            "/games/DOOM.WAD");
        row("nothing selected, numbered", numberedMapNames(), -1, "/g/castle.wad", "",
            "/games/doom2.wad");
        row("lower-case first letter", QStringList{"e1m1", "e1m2"}, 1, "/g/x.wad", "1 2",
            "/games/DOOM.WAD");
        row("unusual names keep the rule", QStringList{"MAP01", "MAP99"}, 1, "/g/x.wad", "99",
            "/games/doom2.wad");
    }
    void launchTarget()
    {
        QFETCH(QStringList, maps);
        QFETCH(int, selected);
        QFETCH(QString, gameFile);
        QFETCH(QString, warp);
        QFETCH(QString, iwad);
        const auto target =
            launchTargetForMap(maps, selected, LaunchKind::WarpToMap, gameFile, registry());
        QVERIFY(target.has_value());
        QCOMPARE(target->warpArgument, warp);
        QCOMPARE(target->iwadPath, iwad);
    }

    void noTargetWithoutAStyle_data()
    {
        const DataTable<QStringList, int> row("maps", "kind");
        row("empty list", QStringList{}, int(LaunchKind::WarpToMap));
        row("empty list, new game", QStringList{}, int(LaunchKind::NewGame));
        row("empty first entry", QStringList{"", "MAP01"}, int(LaunchKind::WarpToMap));
        row("no style", QStringList{"START", "MAP01"}, int(LaunchKind::WarpToMap));
    }
    void noTargetWithoutAStyle()
    {
        QFETCH(QStringList, maps);
        QFETCH(int, kind);
        QVERIFY(!launchTargetForMap(maps, 0, LaunchKind(kind), "/g/x.wad", registry()));
    }

    void newGameStillChoosesTheIwad()
    {
        const auto target =
            launchTargetForMap(numberedMapNames(), -1, LaunchKind::NewGame, "/g/x.wad", registry());
        QVERIFY(target.has_value());
        QCOMPARE(target->iwadPath, QStringLiteral("/games/doom2.wad"));
    }
};

Z3D_TEST_GUILESS_MAIN(TestMapSelection)
#include "tst_mapselection.moc"
