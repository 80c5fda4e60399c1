#include "core/platform/PrivateFolder.h"
#include "core/platform/SingleInstance.h"

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kTitle = QStringLiteral("Z3DLauncher v7.5  and  Zorn3D v2.2.20");
const QString kProtectedSymlinks = QStringLiteral("/proc/sys/fs/protected_symlinks");

// Turns the kernel's protection of links in sticky folders off for the object's life, so that
// following a planted link is up to the launcher alone; restores the setting afterwards.
class LinkProtectionOff
{
public:
    LinkProtectionOff()
    {
        m_saved = readSetting();
        m_off = m_saved == "0" || (!m_saved.isEmpty() && writeSetting("0"));
    }
    ~LinkProtectionOff()
    {
        if (m_off && m_saved != "0")
            writeSetting(m_saved);
    }
    bool isOff() const { return m_off; }

private:
    static QByteArray readSetting()
    {
        QFile file(kProtectedSymlinks);
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
    }
    static bool writeSetting(const QByteArray& value)
    {
        QFile file(kProtectedSymlinks);
        return file.open(QIODevice::WriteOnly) && file.write(value + '\n') > 0 && file.flush();
    }

    QByteArray m_saved;
    bool m_off = false;
};

// Runs plant in a child process as the user nobody; true when it succeeded there.
bool asNobody(const passwd& nobody, const std::function<bool()>& plant)
{
    const pid_t child = fork();
    if (child == 0) {
        const bool planted = ::setgroups(0, nullptr) == 0 && ::setgid(nobody.pw_gid) == 0 &&
                             ::setuid(nobody.pw_uid) == 0 && plant();
        _exit(planted ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

bool plantLink(const QString& target, const QString& link)
{
    const QByteArray linkName = QFile::encodeName(link);
    return ::symlink(QFile::encodeName(target).constData(), linkName.constData()) == 0;
}

// A folder everyone can write.
bool makeOpenFolder(const QString& folder)
{
    return ::mkdir(QFile::encodeName(folder).constData(), 0777) == 0 &&
           ::chmod(QFile::encodeName(folder).constData(), 0777) == 0;
}

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
    void anotherUsersLinksAreNotFollowed_data();
    void anotherUsersLinksAreNotFollowed();
    void runtimeFolderIsUsedOnlyWhenPrivate_data();
    void runtimeFolderIsUsedOnlyWhenPrivate();
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

// Another user of a shared, sticky temporary folder plants links under the names the player's
// launcher will use (anyone can compute them): the launcher still starts, and the file the
// links point to, the player's own, is neither emptied nor written. A second launcher of the
// player's is turned away as long as the player's own folder can be had.
void TestSingleInstance::anotherUsersLinksAreNotFollowed_data()
{
    const DataTable<QString, bool> row("planted", "turnedAway");
    row("hand-over file linked", "hand-over", true);
    row("lock file linked", "lock", true);
    row("private folder's name linked to the other user's folder", "folder link", false);
    row("private folder's name taken by the other user's folder", "folder", false);
}

void TestSingleInstance::anotherUsersLinksAreNotFollowed()
{
    QFETCH(QString, planted);
    QFETCH(bool, turnedAway);
    if (::geteuid() != 0)
        QSKIP("needs root, to plant the links as another user");
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody)
        QSKIP("needs the user nobody, to plant the links");
    const LinkProtectionOff unprotected;
    if (!unprotected.isOff())
        QSKIP("fs.protected_symlinks cannot be turned off here: the kernel itself would refuse "
              "to follow the links");

    QTemporaryDir base;
    QVERIFY(::chmod(QFile::encodeName(base.path()).constData(), 0755) == 0);
    const QString shared = QDir(base.path()).filePath("tmp");
    QVERIFY(QDir().mkdir(shared) && ::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    const QString players = QDir(base.path()).filePath("players-file.txt");
    const QByteArray playersBytes = "the player's own\n";
    {
        QFile file(players);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(playersBytes) > 0);
    }
    // The names as the other user computes them.
    QTemporaryDir elsewhere;
    const SingleInstance named(kTitle, elsewhere.path());
    const QStringList fileNames = {QFileInfo(named.lockFilePath()).fileName(),
                                   QFileInfo(named.requestFilePath()).fileName()};
    const QString privateName = QFileInfo(named.lockFilePath()).dir().dirName();
    const QString nobodys = QDir(shared).filePath("nobodys");
    const QString privateFolder = QDir(shared).filePath(privateName);

    QVERIFY(asNobody(*nobody, [&] {
        if (planted == "hand-over")
            return plantLink(players, QDir(shared).filePath(fileNames.at(1)));
        if (planted == "lock")
            return plantLink(players, QDir(shared).filePath(fileNames.at(0)));
        const QString folder = planted == "folder" ? privateFolder : nobodys;
        bool done = makeOpenFolder(folder);
        for (const QString& name : fileNames)
            done = done && plantLink(players, QDir(folder).filePath(name));
        return done && (planted == "folder" || plantLink(nobodys, privateFolder));
    }));

    SingleInstance first(kTitle, shared);
    QVERIFY(first.tryAcquire());
    SingleInstance second(kTitle, shared);
    QCOMPARE(!second.tryAcquire(), turnedAway);
    second.requestRaise();
    QFile file(players);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), playersBytes);
}

// The user's runtime folder holds the files when it is the user's alone; otherwise a folder of
// the user's own in the temporary folder does.
void TestSingleInstance::runtimeFolderIsUsedOnlyWhenPrivate_data()
{
    const DataTable<QString, bool> row("runtime", "used");
    row("private", "private", true);
    row.alike({{"unset", ""},
               {"missing", "missing"},
               {"writable by the group", "group"},
               {"another user's", "other user's"},
               {"a link to a private folder", "link"}},
              false);
}

void TestSingleInstance::runtimeFolderIsUsedOnlyWhenPrivate()
{
    const auto [runtime, used] = fetchRow<QString, bool>("runtime", "used");
    QTemporaryDir dir;
    const QString temporary = QDir(dir.path()).filePath("tmp");
    const QString folder = QDir(dir.path()).filePath("run");
    QVERIFY(QDir().mkdir(temporary) && QDir().mkdir(folder));
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0700) == 0);
    QString given = folder;
    if (runtime == "missing") {
        given = QDir(dir.path()).filePath("gone");
    } else if (runtime == "group") {
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0770) == 0);
    } else if (runtime == "other user's") {
        const passwd* nobody = ::getpwnam("nobody");
        if (::geteuid() != 0 || !nobody)
            QSKIP("needs root and the user nobody, to give the folder away");
        QVERIFY(::chown(QFile::encodeName(folder).constData(), nobody->pw_uid, 0) == 0);
    } else if (runtime == "link") {
        given = QDir(dir.path()).filePath("run-link");
        QVERIFY(QFile::link(folder, given));
    } else if (runtime.isEmpty()) {
        given.clear();
    }
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(given));
    const QString chosen = PrivateFolder::forUser(temporary);
    qputenv("XDG_RUNTIME_DIR", saved);

    QCOMPARE(chosen, used ? folder : PrivateFolder::within(temporary));
    QVERIFY(!chosen.isEmpty());
}

Z3D_TEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
