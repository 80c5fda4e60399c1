// The built launcher on a private X display: resting the mouse on the Launch button brings up
// its tip, a window of the launcher's own whose title is the tip's text.

#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kLaunchTip = QStringLiteral("Launch game selected in list.");
// The middle of the Launch button, at the bottom right of the compact layout, as shares of
// the main window's width and height.
constexpr double kLaunchButtonX = 0.905;
constexpr double kLaunchButtonY = 0.95;

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
        QVERIFY(run().session.mouseMove(window, kLaunchButtonX, kLaunchButtonY));
        QVERIFY2(!run().session.waitForWindow(kLaunchTip, run().launcher.pid()).isEmpty(),
                 "no tip over the Launch button");
    }
};

Z3D_TEST_GUILESS_MAIN(TestToolTipsProgram)
#include "tst_tooltips.moc"
