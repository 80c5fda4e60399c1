// The engine start with a scripted window: the launch log, the after-launch actions, the
// failure message and the order in which the window is asked to act.

#include "core/launch/EngineStart.h"
#include "core/launch/LaunchLog.h"
#include "core/launch/LaunchState.h"
#include "core/platform/FaultInjector.h"

#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProcesses.h"

#include <QDir>
#include <QTest>

using namespace z3d;
using z3d::test::InstallTree;
using z3d::test::RecordingDialogs;
using z3d::test::RecordingProcesses;

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
    void initTestCase() { m_oldCurrent = QDir::currentPath(); }
    void cleanup()
    {
        FaultInjector::clear();
        QDir::setCurrent(m_oldCurrent);
    }

    void afterLaunchActions_data();
    void afterLaunchActions();
    void secondLaunchReplacesLog();
    void engineNotStarted();
    void unwritableLogDoesNotStopTheStart();

private:
    QString m_oldCurrent;
};

void TestEngineStart::afterLaunchActions_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("temporaryBasicDoom");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("normal") << 0 << false << QStringList{"position", "flags"};
    QTest::newRow("minimised") << 1 << false << QStringList{"position", "minimise", "flags"};
    QTest::newRow("exit") << 2 << false << QStringList{"position", "flags", "unload"};
    QTest::newRow("exit after a Basic Doom launch")
        << 2 << true << QStringList{"position", "flags", "basic off", "unload"};
}

void TestEngineStart::afterLaunchActions()
{
    QFETCH(int, action);
    InstallTree tree;
    QVERIFY(tree.isValid());
    const InstallPaths paths = tree.paths();
    RecordingProcesses processes;
    RecordingDialogs dialogs;
    FakeHost host;
    LaunchState launch;
    launch.launchPending = true;
    QDir::setCurrent(tree.binDir());

    EngineStart engine(paths, processes, dialogs, host);
    QFETCH(bool, temporaryBasicDoom);
    QVERIFY(engine.start(kLine, action, launch, temporaryBasicDoom));
    QFETCH(QStringList, steps);
    QCOMPARE(host.steps, steps);
    // The engine starts in the installation root; the launcher's own folder is left alone.
    QCOMPARE(QDir::currentPath(), tree.binDir());
    QCOMPARE(processes.calls().size(), 1);
    QCOMPARE(processes.calls().at(0).kind, RecordingProcesses::Kind::Start);
    QCOMPARE(processes.calls().at(0).commandLine, kLine);
    QCOMPARE(processes.calls().at(0).workingFolder, tree.root());
    QVERIFY(launch.launchPending);
    QVERIFY(dialogs.messages().isEmpty());
    QCOMPARE(tree.readFile("Z3DLaunch/launch.log"), kLine.toUtf8() + "\r\n");
}

void TestEngineStart::secondLaunchReplacesLog()
{
    InstallTree tree;
    QVERIFY(tree.isValid());
    const InstallPaths paths = tree.paths();
    RecordingProcesses processes;
    RecordingDialogs dialogs;
    FakeHost host;
    LaunchState launch;
    EngineStart engine(paths, processes, dialogs, host);
    QVERIFY(engine.start(R"(Bin\Zorn3D -iwad "C:\My Iwads\Doom.wad" -sk 2 -wp 1 1 )", 0, launch,
                         false));
    QVERIFY(engine.start(kLine, 0, launch, false));
    QCOMPARE(tree.readFile("Z3DLaunch/launch.log"), kLine.toUtf8() + "\r\n");
}

void TestEngineStart::engineNotStarted()
{
    InstallTree tree;
    QVERIFY(tree.isValid());
    const InstallPaths paths = tree.paths();
    RecordingProcesses processes;
    processes.setStartsSucceed(false);
    RecordingDialogs dialogs;
    FakeHost host;
    LaunchState launch;
    launch.launchPending = true;
    EngineStart engine(paths, processes, dialogs, host);

    QVERIFY(!engine.start(kLine, 1, launch, true));
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().at(0).text, "Cannot execute! The command line was:\r\n" + kLine);
    QCOMPARE(dialogs.messages().at(0).title, QString());
    QCOMPARE(dialogs.messages().at(0).style, 0);
    QVERIFY(!launch.launchPending);
    QCOMPARE(host.steps, (QStringList{"position", "minimise", "flags", "show", "basic off"}));
    // The log keeps the line that failed.
    QCOMPARE(tree.readFile("Z3DLaunch/launch.log"), kLine.toUtf8() + "\r\n");
}

void TestEngineStart::unwritableLogDoesNotStopTheStart()
{
    InstallTree tree;
    QVERIFY(tree.isValid());
    const InstallPaths paths = tree.paths();
    const QString log = tree.addFile("Z3DLaunch/launch.log", "old\r\n");
    QCOMPARE(LaunchLog::path(paths), log);
    FaultInjector::fail(FileOperation::Write, log, ErrorNumber::PermissionDenied);
    RecordingProcesses processes;
    RecordingDialogs dialogs;
    FakeHost host;
    LaunchState launch;
    EngineStart engine(paths, processes, dialogs, host);
    QVERIFY(engine.start(kLine, 0, launch, false));
    QCOMPARE(processes.callsOf(RecordingProcesses::Kind::Start).size(), 1);
    QCOMPARE(tree.readFile("Z3DLaunch/launch.log"), QByteArray("old\r\n"));
}

QTEST_GUILESS_MAIN(TestEngineStart)
#include "tst_enginestart.moc"
