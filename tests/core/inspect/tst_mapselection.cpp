#include "core/inspect/MapSelection.h"

#include <QTest>

using namespace z3d;

namespace {

QStringList episodeMaps()
{
    QStringList maps;
    for (int episode = 1; episode <= 4; ++episode)
        for (int map = 1; map <= 9; ++map)
            maps << QStringLiteral("E%1M%2").arg(episode).arg(map);
    return maps;
}

QStringList numberedMaps()
{
    QStringList maps;
    for (int map = 1; map <= 32; ++map)
        maps << QStringLiteral("MAP%1").arg(map, 2, 10, QLatin1Char('0'));
    return maps;
}

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
        QTest::addColumn<QStringList>("maps");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("gameFile");
        QTest::addColumn<QString>("warp");
        QTest::addColumn<QString>("iwad");
        QTest::newRow("E3M5") << episodeMaps() << 22 << "/g/castle.wad"
                              << "3 5"
                              << "/games/DOOM.WAD";
        QTest::newRow("MAP15") << numberedMaps() << 14 << "/g/castle.wad"
                               << "15"
                               << "/games/doom2.wad";
        QTest::newRow("twzone in lower case") << episodeMaps() << 0 << "/g/Pwads/twzone.wad"
                                              << "1 1"
                                              << "/games/doom2.wad";
        QTest::newRow("nothing selected, episodes") << episodeMaps() << -1 << "/g/castle.wad"
                                                    << " "
                                                    << "/games/DOOM.WAD";
        QTest::newRow("nothing selected, numbered") << numberedMaps() << -1 << "/g/castle.wad"
                                                    << ""
                                                    << "/games/doom2.wad";
        QTest::newRow("lower-case first letter") << QStringList{"e1m1", "e1m2"} << 1 << "/g/x.wad"
                                                 << "1 2"
                                                 << "/games/DOOM.WAD";
        QTest::newRow("unusual names keep the rule")
            << QStringList{"MAP01", "MAP99"} << 1 << "/g/x.wad"
            << "99"
            << "/games/doom2.wad";
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
        QTest::addColumn<QStringList>("maps");
        QTest::addColumn<int>("kind");
        QTest::newRow("empty list") << QStringList{} << int(LaunchKind::WarpToMap);
        QTest::newRow("empty list, new game") << QStringList{} << int(LaunchKind::NewGame);
        QTest::newRow("empty first entry")
            << QStringList{"", "MAP01"} << int(LaunchKind::WarpToMap);
        QTest::newRow("no style") << QStringList{"START", "MAP01"} << int(LaunchKind::WarpToMap);
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
            launchTargetForMap(numberedMaps(), -1, LaunchKind::NewGame, "/g/x.wad", registry());
        QVERIFY(target.has_value());
        QCOMPARE(target->iwadPath, QStringLiteral("/games/doom2.wad"));
    }
};

QTEST_GUILESS_MAIN(TestMapSelection)
#include "tst_mapselection.moc"
