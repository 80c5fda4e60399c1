#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QFileSystemWatcher;
class QLockFile;
class QTimer;

namespace z3d {

// Turns away a second launcher. The first instance holds a lock file named from a hash of the
// key (the window title) and of the user's home folder, in a folder only the user can write
// (PrivateFolder); a second instance finds the lock taken, appends a line to the matching
// request file and exits; the first instance watches that file and emits raiseRequested(). A
// lock left by a crashed process is recognised as stale (its process is gone) and taken over.
// The request file is never opened through a link.
//
// Where no private folder can be had (another user took its name), the launcher runs as the
// first instance without these files rather than write where others can.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    // temporaryFolder replaces the system's temporary folder, and the user's runtime folder is
    // not used (tests).
    SingleInstance(const QString& key, const QString& temporaryFolder, QObject* parent = nullptr);
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

    // Empty when no private folder could be had.
    QString lockFilePath() const;
    QString requestFilePath() const;

signals:
    void raiseRequested();
    void acquired();

private:
    // Keeps the files in folder; none when it is empty.
    void useFolder(const QString& key, const QString& folder);
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
