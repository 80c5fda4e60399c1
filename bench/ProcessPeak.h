#pragma once

#include <QByteArray>
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

} // namespace z3d::bench
