// The built launcher asked by the system to end (a logout, a hang-up, Ctrl+C): it ends as if
// its window were closed, and a start-up clears what an earlier killed run left behind.

#include "support/DataTable.h"
#include "support/ProgramTestCase.h"

#include <QTest>

#include <csignal>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kSettingsFile = DemoInstallation::kSettingsFile;
const QString kStartupFile = QStringLiteral("Z3DLaunch/Data/pwad.z3d");
const QString kStaleTemporary = QStringLiteral("Z3DLaunch/.z3dsave-kIlLeD");
// A player's copy, named as an earlier launcher named its temporaries.
const QString kPlayersBackup = QStringLiteral("Z3DLaunch/config.z3d.backup");

} // namespace

class TestTermination : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void signalRunsTheUnloadStep_data()
    {
        const DataTable<int> row("signalNumber");
        row("SIGTERM", SIGTERM);
        row("SIGHUP", SIGHUP);
        row("SIGINT", SIGINT);
    }

    void signalRunsTheUnloadStep()
    {
        QFETCH(int, signalNumber);
        DemoInstallation& demo = run().demo;
        QVERIFY(demo.writeSettings(ProgramScenario::doomTwoSettings()));
        QVERIFY(demo.backdate(kSettingsFile));
        QVERIFY(demo.writeFile(kStaleTemporary, "v7.5\r\n"));
        QVERIFY(demo.writeFile(kPlayersBackup, "v7.5\r\n"));
        QVERIFY(demo.writeFile(kStartupFile, "\r\n"));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY2(!demo.exists(kStaleTemporary), "the stale temporary survived the start-up");
        QVERIFY2(demo.exists(kPlayersBackup), "the player's backup was removed at start-up");

        QCOMPARE(::kill(static_cast<pid_t>(run().launcher.pid()), signalNumber), 0);
        QVERIFY2(run().launcher.waitForExit(), "the launcher did not end on the signal");
        QCOMPARE(run().launcher.exitCode(), 0);
        QVERIFY2(demo.rewrittenSinceBackdate(kSettingsFile), "the settings were not saved");
        QCOMPARE(demo.settings().lastDoomGame, QStringLiteral("DOOM II"));
        QVERIFY(!demo.exists(kStartupFile));
    }
};

QTEST_GUILESS_MAIN(TestTermination)
#include "tst_termination.moc"
