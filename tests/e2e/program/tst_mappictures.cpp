// The built launcher on a private X display with Freedoom as DOOM II: the map list's first
// map is MAP01, "Hydroelectric Plant"; resting the mouse on it brings up the launcher's tip
// window with the map's picture, titled with the map's title, and with tooltips disabled
// nothing comes.

#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kMap01Title = QStringLiteral("Hydroelectric Plant");
// The first entry of the map list in the compact layout, as shares of the main window's width
// and height.
constexpr double kFirstMapX = 0.75;
constexpr double kFirstMapY = 0.243;

} // namespace

class TestMapPicturesProgram : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void tooltips_data()
    {
        QTest::addColumn<bool>("disabled");
        QTest::newRow("on") << false;
        QTest::newRow("disabled") << true;
    }

    void tooltips()
    {
        QFETCH(bool, disabled);
        LauncherSettings settings = ProgramScenario::doomTwoSettings();
        settings.disableTooltips = disabled;
        QVERIFY(run().demo.writeSettings(settings));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY(run().session.mouseMove(window, kFirstMapX, kFirstMapY));
        if (!disabled) {
            QVERIFY2(!run().session.waitForWindow(kMap01Title, run().launcher.pid()).isEmpty(),
                     "no picture over MAP01");
            return;
        }
        // Many times the tips' delays, and still nothing.
        QTest::qWait(3000);
        QVERIFY(run().session.windows(kMap01Title, run().launcher.pid()).isEmpty());
    }
};

Z3D_TEST_GUILESS_MAIN(TestMapPicturesProgram)
#include "tst_mappictures.moc"
