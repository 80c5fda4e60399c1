#pragma once

#include <QString>
#include <QtGlobal>

namespace z3d {

// The lock that the launchers of one installation share, whatever user runs them and whatever
// temporary folder they were given: a file of its own in the installation's Z3DLaunch folder,
// never removed. A launcher holds it shared while temporaries of its own exist in the
// installation's folders (an extraction, a file being replaced, the write-permission probe);
// the start-up sweep holds it exclusively while it removes temporaries from a folder, so that
// what it finds there belongs to no running launcher, whatever its date. A launcher that dies
// releases what it held with its process.
//
// Each object has a handle of its own: two objects of one process exclude each other as two
// processes do (the sweep's thread and this launcher's own extraction). A link or anything but
// a plain file planted under the lock's name is not used. Where the file cannot be opened (a
// folder the player cannot write) the object holds nothing: lockShared() returns at once, as
// the write it guards fails on its own, and tryLockExclusive() fails, so nothing is swept.
class InstallationLock
{
public:
    static const QString kFileName;

    // Holds nothing.
    InstallationLock() = default;
    // The lock of the installation whose Z3DLaunch folder is launcherDir, not held yet.
    explicit InstallationLock(const QString& launcherDir);
    ~InstallationLock();
    InstallationLock(InstallationLock&& other) noexcept;
    InstallationLock& operator=(InstallationLock&& other) noexcept;
    InstallationLock(const InstallationLock&) = delete;
    InstallationLock& operator=(const InstallationLock&) = delete;

    // Waits until no sweep holds the lock, then holds it shared. A sweep holds it for one
    // folder at a time, never while it waits for anything.
    void lockShared();
    // Holds the lock exclusively when nobody else holds it; false at once otherwise.
    bool tryLockExclusive();
    void unlock();

    // The installation whose lock this process's writers take, set at start-up once its
    // paths are known; empty (nothing held) until then.
    static void setInstallation(const QString& launcherDir);
    // The lock of that installation, held shared until the object goes.
    static InstallationLock heldForWriting();

private:
    void close();

    qintptr m_handle = -1;
};

} // namespace z3d
