// The built launcher asked by the system to end (a logout, a hang-up, Ctrl+C): it ends as if
// its window were closed, also while a notice, a long check or an extraction waits, and a
// start-up clears what an earlier killed run left behind.

#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFileInfo>
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

// The ids of the running processes whose program is executable.
QList<qint64> processesRunning(const QString& executable)
{
    QList<qint64> ids;
    const QString wanted = QFileInfo(executable).canonicalFilePath();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isId = false;
        const qint64 id = entry.toLongLong(&isId);
        if (isId && QFileInfo(QStringLiteral("/proc/%1/exe").arg(entry)).symLinkTarget() == wanted)
            ids << id;
    }
    return ids;
}

// Writes Z3DArchives/Heap.zip, twenty thousand wads of extra bytes each, and remembers it as the
// zip library's entry: the start-up extracts it and checks its wads, which takes a while.
bool rememberHeapZip(DemoInstallation& demo, int extra)
{
    QList<std::pair<QByteArray, QByteArray>> members;
    const QByteArray wad = wadWithMaps({"MAP01"}) + QByteArray(extra, 'x');
    for (int i = 0; i < 20000; ++i)
        members.append({QByteArray::number(i).rightJustified(5, '0') + ".wad", wad});
    LauncherSettings settings = ProgramScenario::quietSettings();
    settings.advancedOptions = true; // offers the zip library's view
    settings.gamesListView = 2;
    settings.lastZipLibraryEntry = QStringLiteral("Heap");
    return writeZip(demo.path(QStringLiteral("Z3DArchives/Heap.zip")), members) &&
           demo.writeSettings(settings);
}

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

    // A zip of twenty thousand small wads takes long to check: the launcher shows how far it
    // has got, and a signal meanwhile ends it without waiting for the rest.
    void signalDuringTheCheckOfAHugeZipEndsTheLauncher()
    {
        QVERIFY(rememberHeapZip(run().demo, 0));

        // The check follows the extraction of every wad, which takes a while on a busy machine.
        QString progress = run().startLauncher(QStringLiteral(" Checking"));
        for (int wait = 0; wait < 4 && progress.isEmpty() && run().launcher.isRunning(); ++wait)
            progress = run().session.waitForWindow(QStringLiteral(" Checking"));
        QVERIFY2(!progress.isEmpty(), "no progress of the check was shown");
        QCOMPARE(::kill(static_cast<pid_t>(run().launcher.pid()), SIGTERM), 0);
        QVERIFY2(run().launcher.waitForExit(), "the launcher did not end on the signal");
        QCOMPARE(run().launcher.exitCode(), 0);
    }

    // A zip of many wads takes a while to extract: a signal meanwhile stops the extraction,
    // which leaves no member and no temporary of it behind, and ends the launcher.
    void signalDuringAnExtractionLeavesNothingOfIt()
    {
        DemoInstallation& demo = run().demo;
        QVERIFY(rememberHeapZip(demo, 8192));

        QVERIFY2(run().launcher.start(), qPrintable(run().launcher.output()));
        const QString progress =
            run().session.waitForWindow(QStringLiteral(" Extracting"), run().launcher.pid());
        QVERIFY2(!progress.isEmpty(), "no progress of the extraction was shown");
        QCOMPARE(::kill(static_cast<pid_t>(run().launcher.pid()), SIGTERM), 0);
        QVERIFY2(run().launcher.waitForExit(), "the launcher did not end on the signal");
        QCOMPARE(run().launcher.exitCode(), 0);
        const QStringList left = demo.folderEntries(QStringLiteral("Z3DLaunch/Zips"));
        QVERIFY2(left.isEmpty(), qPrintable(QString::number(left.size()) + " files were left"));
    }

    // Asked to end while the configuration-error notice waits for the player: the launcher
    // ends there, and no launcher starts again in its place.
    void signalDuringTheConfigurationNoticeEndsWithoutARestart()
    {
        DemoInstallation& demo = run().demo;
        QVERIFY(demo.writeSettings(ProgramScenario::quietSettings()));
        QByteArray config = demo.readFile(kSettingsFile);
        QList<QByteArray> lines = config.split('\n');
        lines[4] = "abc\r"; // no number where the fifth line wants one
        QVERIFY(demo.writeFile(kSettingsFile, lines.join('\n')));

        const QString notice = run().startLauncher(QStringLiteral(" Configuration error detected"));
        QVERIFY2(!notice.isEmpty(), qPrintable(run().launcher.output()));
        QCOMPARE(::kill(static_cast<pid_t>(run().launcher.pid()), SIGTERM), 0);
        QVERIFY2(run().launcher.waitForExit(), "the launcher did not end on the signal");
        QCOMPARE(run().launcher.exitCode(), 0);
        // A relaunch would have been started before the launcher ended.
        const QList<qint64> restarted =
            processesRunning(demo.path(QStringLiteral("bin/Z3Dlauncher")));
        for (const qint64 id : restarted)
            ::kill(static_cast<pid_t>(id), SIGKILL);
        QVERIFY2(restarted.isEmpty(), "a launcher was started again");
    }
};

Z3D_TEST_GUILESS_MAIN(TestTermination)
#include "tst_termination.moc"
