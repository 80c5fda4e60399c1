#include "core/platform/InstallationLock.h"

#include <QDir>
#include <QFile>
#include <QMutex>

#include <utility>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace z3d {

namespace {

QMutex g_installationMutex;
QString g_installation;

#if defined(Q_OS_WIN)

// A link (a reparse point) is opened as itself and then refused, never followed.
qintptr openLockFile(const QString& path)
{
    const HANDLE handle = ::CreateFileW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return -1;
    BY_HANDLE_FILE_INFORMATION information = {};
    if (!::GetFileInformationByHandle(handle, &information) ||
        (information.dwFileAttributes &
         (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        ::CloseHandle(handle);
        return -1;
    }
    return reinterpret_cast<qintptr>(handle);
}

bool lockFile(qintptr handle, bool exclusive, bool wait)
{
    OVERLAPPED start = {};
    const DWORD flags =
        (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0) | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    return ::LockFileEx(reinterpret_cast<HANDLE>(handle), flags, 0, 1, 0, &start) != 0;
}

void unlockFile(qintptr handle)
{
    OVERLAPPED start = {};
    ::UnlockFileEx(reinterpret_cast<HANDLE>(handle), 0, 1, 0, &start);
}

void closeFile(qintptr handle)
{
    ::CloseHandle(reinterpret_cast<HANDLE>(handle));
}

#else

// Opened for reading only, so that other players sharing the installation can lock it too; a
// link is not followed and a FIFO does not block the open.
qintptr openLockFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// flock(), not fcntl(): its locks belong to the open file, so two handles of one process
// exclude each other.
bool lockFile(qintptr handle, bool exclusive, bool wait)
{
    const int operation = (exclusive ? LOCK_EX : LOCK_SH) | (wait ? 0 : LOCK_NB);
    int result = 0;
    do {
        result = ::flock(static_cast<int>(handle), operation);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

void unlockFile(qintptr handle)
{
    ::flock(static_cast<int>(handle), LOCK_UN);
}

void closeFile(qintptr handle)
{
    ::close(static_cast<int>(handle));
}

#endif

} // namespace

const QString InstallationLock::kFileName = QStringLiteral(".z3dlock");

InstallationLock::InstallationLock(const QString& launcherDir)
    : m_handle(launcherDir.isEmpty() ? -1 : openLockFile(QDir(launcherDir).filePath(kFileName)))
{
}

InstallationLock::~InstallationLock()
{
    close();
}

InstallationLock::InstallationLock(InstallationLock&& other) noexcept
    : m_handle(std::exchange(other.m_handle, -1))
{
}

InstallationLock& InstallationLock::operator=(InstallationLock&& other) noexcept
{
    if (this != &other) {
        close();
        m_handle = std::exchange(other.m_handle, -1);
    }
    return *this;
}

void InstallationLock::lockShared()
{
    if (m_handle >= 0)
        lockFile(m_handle, false, true);
}

bool InstallationLock::tryLockExclusive()
{
    return m_handle >= 0 && lockFile(m_handle, true, false);
}

void InstallationLock::unlock()
{
    if (m_handle >= 0)
        unlockFile(m_handle);
}

void InstallationLock::setInstallation(const QString& launcherDir)
{
    const QMutexLocker locker(&g_installationMutex);
    g_installation = launcherDir;
}

InstallationLock InstallationLock::heldForWriting()
{
    QString launcherDir;
    {
        const QMutexLocker locker(&g_installationMutex);
        launcherDir = g_installation;
    }
    InstallationLock lock(launcherDir);
    lock.lockShared();
    return lock;
}

void InstallationLock::close()
{
    if (m_handle >= 0)
        closeFile(std::exchange(m_handle, -1));
}

} // namespace z3d
