#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QFileSystemWatcher;
class QLockFile;
class QTimer;

namespace z3d {

// Turns away a second launcher. The first instance holds a lock file named from a hash of the
// key (the window title) and of the user's home folder, in the temporary folder; a second
// instance finds the lock taken, appends a line to the matching request file and exits; the
// first instance watches that file and emits raiseRequested(). A lock left by a crashed process
// is recognised as stale (its process is gone) and taken over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    // lockFolder replaces the temporary folder (tests).
    SingleInstance(const QString& key, const QString& lockFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process now holds the lock (no other instance runs); it then watches for
    // raise requests. False when another live instance holds it.
    bool tryAcquire();
    // For a relaunch while the old instance may still be closing: takes the lock now if it is
    // free, else keeps retrying from the event loop until it is. Emits acquired() once held.
    void acquireWhenFree();
    bool isPrimary() const;
    // Asks the instance holding the lock to raise its window. False when the request could
    // not be written.
    bool requestRaise();

    QString lockFilePath() const;
    QString requestFilePath() const;

signals:
    void raiseRequested();
    void acquired();

private:
    void startWatching();
    void onRequestFileChanged();

    QString m_lockPath;
    QString m_requestPath;
    std::unique_ptr<QLockFile> m_lock;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_retry = nullptr;
    bool m_primary = false;
};

} // namespace z3d
