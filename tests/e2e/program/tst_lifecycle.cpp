// The built launcher from start to end, on a private X display: what a player sees of its
// windows, and what it leaves on disk and as its exit status.

#include "core/settings/LauncherSettings.h"
#include "support/DemoInstallation.h"
#include "support/LauncherProcess.h"
#include "support/XSession.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kMainTitle = LauncherProcess::kMainWindowTitle;
const QString kSettingsFile = QStringLiteral("Z3DLaunch/config.z3d");
// DemoInstallation::backdate's date; a settings file written by the launcher is newer.
const QDateTime kBackdated(QDate(2001, 1, 2), QTime(0, 0));

LauncherSettings quietSettings()
{
    LauncherSettings settings;
    settings.showTips = false;
    return settings;
}

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString why = XSession::skipReason(); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void launchWithExitChosenEndsTheLauncher()
    {
        XSession session;
        QVERIFY2(session.isReady(), qPrintable(session.error()));
        DemoInstallation demo(QStringLiteral(Z3D_BIN_DIR));
        QVERIFY2(demo.isValid(), qPrintable(demo.error()));
        LauncherSettings settings = quietSettings();
        settings.afterLaunchOption = 2; // "Exit"
        settings.gamesListView = 1;     // the commercial games
        settings.lastDoomGame = QStringLiteral("DOOM II");
        QVERIFY(demo.writeSettings(settings));
        QVERIFY(demo.backdate(kSettingsFile));

        LauncherProcess launcher(session, demo.binDir(), demo.tempFolder());
        QVERIFY(launcher.start());
        const QString window = session.waitForWindow(kMainTitle, launcher.pid());
        QVERIFY2(!window.isEmpty(), qPrintable(launcher.output()));
        QVERIFY(session.pressKeys(window, {QStringLiteral("Return")}));

        QVERIFY2(XSession::waitUntil([&] { return demo.exists(QStringLiteral("Zorn3D.out")); }),
                 "the engine was not started");
        const QByteArray line = demo.readFile(QStringLiteral("Z3DLaunch/launch.log"));
        QVERIFY2(line.startsWith("Bin\\Zorn3D -doom2 "), line.trimmed().constData());
        QVERIFY2(launcher.waitForExit(), "the launcher is still running after a launch with "
                                         "\"Exit\" chosen");
        QCOMPARE(launcher.exitCode(), 0);
        QVERIFY(demo.modified(kSettingsFile) > kBackdated);
        QCOMPARE(demo.settings().lastAfterLaunchAction, 2);
        QCOMPARE(demo.settings().lastDoomGame, QStringLiteral("DOOM II"));
    }

    void secondStartRaisesTheFirstAndLeaves()
    {
        XSession session;
        QVERIFY2(session.isReady(), qPrintable(session.error()));
        DemoInstallation demo(QStringLiteral(Z3D_BIN_DIR));
        QVERIFY2(demo.isValid(), qPrintable(demo.error()));
        QVERIFY(demo.writeSettings(quietSettings()));
        QVERIFY(demo.backdate(kSettingsFile));

        LauncherProcess first(session, demo.binDir(), demo.tempFolder());
        QVERIFY(first.start());
        const QString window = session.waitForWindow(kMainTitle, first.pid());
        QVERIFY2(!window.isEmpty(), qPrintable(first.output()));
        // Minimised, so that bringing it forward shows.
        QVERIFY(session.minimise(window));
        QVERIFY(session.waitForNoWindow(kMainTitle));
        const QStringList before = demo.picture();

        LauncherProcess second(session, demo.binDir(), demo.tempFolder());
        QVERIFY(second.start());
        QVERIFY2(second.waitForExit(), "the second launcher did not leave");
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(session.waitForWindow(kMainTitle, first.pid()), window);
        QCOMPARE(session.windows(kMainTitle), QStringList{window});
        QVERIFY(first.isRunning());
        QCOMPARE(demo.picture(), before);

        // The window manager closes the window that has the focus; the raised window may take
        // a moment to get it on a busy machine, so the player presses again until it closes.
        int presses = 0;
        const bool ended = XSession::waitUntil([&] {
            if (!first.isRunning())
                return true;
            if (presses++ % 10 == 0)
                session.pressKeys(window, {QStringLiteral("alt+F4")});
            return false;
        });
        QVERIFY2(ended && first.waitForExit(),
                 "the launcher did not end when its window was closed");
        QCOMPARE(first.exitCode(), 0);
        QVERIFY(demo.modified(kSettingsFile) > kBackdated);
    }

    // A first start greets the player with the first tip; the next start goes on from there.
    void firstStartShowsATipAndRemembersIt()
    {
        XSession session;
        QVERIFY2(session.isReady(), qPrintable(session.error()));
        DemoInstallation demo(QStringLiteral(Z3D_BIN_DIR));
        QVERIFY2(demo.isValid(), qPrintable(demo.error()));
        QVERIFY(!demo.exists(kSettingsFile));

        LauncherProcess launcher(session, demo.binDir(), demo.tempFolder());
        QVERIFY(launcher.start());
        const QString tips =
            session.waitForWindow(QStringLiteral("Tips for running the launcher"), launcher.pid());
        QVERIFY2(!tips.isEmpty(), qPrintable(launcher.output()));
        QVERIFY(session.pressKeys(tips, {QStringLiteral("Return")}));
        QVERIFY(session.waitForNoWindow(QStringLiteral("Tips for running the launcher")));
        const QString window = session.waitForWindow(kMainTitle, launcher.pid());
        QVERIFY(!window.isEmpty());
        int presses = 0;
        const bool ended = XSession::waitUntil([&] {
            if (!launcher.isRunning())
                return true;
            if (presses++ % 10 == 0)
                session.pressKeys(window, {QStringLiteral("alt+F4")});
            return false;
        });
        QVERIFY2(ended && launcher.waitForExit(), "the launcher did not end");
        QCOMPARE(demo.settings().tipNumber, 1);
        QVERIFY(demo.settings().showTips);
    }

    void missingDependencyIsReportedAndEndsTheLauncher()
    {
        XSession session;
        QVERIFY2(session.isReady(), qPrintable(session.error()));
        DemoInstallation demo(QStringLiteral(Z3D_BIN_DIR));
        QVERIFY2(demo.isValid(), qPrintable(demo.error()));
        QVERIFY(demo.removeFile(QStringLiteral("bin/eax.dll")));
        QVERIFY(!demo.exists(kSettingsFile));

        LauncherProcess launcher(session, demo.binDir(), demo.tempFolder());
        QVERIFY(launcher.start());
        const QString message =
            session.waitForWindow(QStringLiteral("Startup error"), launcher.pid());
        QVERIFY2(!message.isEmpty(), qPrintable(launcher.output()));
        QVERIFY(session.pressKeys(message, {QStringLiteral("Return")}));
        QVERIFY2(launcher.waitForExit(), "the launcher did not end after the start-up error");
        QCOMPARE(launcher.exitCode(), 0);
        QVERIFY(!demo.exists(kSettingsFile));
    }
};

QTEST_GUILESS_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
