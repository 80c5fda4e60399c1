// The built launcher on a private X display: resting the mouse on the Launch button brings up
// its tip, a window of the launcher's own whose title is the tip's text.

#include "core/settings/LauncherSettings.h"
#include "support/DemoInstallation.h"
#include "support/LauncherProcess.h"
#include "support/XSession.h"

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

class TestToolTipsProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString why = XSession::skipReason(); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void tipAppearsOverTheLaunchButton()
    {
        XSession session;
        QVERIFY2(session.isReady(), qPrintable(session.error()));
        DemoInstallation demo(QStringLiteral(Z3D_BIN_DIR));
        QVERIFY2(demo.isValid(), qPrintable(demo.error()));
        LauncherSettings settings;
        settings.showTips = false;
        QVERIFY(demo.writeSettings(settings));

        LauncherProcess launcher(session, demo.binDir(), demo.tempFolder());
        QVERIFY(launcher.start());
        const QString window =
            session.waitForWindow(LauncherProcess::kMainWindowTitle, launcher.pid());
        QVERIFY2(!window.isEmpty(), qPrintable(launcher.output()));
        QVERIFY(session.mouseMove(window, kLaunchButtonX, kLaunchButtonY));
        QVERIFY2(!session.waitForWindow(kLaunchTip, launcher.pid()).isEmpty(),
                 "no tip over the Launch button");
    }
};

QTEST_GUILESS_MAIN(TestToolTipsProgram)
#include "tst_tooltips.moc"
