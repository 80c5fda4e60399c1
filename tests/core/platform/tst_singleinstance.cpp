#include "core/platform/SingleInstance.h"

#include "support/TestRegistry.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace z3d;

namespace {

const QString kTitle = QStringLiteral("Z3DLauncher v7.5  and  Zorn3D v2.2.20");

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceIsTurnedAway();
    void differentTitlesDoNotCollide();
    void raiseRequestReachesFirstInstance();
    void staleLockIsTakenOver();
    void relaunchWaitsForOldInstance();
};

void TestSingleInstance::secondInstanceIsTurnedAway()
{
    QTemporaryDir dir;
    SingleInstance first(kTitle, dir.path());
    QVERIFY(first.tryAcquire());
    QVERIFY(first.isPrimary());
    SingleInstance second(kTitle, dir.path());
    QVERIFY(!second.tryAcquire());
    QVERIFY(!second.isPrimary());
    QCOMPARE(second.lockFilePath(), first.lockFilePath());
}

void TestSingleInstance::differentTitlesDoNotCollide()
{
    QTemporaryDir dir;
    SingleInstance first(kTitle, dir.path());
    SingleInstance other(QStringLiteral("Z3DLauncher v7.6  and  Zorn3D v2.2.20"), dir.path());
    QVERIFY(first.tryAcquire());
    QVERIFY(other.tryAcquire());
}

void TestSingleInstance::raiseRequestReachesFirstInstance()
{
    QTemporaryDir dir;
    SingleInstance first(kTitle, dir.path());
    QVERIFY(first.tryAcquire());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    SingleInstance second(kTitle, dir.path());
    QVERIFY(!second.tryAcquire());
    QVERIFY(second.requestRaise());
    QVERIFY(raised.wait(20000));
    QCOMPARE(raised.count(), 1);

    // A later request is seen again.
    SingleInstance third(kTitle, dir.path());
    QVERIFY(third.requestRaise());
    QTRY_COMPARE_WITH_TIMEOUT(raised.count(), 2, 20000);
}

void TestSingleInstance::staleLockIsTakenOver()
{
    QTemporaryDir dir;
    SingleInstance probe(kTitle, dir.path());
    // A lock left by a process that no longer runs (QLockFile's format: pid, name, host).
    QFile lock(probe.lockFilePath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\nZ3Dlauncher\n\n");
    lock.close();
    QVERIFY(probe.tryAcquire());
}

void TestSingleInstance::relaunchWaitsForOldInstance()
{
    QTemporaryDir dir;
    auto old = std::make_unique<SingleInstance>(kTitle, dir.path());
    QVERIFY(old->tryAcquire());

    SingleInstance relaunched(kTitle, dir.path());
    QSignalSpy acquired(&relaunched, &SingleInstance::acquired);
    relaunched.acquireWhenFree();
    QVERIFY(!relaunched.isPrimary());
    QCOMPARE(acquired.count(), 0);

    old.reset();
    QVERIFY(acquired.wait(20000));
    QVERIFY(relaunched.isPrimary());
}

Z3D_TEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
