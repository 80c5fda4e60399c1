#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace z3d::test {

// A small tmpfs of the test's own, to meet a full disk for real. As root the test process
// enters a private mount namespace and mounts it there; the mount goes with the process. A
// process that is not root cannot (it has threads, so it cannot enter a user namespace): its
// test runs again through rerun() as root of a user and mount namespace of its own.
class SmallTmpfs
{
public:
    // The outcome of the current test function and row run again in a child process that is
    // root in a user and mount namespace of its own (unshare(1)). ran is false when no such
    // namespace could be made, or when this process is that child already.
    struct Rerun
    {
        bool ran = false;
        bool passed = false;
        QString output;
    };
    static Rerun rerun();

    explicit SmallTmpfs(int kibibytes = 256);
    ~SmallTmpfs();
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool isMounted() const { return m_mounted; }
    // Why it could not be mounted (for QSKIP).
    QString why() const { return m_why; }
    // The mount point, or a path under it.
    QString path(const QString& relative = QString()) const;
    // Fills the file system to its last byte with the file "filler": true once a one-byte
    // write was refused for want of room.
    bool fill();
    // Gives the filler's room back.
    bool unfill();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};

} // namespace z3d::test

// Opens a test function that meets a full disk: declares the mounted SmallTmpfs disk. Where
// none can be mounted, the function ends with the outcome of its rerun(), or is skipped.
#define Z3D_SMALL_TMPFS(disk)                                                                      \
    z3d::test::SmallTmpfs disk;                                                                    \
    if (!disk.isMounted()) {                                                                       \
        const z3d::test::SmallTmpfs::Rerun rerun = z3d::test::SmallTmpfs::rerun();                 \
        if (rerun.ran) {                                                                           \
            QVERIFY2(rerun.passed, qPrintable(rerun.output));                                      \
            return;                                                                                \
        }                                                                                          \
        QSKIP(qPrintable(QStringLiteral("a full disk needs a tmpfs of the test's own, and "        \
                                        "none could be mounted (%1), neither as root nor in "      \
                                        "a user namespace")                                        \
                             .arg(disk.why())));                                                   \
    }
