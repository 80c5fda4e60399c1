// The built launcher on a private X display, its tips as a player sees them. The tip window's
// title is the text it shows. Resting the mouse on the Launch button brings up its tip. With
// Freedoom as DOOM II, resting the mouse on MAP01 brings up its tip, first titled with the
// map's title, "Hydroelectric Plant"; on a game whose wad is built here, the map's tip is its
// title, its counts at the skill chosen and where it leads; moving through the list with the
// keys brings up the chosen map's tip; with tooltips disabled nothing comes. Resting on the
// game itself shows its title picture with its text's title and author.

#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

// A point of the main window in the compact layout, as shares of its width and height.
struct Spot
{
    double x;
    double y;
};

// The middle of the Launch button, at the bottom right, and its tip.
constexpr Spot kLaunchButton{0.905, 0.95};
const QString kLaunchTip = QStringLiteral("Launch game selected in list.");
// The first entry of the map list, and the first of the games list level with it.
constexpr Spot kFirstMap{0.75, 0.243};
constexpr Spot kFirstGame{0.1, kFirstMap.y};

const QString kOutpostWad = QStringLiteral("Z3DGames/Outpost/Pwads/outpost.wad");

MapShape room(QList<MapShape::Thing> things)
{
    MapShape shape{{{0, 0}, {256, 0}, {256, 128}, {0, 128}},
                   {{0, 1, false}, {1, 2, false}, {2, 3, false}, {3, 0, true}}};
    shape.sectors = {{0, 128, 9}, {16, 128}};
    shape.things = std::move(things);
    return shape;
}

// MAP01 holds at skill 2 ("Hey, not too rough") two monsters and two items, at skill 4
// ("Ultra-Violence") three monsters and one item, and one secret at both; UMAPINFO titles both
// maps and names where MAP01 leads. MAP02 holds only a secret.
QByteArray countedWad()
{
    const QList<MapShape::Thing> things{
        {{64, 64}, 90, 1},         // the player's start
        {{32, 32}, 0, 3004},       // zombieman, every skill
        {{40, 32}, 0, 3001, 1},    // imp, skills 1-2
        {{48, 32}, 0, 9, 4},       // shotgun guy, skills 4-5
        {{56, 32}, 0, 9, 4 | 2},   // shotgun guy, skills 3-5
        {{64, 32}, 0, 58, 7 | 16}, // a spectre in multiplayer only counts for no one
        {{72, 32}, 0, 2014},       // health bonus, every skill
        {{80, 32}, 0, 2015, 1 | 2} // armor bonus, skills 1-3
    };
    const QByteArray info = "map MAP01 { levelname = \"Entryway\" next = \"MAP02\"\n"
                            "  nextsecret = \"MAP03\" partime = 90 }\n"
                            "map MAP02 { levelname = \"Underhalls\" }\n";
    return wadOfLumps(mapLumps("MAP01", room(things), MapFormat::Doom) +
                      mapLumps("MAP02", room({}), MapFormat::Doom) +
                      QList<WadLump>{{"UMAPINFO", info}});
}

} // namespace

class TestToolTipsProgram : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void tipAppearsOverTheLaunchButton()
    {
        QVERIFY(run().demo.writeSettings(ProgramScenario::quietSettings()));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY(run().session.mouseMove(window, kLaunchButton.x, kLaunchButton.y));
        QVERIFY2(!run().session.waitForWindow(kLaunchTip, run().launcher.pid()).isEmpty(),
                 "no tip over the Launch button");
    }

    void tooltips_data()
    {
        const DataTable<bool, int, bool, bool, QString, XSession::TitleMatch> row(
            "builtWad", "skill", "keys", "disabled", "tip", "match");
        using Match = XSession::TitleMatch;
        row("Freedoom's MAP01", false, 3, false, false, "Hydroelectric Plant\n", Match::Start);
        row("tooltips disabled", false, 3, false, true, QString(), Match::Whole);
        row("counted at skill 2", true, 2, false, false,
            "Entryway\n2 monsters \u00B7 2 items \u00B7 1 secret (Hey, not too rough)\n"
            "Next: MAP02 \u00B7 Secret: MAP03 \u00B7 Par 1:30",
            Match::Whole);
        row("counted at skill 4", true, 4, false, false,
            "Entryway\n3 monsters \u00B7 1 item \u00B7 1 secret (Ultra-Violence)\n"
            "Next: MAP02 \u00B7 Secret: MAP03 \u00B7 Par 1:30",
            Match::Whole);
        row("the keys choose MAP02", true, 4, true, false,
            "Underhalls\n0 monsters \u00B7 0 items \u00B7 1 secret (Ultra-Violence)", Match::Whole);
        row("the keys, tooltips disabled", true, 4, true, true, QString(), Match::Whole);
    }

    void gameTip()
    {
        QVERIFY(run().demo.writeSettings(ProgramScenario::installedGameSettings("Outpost")));
        // Doom's 320 x 200, shown 4:3.
        const QList<WadLump> title{{"TITLEPIC", doomPicture(320, QList<int>(320 * 200, 176))}};
        QVERIFY(run().demo.writeFile(
            kOutpostWad, wadOfLumps(mapLumps("MAP01", room({}), MapFormat::Doom) + title)));
        QVERIFY(run().demo.writeFile("Z3DGames/Outpost/Pwads/outpost.txt",
                                     "Title      : Outpost Rebuilt\r\n"
                                     "Author     : Jane Doe\r\n"
                                     "Description: Three rooms, and a fourth\r\n"
                                     "             behind a secret door.\r\n"));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY(run().session.mouseMove(window, kFirstGame.x, kFirstGame.y));
        const QString tip = run().session.waitForWindow(
            "Outpost Rebuilt\nby Jane Doe\nThree rooms, and a fourth\nbehind a secret door.",
            run().launcher.pid());
        QVERIFY2(!tip.isEmpty(), "no tip over Outpost");
        // The picture, 320 x 240, above the text.
        const QSize shown = run().session.size(tip);
        QVERIFY2(shown.width() >= 320 && shown.height() > 240,
                 qPrintable(QStringLiteral("%1 x %2").arg(shown.width()).arg(shown.height())));
    }

    void tooltips()
    {
        QFETCH(bool, builtWad);
        QFETCH(int, skill);
        QFETCH(bool, keys);
        QFETCH(bool, disabled);
        QFETCH(QString, tip);
        QFETCH(XSession::TitleMatch, match);
        LauncherSettings settings = builtWad ? ProgramScenario::installedGameSettings("Outpost")
                                             : ProgramScenario::doomTwoSettings();
        settings.skill = skill;
        settings.disableTooltips = disabled;
        QVERIFY(run().demo.writeSettings(settings));
        if (builtWad)
            QVERIFY(run().demo.writeFile(kOutpostWad, countedWad()));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        if (keys) {
            // The click gives the list the keys and closes MAP01's tip; Down chooses MAP02.
            QVERIFY(run().session.click(window, kFirstMap.x, kFirstMap.y));
            QVERIFY(run().session.pressKeys(window, {QStringLiteral("Down")}));
        } else {
            QVERIFY(run().session.mouseMove(window, kFirstMap.x, kFirstMap.y));
        }
        if (!disabled) {
            QVERIFY2(!run().session.waitForWindow(tip, run().launcher.pid(), match).isEmpty(),
                     qPrintable(QStringLiteral("no tip \"%1\"").arg(tip)));
            return;
        }
        // Many times the tips' delays, and still no window but the main one.
        QTest::qWait(3000);
        QCOMPARE(run().session.windowsOf(run().launcher.pid()), QStringList{window});
    }
};

Z3D_TEST_GUILESS_MAIN(TestToolTipsProgram)
#include "tst_tooltips.moc"
