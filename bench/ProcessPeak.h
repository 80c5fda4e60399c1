#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/types.h>

namespace z3d::bench {

// The peak resident set of a running process from its own accounts (VmHWM starts afresh at
// exec, whereas the rusage of a spawned child counts the spawning process's pages too); 0 when
// it cannot be read.
inline long peakResidentKiB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// The processor time a running process has had so far, its threads together (from the
// scheduler's nanosecond accounts; threads that have ended are not counted); 0 when it cannot
// be read. Unlike the time to a window, it hardly grows on a machine busy with other work.
inline double processorMs(pid_t pid)
{
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    double nanoseconds = 0;
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks + u'/' + task + QStringLiteral("/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            nanoseconds += schedstat.readAll().split(' ').value(0).toDouble();
    }
    return nanoseconds / 1e6;
}

} // namespace z3d::bench
