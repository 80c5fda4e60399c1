// The built launcher from start to end, on a private X display: what a player sees of its
// windows, and what it leaves on disk and as its exit status.

#include "core/platform/NativePath.h"

#include "support/DataTable.h"
#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kMainTitle = LauncherProcess::kMainWindowTitle;
const QString kSettingsFile = DemoInstallation::kSettingsFile;

// Every entry below folder by the bytes of its name (Qt would read a name that is not UTF-8 as
// another one): its path, and for a file its size and modification time.
QStringList bytePicture(const std::filesystem::path& folder)
{
    namespace fs = std::filesystem;
    QStringList lines;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        QString line = QString::fromLatin1(entry.path().lexically_relative(folder).native());
        if (entry.is_directory())
            line += u'/';
        else
            line += QStringLiteral(" %1 %2")
                        .arg(entry.file_size())
                        .arg(entry.last_write_time().time_since_epoch().count());
        lines.append(line);
    }
    lines.sort();
    return lines;
}

QString shown(const QRect& frame)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(frame.left())
        .arg(frame.top())
        .arg(frame.width())
        .arg(frame.height());
}

} // namespace

class TestLifecycle : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void launchWithExitChosenEndsTheLauncher()
    {
        DemoInstallation& demo = run().demo;
        LauncherSettings settings = ProgramScenario::doomTwoSettings(true);
        QVERIFY(demo.writeSettings(settings));
        QVERIFY(demo.backdate(kSettingsFile));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY2(run().launchAndWaitForEngine(window), "the engine was not started");
        const QByteArray line = demo.readFile(QStringLiteral("Z3DLaunch/launch.log"));
        QVERIFY2(line.startsWith("Bin\\Zorn3D -doom2 "), line.trimmed().constData());
        QVERIFY2(run().launcher.waitForExit(), "the launcher is still running after a launch "
                                               "with \"Exit\" chosen");
        QCOMPARE(run().launcher.exitCode(), 0);
        QVERIFY(demo.rewrittenSinceBackdate(kSettingsFile));
        QCOMPARE(demo.settings().lastAfterLaunchAction, 2);
        QCOMPARE(demo.settings().lastDoomGame, QStringLiteral("DOOM II"));
    }

    void secondStartRaisesTheFirstAndLeaves()
    {
        DemoInstallation& demo = run().demo;
        XSession& session = run().session;
        QVERIFY(demo.writeSettings(ProgramScenario::quietSettings()));
        QVERIFY(demo.backdate(kSettingsFile));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        // Minimised, so that bringing it forward shows.
        QVERIFY(session.minimise(window));
        QVERIFY(session.waitForNoWindow(kMainTitle));
        // Taken once the first launcher has written what its start writes, on a slow machine
        // after its window shows.
        QStringList before = demo.picture();
        QVERIFY(XSession::waitUntil([&] {
            QTest::qWait(500);
            const QStringList now = std::exchange(before, demo.picture());
            return now == before;
        }));

        LauncherProcess second(session, demo.binDir(), demo.tempFolder());
        QVERIFY(second.start());
        QVERIFY2(second.waitForExit(), "the second launcher did not leave");
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(session.waitForWindow(kMainTitle, run().launcher.pid()), window);
        QCOMPARE(session.windows(kMainTitle), QStringList{window});
        QVERIFY(run().launcher.isRunning());
        QCOMPARE(demo.picture(), before);

        QVERIFY2(run().closeWindow(window), "the launcher did not end when its window was closed");
        QCOMPARE(run().launcher.exitCode(), 0);
        QVERIFY(demo.rewrittenSinceBackdate(kSettingsFile));
    }

    // Launchers started at the same moment in one installation (a double-click repeated, a
    // session restoring them): one window, and every other launcher leaves, having written
    // nothing and asked nothing. Several rounds, as the launchers meet at random points.
    void launchersStartedTogetherLeaveOneWindow()
    {
        DemoInstallation& demo = run().demo;
        XSession& session = run().session;
        QVERIFY(demo.writeSettings(ProgramScenario::quietSettings()));
        constexpr int kRounds = 5;
        constexpr int kLaunchers = 10;
        for (int round = 0; round < kRounds; ++round) {
            std::vector<std::unique_ptr<LauncherProcess>> launchers;
            for (int i = 0; i < kLaunchers; ++i)
                launchers.push_back(
                    std::make_unique<LauncherProcess>(session, demo.binDir(), demo.tempFolder()));
            for (auto& launcher : launchers)
                QVERIFY(launcher->start());
            // All but one leave.
            LauncherProcess* first = nullptr;
            const bool othersLeft = XSession::waitUntil([&] {
                int running = 0;
                for (auto& launcher : launchers) {
                    if (launcher->isRunning()) {
                        ++running;
                        first = launcher.get();
                    }
                }
                return running == 1;
            });
            QVERIFY2(othersLeft, qPrintable(QStringLiteral("round %1: more than one launcher "
                                                           "stays")
                                                .arg(round + 1)));
            for (auto& launcher : launchers) {
                if (launcher.get() != first)
                    QCOMPARE(launcher->exitCode(), 0);
            }
            const QString window = session.waitForWindow(kMainTitle, first->pid());
            QVERIFY2(!window.isEmpty(), qPrintable(first->output()));
            QCOMPARE(session.windowsOf(first->pid()), QStringList{window});
            QVERIFY2(run().closeWindow(window, *first), "the remaining launcher did not end");
        }
    }

    // A first start greets the player with the first tip; the next start goes on from there.
    void firstStartShowsATipAndRemembersIt()
    {
        QVERIFY(!run().demo.exists(kSettingsFile));

        const QString tipsTitle = QStringLiteral("Tips for running the launcher");
        const QString tips = run().startLauncher(tipsTitle);
        QVERIFY2(!tips.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY(run().answerAndWaitForClose(tipsTitle, {QStringLiteral("Return")}));
        const QString window = run().session.waitForWindow(kMainTitle, run().launcher.pid());
        QVERIFY(!window.isEmpty());
        QVERIFY2(run().closeWindow(window), "the launcher did not end");
        QCOMPARE(run().demo.settings().tipNumber, 1);
        QVERIFY(run().demo.settings().showTips);
    }

    // The centred main window and a message box over it sit where their frames, title bars
    // included, are centred: with its saved position beyond the screen, and with none saved
    // (the first start, or a file written under "/WINE"), in the compact layout's height.
    void windowsAreCentredByTheirFrames_data()
    {
        const DataTable<int, bool> row("windowLeft", "positionSaved");
        row("beyond the screen", 300000, true);
        row("no position saved", 0, false);
    }
    void windowsAreCentredByTheirFrames()
    {
        QFETCH(int, windowLeft);
        QFETCH(bool, positionSaved);
        DemoInstallation& demo = run().demo;
        XSession& session = run().session;
        LauncherSettings settings = ProgramScenario::quietSettings();
        settings.gamesListView = 0;
        settings.lastInstalledGame = QStringLiteral("Outpost");
        settings.windowLeft = windowLeft;
        QVERIFY(demo.writeSettings(settings, !positionSaved));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        const QRect screen(QPoint(0, 0), session.screenSize());
        QVERIFY(!screen.isEmpty());
        QRect main;
        const bool mainCentred = XSession::waitUntil([&] {
            main = session.frameGeometry(window);
            return XSession::centredOver(main, screen);
        });
        QVERIFY2(mainCentred, qPrintable("main window at " + shown(main)));

        // "Uninstall game from list", the games list menu's first item, asks first.
        QVERIFY(session.rightClick(window, 0.15, 0.5));
        QVERIFY(!session.waitForNewWindow(run().launcher.pid(), {window}).isEmpty());
        QVERIFY(session.typeKeys({QStringLiteral("Down"), QStringLiteral("Return")}));
        const QString title = QStringLiteral(" Remove selected game from list ");
        const QString question = session.waitForWindow(title, run().launcher.pid());
        QVERIFY2(!question.isEmpty(), "the question did not appear");
        QRect box;
        const bool boxCentred = XSession::waitUntil([&] {
            box = session.frameGeometry(question);
            return XSession::centredOver(box, session.frameGeometry(window));
        });
        QVERIFY2(boxCentred, qPrintable("message box at " + shown(box) + " over " + shown(main)));

        QVERIFY(session.pressKeys(question, {QStringLiteral("Escape")}));
        QVERIFY(session.waitForNoWindow(title));
        QVERIFY(demo.exists(QStringLiteral("Z3DGames/Outpost")));
        QVERIFY2(run().closeWindow(window), "the launcher did not end");
    }

    // An installation folder whose name is not UTF-8 (an older system's, a copied disk's): the
    // launcher says so and ends, and nothing is written, neither in the installation nor around
    // it. Started in its root, a parent that is an installation of its own is not taken for it.
    void installationFolderNotInUtf8IsRefused_data()
    {
        const DataTable<bool> row("startedInRoot");
        row("alone, started in bin", false);
        row("inside another installation, started in its root", true);
    }
    void installationFolderNotInUtf8IsRefused()
    {
        namespace fs = std::filesystem;
        QFETCH(bool, startedInRoot);
        DemoInstallation& demo = run().demo;
        // The outer installation's settings empty its Zips folder when it starts.
        LauncherSettings settings = ProgramScenario::quietSettings();
        settings.lastAfterLaunchAction = 2;
        QVERIFY(demo.writeSettings(settings));
        QVERIFY(demo.writeFile(QStringLiteral("Z3DLaunch/Zips/E1M1.wad"), "PWAD"));
        const fs::path parent =
            startedInRoot
                ? toNativePath(demo.root())
                : toNativePath(QFileInfo(demo.root()).dir().filePath(QStringLiteral("alone")));
        const fs::path root = parent / "caf\xe9";
        // Qt, which removes the demo, cannot name it.
        const auto removeRoot = qScopeGuard([&root] {
            std::error_code error;
            fs::remove_all(root, error);
        });
        fs::create_directories(root);
        fs::copy(toNativePath(demo.binDir()), root / "bin", fs::copy_options::recursive);
        // A name the test can start it by; the launcher sees the folder's own.
        const QString entry = QDir(demo.tempFolder()).filePath(QStringLiteral("installation"));
        fs::create_directory_symlink(root, toNativePath(entry));
        const QStringList before = bytePicture(parent);

        LauncherProcess launcher(run().session, entry + QStringLiteral("/bin"), demo.tempFolder(),
                                 startedInRoot ? entry : QString());
        QVERIFY(launcher.start());
        const QString message = run().session.waitForWindow(
            QStringLiteral("Installation folder error"), launcher.pid());
        QVERIFY2(!message.isEmpty(), qPrintable(launcher.output()));
        QVERIFY(run().session.pressKeys(message, {QStringLiteral("Return")}));
        QVERIFY2(launcher.waitForExit(), "the launcher did not end after the message");
        QCOMPARE(launcher.exitCode(), 0);
        QCOMPARE(bytePicture(parent), before);
    }

    // A player who moves the window as soon as it shows keeps it there: placing it by its
    // frame, which goes on while the window manager takes the window in, leaves it alone.
    void earlyMoveOfThePlayersStays()
    {
        DemoInstallation& demo = run().demo;
        XSession& session = run().session;
        QVERIFY(demo.writeSettings(ProgramScenario::quietSettings(), true));
        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        const QRect screen(QPoint(0, 0), session.screenSize());
        QVERIFY(session.move(window, QPoint(40, 30)));
        QRect moved;
        QVERIFY2(XSession::waitUntil([&] {
                     moved = session.frameGeometry(window);
                     return moved.isValid() && !XSession::centredOver(moved, screen);
                 }),
                 qPrintable("main window at " + shown(moved)));
        // The placement watches the window's frame for its first seconds: the move must
        // outlast them.
        for (int look = 0; look < 40; ++look) {
            QTest::qWait(100);
            const QRect now = session.frameGeometry(window);
            QVERIFY2(now == moved,
                     qPrintable("moved to " + shown(moved) + ", then at " + shown(now)));
        }
        QVERIFY2(run().closeWindow(window), "the launcher did not end");
        const LauncherSettings saved = demo.settings();
        QCOMPARE(QPoint(saved.windowLeft, saved.windowTop), moved.topLeft() * 15);
    }

    void missingDependencyIsReportedAndEndsTheLauncher()
    {
        QVERIFY(run().demo.removeFile(QStringLiteral("bin/eax.dll")));
        QVERIFY(!run().demo.exists(kSettingsFile));

        const QString message = run().startLauncher(QStringLiteral("Startup error"));
        QVERIFY2(!message.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY(run().answerAndWaitForClose(QStringLiteral("Startup error"),
                                            {QStringLiteral("Return")}));
        QVERIFY2(run().launcher.waitForExit(), "the launcher did not end after the start-up error");
        QCOMPARE(run().launcher.exitCode(), 0);
        QVERIFY(!run().demo.exists(kSettingsFile));
    }
};

Z3D_TEST_GUILESS_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
