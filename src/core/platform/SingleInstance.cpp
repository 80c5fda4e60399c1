#include "core/platform/SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QTimer>

namespace z3d {

namespace {

constexpr int kRetryMilliseconds = 200;

QString baseName(const QString& key)
{
    // The home folder keeps two users' launchers apart in a shared temporary folder.
    const QByteArray id = QCryptographicHash::hash((key + u'\n' + QDir::homePath()).toUtf8(),
                                                   QCryptographicHash::Sha1)
                              .toHex()
                              .left(20);
    return QStringLiteral("z3dlauncher-") + QString::fromLatin1(id);
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : SingleInstance(key, QDir::tempPath(), parent)
{
}

SingleInstance::SingleInstance(const QString& key, const QString& lockFolder, QObject* parent)
    : QObject(parent)
{
    const QString base = QDir(lockFolder).filePath(baseName(key));
    m_lockPath = base + QStringLiteral(".lock");
    m_requestPath = base + QStringLiteral(".raise");
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Only a lock whose process is gone is stale, however old: the first instance may run
    // for days.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_primary) {
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
    if (!m_lock->tryLock(0))
        return false;
    m_primary = true;
    if (m_retry)
        m_retry->stop();
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
    QFile request(m_requestPath);
    if (!request.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    return request.write(line) == line.size();
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
    QFile request(m_requestPath);
    if (request.open(QIODevice::WriteOnly | QIODevice::Truncate))
        request.close();
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
    QFile request(m_requestPath);
    const bool pending = request.exists() && request.size() > 0;
    if (pending) {
        // Emptied so the next request shows as a change again; the change this causes is
        // seen as an empty file and ignored.
        if (request.open(QIODevice::WriteOnly | QIODevice::Truncate))
            request.close();
    }
    // A file removed or replaced drops out of the watch list.
    if (!request.exists()) {
        if (request.open(QIODevice::WriteOnly))
            request.close();
    }
    if (!m_watcher->files().contains(m_requestPath))
        m_watcher->addPath(m_requestPath);
    if (pending)
        emit raiseRequested();
}

} // namespace z3d
