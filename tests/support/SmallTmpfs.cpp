#include "support/SmallTmpfs.h"

#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace z3d::test {

namespace {

QString systemError(const char* step)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(step),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

// Enters a mount namespace of the process's own, whose mounts stay private to it. Empty on
// success, else the reason.
QString enterMountNamespace()
{
    if (geteuid() != 0)
        return QStringLiteral("not root");
    if (unshare(CLONE_NEWNS) != 0)
        return systemError("unshare(CLONE_NEWNS)");
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return systemError("making the mounts private");
    return QString();
}

const char kRerunVariable[] = "Z3D_TEST_IN_USER_NAMESPACE";

// Writes pieces of size bytes until the file system refuses one; false on any other error.
bool writeUntilFull(int fd, size_t size)
{
    const QByteArray piece(qsizetype(size), 'f');
    for (;;) {
        const ssize_t written = ::write(fd, piece.constData(), size);
        if (written < 0)
            return errno == ENOSPC;
        if (size_t(written) < size)
            return true; // the next write of this piece would be refused
    }
}

} // namespace

SmallTmpfs::Rerun SmallTmpfs::rerun()
{
    Rerun result;
    if (qEnvironmentVariableIsSet(kRerunVariable))
        return result;
    QString testCase = QString::fromLatin1(QTest::currentTestFunction());
    if (const char* tag = QTest::currentDataTag())
        testCase += u':' + QString::fromLatin1(tag);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kRerunVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("unshare"),
                {QStringLiteral("--user"), QStringLiteral("--map-root-user"),
                 QStringLiteral("--mount"), QCoreApplication::applicationFilePath(),
                 runningTestName(), testCase});
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit)
        return result;
    result.output = QString::fromLocal8Bit(child.readAll());
    // unshare itself failing (no user namespaces here), or a test that skipped there too, is
    // no run of the test.
    if (result.output.startsWith(QLatin1String("unshare:")) ||
        result.output.contains(QLatin1String("SKIP   :")))
        return result;
    result.ran = true;
    result.passed = child.exitCode() == 0;
    return result;
}

SmallTmpfs::SmallTmpfs(int kibibytes)
{
    if (!m_dir.isValid()) {
        m_why = QStringLiteral("no temporary folder for the mount point");
        return;
    }
    m_why = enterMountNamespace();
    if (!m_why.isEmpty())
        return;
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0700";
    if (mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
              options.constData()) != 0) {
        m_why = systemError("mounting a tmpfs");
        return;
    }
    m_mounted = true;
}

SmallTmpfs::~SmallTmpfs()
{
    if (m_mounted)
        umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString SmallTmpfs::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

bool SmallTmpfs::fill()
{
    const int fd = ::open(QFile::encodeName(path(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return false;
    // Large pieces first, then single bytes to the very last one.
    bool full = writeUntilFull(fd, 64 * 1024) && writeUntilFull(fd, 4096) && writeUntilFull(fd, 1);
    full = ::write(fd, "f", 1) < 0 && errno == ENOSPC && full;
    ::close(fd);
    return full;
}

bool SmallTmpfs::unfill()
{
    return QFile::remove(path(QStringLiteral("filler")));
}

} // namespace z3d::test
