// The checker interface end to end: the real Z3DgFiles, copied into an installation's bin,
// run through the desktop process service on WAD files and save games built byte for byte.

#include "core/inspect/CheckerTool.h"
#include "gui/services/DesktopProcesses.h"

#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProgress.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestCheckerRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { QDir::setCurrent(m_oldCurrent); }
    void init();

    void mapCount_data();
    void mapCount();
    void saveHeaders();
    void concurrentChecksEqualSequentialOnes();
    void unchangedWadIsNotCheckedAgain();
    void manyChecksAreCountedUntilTheLauncherEnds();

private:
    std::unique_ptr<InstallTree> m_tree;
    InstallPaths m_paths;
    QString m_oldCurrent;
};

void TestCheckerRun::initTestCase()
{
    m_oldCurrent = QDir::currentPath();
    QVERIFY(QFileInfo(Z3D_BIN_DIR "/Z3DgFiles").isExecutable());
}

void TestCheckerRun::init()
{
    m_tree = std::make_unique<InstallTree>();
    QVERIFY(m_tree->isValid());
    // The installation's folder is spelled "bin"; the tool is run in "Bin".
    QVERIFY(!m_tree->addBuiltProgram("Z3DgFiles").isEmpty());
    m_paths = m_tree->paths();
}

void TestCheckerRun::mapCount_data()
{
    QTest::addColumn<QString>("wadName");
    QTest::addColumn<QList<QByteArray>>("markers");
    QTest::addColumn<int>("code");
    QList<QByteArray> twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QStringLiteral("MAP%1").arg(i, 2, 10, QChar(u'0')).toLatin1();
    QTest::newRow("twelve maps") << "Z3DGames/Set/Pwads/set.wad" << twelve << 112;
    QTest::newRow("one map") << "Z3DGames/Ep/Pwads/ep.wad" << QList<QByteArray>{"E1M1"} << 101;
    QTest::newRow("no maps") << "Z3DGames/Res/Pwads/res.wad" << QList<QByteArray>{} << 100;
    QTest::newRow("blanks and quotes in the path")
        << "Z3DGames/Odd Name/Pwads/my \"best\" maps.wad" << QList<QByteArray>{"MAP07"} << 101;
}

void TestCheckerRun::mapCount()
{
    const auto [wadName, markers] = fetchRow<QString, QList<QByteArray>>("wadName", "markers");
    const QString wad = m_tree->addFile(wadName, wadWithMaps(markers));
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs);
    CheckerTool tool(m_paths, processes);

    QFETCH(int, code);
    QCOMPARE(tool.checkWadMapCount(wad), code);
    const WadMapList list = tool.loadWadMapList(wad);
    QVERIFY(dialogs.messages().isEmpty());
    QVERIFY(!list.outputEmpty);
    QStringList expected;
    for (const QByteArray& marker : markers)
        expected << QString::fromLatin1(marker);
    QCOMPARE(list.mapNames, expected);
    QCOMPARE(list.hasMaps(), !markers.isEmpty());
    // Three header items, one per map, and the empty item of the output's last line end.
    QCOMPARE(list.wadCheckList.size(), 3 + markers.size() + 1);
    if (markers.isEmpty())
        QCOMPARE(list.wadCheckList.at(3), QString());
    QCOMPARE(m_tree->readFile("Z3DLaunch/Data/pwad.z3d"), list.output.toUtf8() + "\r\n");
}

void TestCheckerRun::saveHeaders()
{
    m_tree->addFile("Z3DGames/Set/savegame/Zorn3DSav3.z3dsg", saveGame("Reactor, second try"));
    m_tree->addFile("Z3DGames/Set/savegame/Zorn3DSav5.z3dsg", saveGame(""));
    m_tree->addFile("Z3DGames/Set/savegame/Zorn3DSav1.z3dsg", saveGame("Entry hall"));
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs);
    CheckerTool tool(m_paths, processes);

    const SaveHeaderList saves = tool.loadSaveHeaders(m_tree->path("Z3DGames/Set/savegame"));
    QCOMPARE(saves.entries, (QStringList{"1 - Entry hall", "3 - Reactor, second try"}));
    QCOMPARE(m_tree->readFile("Z3DLaunch/Data/pwad.z3d"), saves.output.toUtf8() + "\r\n");

    m_tree->addFolder("Z3DGames/Empty/savegame");
    QVERIFY(tool.loadSaveHeaders(m_tree->path("Z3DGames/Empty/savegame")).entries.isEmpty());
    QVERIFY(dialogs.messages().isEmpty());
}

void TestCheckerRun::concurrentChecksEqualSequentialOnes()
{
    // Wads of different sizes, one missing and one damaged, so the answers differ in content
    // and in how long the tool takes.
    QStringList wads;
    for (int i = 0; i < 9; ++i) {
        QList<QByteArray> markers;
        for (int m = 1; m <= (i * 7) % 23; ++m)
            markers << QStringLiteral("MAP%1").arg(m, 2, 10, QChar(u'0')).toLatin1();
        wads << m_tree->addFile(QStringLiteral("Z3DGames/Big/Pwads/w%1.wad").arg(i),
                                wadWithMaps(markers));
    }
    wads.insert(3, m_tree->path("Z3DGames/Big/Pwads/missing.wad"));
    wads.insert(6, m_tree->addFile("Z3DGames/Big/Pwads/damaged.wad", "PWAD\xff\xff\xff\x7f"));
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs);

    CheckerTool sequential(m_paths, processes);
    QList<int> expected;
    for (const QString& wad : std::as_const(wads))
        expected << sequential.checkWadMapCount(wad);
    const QByteArray lastFile = m_tree->readFile("Z3DLaunch/Data/pwad.z3d");
    QVERIFY(m_tree->removeFile("Z3DLaunch/Data/pwad.z3d"));

    CheckerTool concurrent(m_paths, processes);
    QCOMPARE(concurrent.checkWadMapCounts(wads), expected);
    QCOMPARE(concurrent.lastOutput(), sequential.lastOutput());
    QCOMPARE(m_tree->readFile("Z3DLaunch/Data/pwad.z3d"), lastFile);
    QVERIFY(dialogs.messages().isEmpty());
}

void TestCheckerRun::unchangedWadIsNotCheckedAgain()
{
    const QString wad = m_tree->addFile("Z3DGames/Ep/Pwads/ep.wad", wadWithMaps({"E1M1"}));
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs);
    CheckerTool tool(m_paths, processes);
    QCOMPARE(tool.checkWadMapCounts({wad}), QList<int>{101});

    // Without the tool, only a kept answer can give the map.
    QVERIFY(m_tree->removeFile("bin/Z3DgFiles"));
    QCOMPARE(tool.loadWadMapList(wad).mapNames, QStringList{"E1M1"});
    QCOMPARE(tool.checkWadMapCounts({wad, wad}), (QList<int>{101, 101}));

    // A changed wad is asked about again, and the missing tool answers nothing.
    QFile file(wad);
    QVERIFY(file.open(QIODevice::Append) && file.write("more") == 4);
    file.close();
    QCOMPARE(tool.checkWadMapCount(wad), 10);
    QVERIFY(!dialogs.messages().isEmpty());
}

namespace {

// A progress during which the launcher is asked to end, after a number of checks.
class EndingProgress : public RecordingProgress
{
public:
    EndingProgress(DesktopProcesses& processes, qint64 endAfter)
        : m_processes(processes), m_endAfter(endAfter)
    {
    }
    void advanceCount(const QString& text, qint64 done) override
    {
        RecordingProgress::advanceCount(text, done);
        if (done == m_endAfter)
            m_processes.stopWaiting();
    }

private:
    DesktopProcesses& m_processes;
    qint64 m_endAfter;
};

} // namespace

// A check of many wads counts them as they finish; once the launcher is ending, the checks
// not yet made are not made, and nothing more is run.
void TestCheckerRun::manyChecksAreCountedUntilTheLauncherEnds()
{
    QStringList wads;
    for (int i = 0; i < 40; ++i)
        wads << m_tree->addFile(QStringLiteral("Z3DLaunch/Zips/w%1.wad").arg(i),
                                wadWithMaps({"MAP01"}));
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs);
    EndingProgress progress(processes, 10);
    CheckerTool tool(m_paths, processes, &progress);

    const QList<int> codes = tool.checkWadMapCounts(wads);
    QCOMPARE(progress.titles(), QStringList{CheckerTool::kCheckingTitle});
    QCOMPARE(progress.total(), qint64(40));
    QCOMPARE(progress.open(), 0);
    QCOMPARE(progress.steps().size(), 10);
    for (qsizetype i = 0; i < progress.steps().size(); ++i) {
        QCOMPARE(progress.steps().at(i).doneBytes, qint64(i + 1));
        QCOMPARE(progress.steps().at(i).fileName, CheckerTool::checkingText(i + 1, 40));
    }
    QCOMPARE(codes.mid(0, 10), QList<int>(10, 101));
    QCOMPARE(codes.mid(10), QList<int>(30, 10));
    QCOMPARE(tool.checkWadMapCount(wads.last()), 10);
    QVERIFY(dialogs.messages().isEmpty());
}

Z3D_TEST_MAIN(TestCheckerRun)
#include "tst_checkerrun.moc"
