#include "core/platform/FaultInjector.h"

#include "core/platform/PathResolver.h"

#include <QDir>
#include <QList>
#include <QMutex>
#include <QMutexLocker>

namespace z3d {

namespace {

struct Fault
{
    FileOperation op;
    QString path; // normalised
    bool inside;
    ErrorNumber error;
};

QMutex& faultMutex()
{
    static QMutex mutex;
    return mutex;
}

QList<Fault>& faults()
{
    static QList<Fault> list;
    return list;
}

struct FreeSpaceAnswer
{
    QString folder; // normalised
    qint64 bytes;
};

QList<FreeSpaceAnswer>& freeSpaceAnswers()
{
    static QList<FreeSpaceAnswer> list;
    return list;
}

QString normalised(const QString& path)
{
    const QString cleaned =
        QDir::cleanPath(QDir(PathResolver::normalizeSeparators(path)).absolutePath());
    return cleaned.toCaseFolded();
}

} // namespace

void FaultInjector::fail(FileOperation op, const QString& path, ErrorNumber error)
{
    QMutexLocker lock(&faultMutex());
    faults().append({op, normalised(path), false, error});
}

void FaultInjector::failInside(FileOperation op, const QString& folder, ErrorNumber error)
{
    QMutexLocker lock(&faultMutex());
    faults().append({op, normalised(folder), true, error});
}

void FaultInjector::clear()
{
    QMutexLocker lock(&faultMutex());
    faults().clear();
    freeSpaceAnswers().clear();
}

void FaultInjector::setFreeSpace(const QString& folder, qint64 bytes)
{
    QMutexLocker lock(&faultMutex());
    freeSpaceAnswers().append({normalised(folder), bytes});
}

std::optional<qint64> FaultInjector::freeSpace(const QString& path)
{
    QMutexLocker lock(&faultMutex());
    if (freeSpaceAnswers().isEmpty())
        return std::nullopt;
    const QString target = normalised(path);
    std::optional<qint64> answer;
    qsizetype nearest = -1;
    for (const FreeSpaceAnswer& entry : std::as_const(freeSpaceAnswers())) {
        const bool inside = target == entry.folder || target.startsWith(entry.folder + u'/');
        if (inside && entry.folder.size() > nearest) {
            nearest = entry.folder.size();
            answer = entry.bytes;
        }
    }
    return answer;
}

ErrorNumber FaultInjector::check(FileOperation op, const QString& path)
{
    QMutexLocker lock(&faultMutex());
    if (faults().isEmpty())
        return ErrorNumber::None;
    const QString target = normalised(path);
    for (const Fault& fault : std::as_const(faults())) {
        if (fault.op != op)
            continue;
        if (!fault.inside && fault.path == target)
            return fault.error;
        if (fault.inside) {
            const QString prefix = fault.path.endsWith(u'/') ? fault.path : fault.path + u'/';
            if (target.startsWith(prefix))
                return fault.error;
        }
    }
    return ErrorNumber::None;
}

} // namespace z3d
