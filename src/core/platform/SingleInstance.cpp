#include "core/platform/SingleInstance.h"

#include "core/platform/PrivateFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QTimer>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace z3d {

namespace {

constexpr int kRetryMilliseconds = 200;

enum class RequestWrite
{
    Append,
    Empty
};

// Creates the request file when missing; never through a link planted under its name.
bool writeRequestFile(const QString& path, RequestWrite mode, const QByteArray& bytes = {})
{
#if defined(Q_OS_UNIX)
    const int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC |
                      (mode == RequestWrite::Append ? O_APPEND : O_TRUNC);
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0600);
    if (fd < 0)
        return false;
    struct stat status = {};
    bool written = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (written && !bytes.isEmpty())
        written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ::close(fd);
    return written;
#else
    QFile file(path);
    const QIODevice::OpenMode openMode =
        QIODevice::WriteOnly |
        (mode == RequestWrite::Append ? QIODevice::Append : QIODevice::Truncate);
    return file.open(openMode) && file.write(bytes) == bytes.size();
#endif
}

QString baseName(const QString& key)
{
    // The home folder keeps apart the launchers of one account run with different homes.
    const QByteArray id = QCryptographicHash::hash((key + u'\n' + QDir::homePath()).toUtf8(),
                                                   QCryptographicHash::Sha1)
                              .toHex()
                              .left(20);
    return QStringLiteral("z3dlauncher-") + QString::fromLatin1(id);
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent)
{
    useFolder(key, PrivateFolder::forUser(QDir::tempPath()));
}

SingleInstance::SingleInstance(const QString& key, const QString& temporaryFolder,
                               QObject* parent)
    : QObject(parent)
{
    useFolder(key, PrivateFolder::within(temporaryFolder));
}

void SingleInstance::useFolder(const QString& key, const QString& folder)
{
    if (folder.isEmpty()) {
        qWarning("Z3Dlauncher: no folder of this user's own for the single-instance lock: "
                 "another launcher of this user is not turned away");
        return;
    }
    const QString base = QDir(folder).filePath(baseName(key));
    m_lockPath = base + QStringLiteral(".lock");
    m_requestPath = base + QStringLiteral(".raise");
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Only a lock whose process is gone is stale, however old: the first instance may run
    // for days.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_primary && m_lock) {
        delete m_watcher;
        m_watcher = nullptr;
        QFile::remove(m_requestPath);
        m_lock->unlock();
    }
}

bool SingleInstance::tryAcquire()
{
    if (m_primary)
        return true;
    if (m_lock && !m_lock->tryLock(0))
        return false;
    m_primary = true;
    if (m_retry)
        m_retry->stop();
    if (m_lock)
        startWatching();
    return true;
}

void SingleInstance::acquireWhenFree()
{
    if (tryAcquire()) {
        emit acquired();
        return;
    }
    if (!m_retry) {
        m_retry = new QTimer(this);
        m_retry->setInterval(kRetryMilliseconds);
        connect(m_retry, &QTimer::timeout, this, [this] {
            if (tryAcquire())
                emit acquired();
        });
    }
    m_retry->start();
}

bool SingleInstance::isPrimary() const
{
    return m_primary;
}

bool SingleInstance::requestRaise()
{
    return m_lock && writeRequestFile(m_requestPath, RequestWrite::Append,
                                      QByteArray::number(QCoreApplication::applicationPid()) +
                                          '\n');
}

QString SingleInstance::lockFilePath() const
{
    return m_lockPath;
}

QString SingleInstance::requestFilePath() const
{
    return m_requestPath;
}

void SingleInstance::startWatching()
{
    writeRequestFile(m_requestPath, RequestWrite::Empty);
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this,
                &SingleInstance::onRequestFileChanged);
    }
    if (!m_watcher->files().contains(m_requestPath))
        m_watcher->addPath(m_requestPath);
}

void SingleInstance::onRequestFileChanged()
{
    const QFileInfo request(m_requestPath);
    const bool pending = request.isFile() && !request.isSymLink() && request.size() > 0;
    // Emptied so the next request shows as a change again; the change this causes is seen as
    // an empty file and ignored. A file removed or replaced drops out of the watch list, and is
    // made again.
    if (pending || !request.exists())
        writeRequestFile(m_requestPath, RequestWrite::Empty);
    if (!m_watcher->files().contains(m_requestPath))
        m_watcher->addPath(m_requestPath);
    if (pending)
        emit raiseRequested();
}

} // namespace z3d
