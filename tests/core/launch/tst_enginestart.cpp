// The engine start with a scripted window: the launch log, the after-launch actions, the
// failure message and the order in which the window is asked to act.

#include "core/launch/EngineStart.h"
#include "core/launch/LaunchLog.h"
#include "core/launch/LaunchState.h"
#include "core/platform/FaultInjector.h"

#include "support/CurrentFolder.h"
#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProcesses.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

// Records what the engine start asked of the window, in order.
class FakeHost : public EngineStartHost
{
public:
    QStringList steps;

    void saveWindowPosition() override { steps << "position"; }
    void minimise() override { steps << "minimise"; }
    void showWindow() override { steps << "show"; }
    void hideAndUnloadAll() override { steps << "unload"; }
    void clearOptionChangeFlags() override { steps << "flags"; }
    void turnOffTemporaryBasicDoom() override { steps << "basic off"; }
};

const QString kLine = QStringLiteral(R"(Bin\Zorn3D -doom2 -sk 4 -wp 07 )");

} // namespace

class TestEngineStart : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void afterLaunchActions_data();
    void afterLaunchActions();
    void secondLaunchReplacesLog();
    void engineNotStarted();
    void unwritableLogDoesNotStopTheStart();
};

namespace {

// An engine start on a fresh installation, every service recording.
struct Fixture
{
    InstallTree tree;
    InstallPaths paths = tree.paths();
    RecordingProcesses processes;
    RecordingDialogs dialogs;
    FakeHost host;
    LaunchState launch;
    EngineStart engine{paths, processes, dialogs, host};
};

} // namespace

void TestEngineStart::afterLaunchActions_data()
{
    const DataTable<int, bool, QStringList> row("action", "temporaryBasicDoom", "steps");
    row("normal", 0, false, QStringList{"position", "flags"});
    row("minimised", 1, false, QStringList{"position", "minimise", "flags"});
    row("exit", 2, false, QStringList{"position", "flags", "unload"});
    row("exit after a Basic Doom launch", 2, true,
        QStringList{"position", "flags", "basic off", "unload"});
}

void TestEngineStart::afterLaunchActions()
{
    QFETCH(int, action);
    Fixture f;
    f.launch.launchPending = true;
    const CurrentFolder current(f.tree.binDir());
    QVERIFY(current.isSet());

    QFETCH(bool, temporaryBasicDoom);
    QVERIFY(f.engine.start(kLine, action, f.launch, temporaryBasicDoom));
    QFETCH(QStringList, steps);
    QCOMPARE(f.host.steps, steps);
    // The engine starts in the installation root; the launcher's own folder is left alone.
    QCOMPARE(QDir::currentPath(), f.tree.binDir());
    QCOMPARE(f.processes.calls().size(), 1);
    QCOMPARE(f.processes.calls().at(0).kind, RecordingProcesses::Kind::Start);
    QCOMPARE(f.processes.calls().at(0).commandLine, kLine);
    QCOMPARE(f.processes.calls().at(0).workingFolder, f.tree.root());
    QVERIFY(f.launch.launchPending);
    QVERIFY(f.dialogs.messages().isEmpty());
    QCOMPARE(f.tree.readFile("Z3DLaunch/launch.log"), kLine.toUtf8() + "\r\n");
}

void TestEngineStart::secondLaunchReplacesLog()
{
    Fixture f;
    const QString first =
        QStringLiteral(R"(Bin\Zorn3D -iwad "C:\My Iwads\Doom.wad" -sk 2 -wp 1 1 )");
    QVERIFY(f.engine.start(first, 0, f.launch, false));
    QVERIFY(f.engine.start(kLine, 0, f.launch, false));
    QCOMPARE(f.tree.readFile("Z3DLaunch/launch.log"), kLine.toUtf8() + "\r\n");
}

void TestEngineStart::engineNotStarted()
{
    Fixture f;
    f.processes.setStartsSucceed(false);
    f.launch.launchPending = true;

    QVERIFY(!f.engine.start(kLine, 1, f.launch, true));
    QCOMPARE(f.dialogs.messages().size(), 1);
    QCOMPARE(f.dialogs.messages().at(0).text, "Cannot execute! The command line was:\r\n" + kLine);
    QCOMPARE(f.dialogs.messages().at(0).title, QString());
    QCOMPARE(f.dialogs.messages().at(0).style, 0);
    QVERIFY(!f.launch.launchPending);
    QCOMPARE(f.host.steps, (QStringList{"position", "minimise", "flags", "show", "basic off"}));
    // The log keeps the line that failed.
    QCOMPARE(f.tree.readFile("Z3DLaunch/launch.log"), kLine.toUtf8() + "\r\n");
}

void TestEngineStart::unwritableLogDoesNotStopTheStart()
{
    Fixture f;
    const QString log = f.tree.addFile("Z3DLaunch/launch.log", "old\r\n");
    QCOMPARE(LaunchLog::path(f.paths), log);
    FaultInjector::fail(FileOperation::Write, log, ErrorNumber::PermissionDenied);
    QVERIFY(f.engine.start(kLine, 0, f.launch, false));
    QCOMPARE(f.processes.callsOf(RecordingProcesses::Kind::Start).size(), 1);
    QCOMPARE(f.tree.readFile("Z3DLaunch/launch.log"), QByteArray("old\r\n"));
}

Z3D_TEST_GUILESS_MAIN(TestEngineStart)
#include "tst_enginestart.moc"
