#include "core/platform/DiskSpace.h"

#include "core/platform/FaultInjector.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>

#include <algorithm>

namespace z3d {

qint64 DiskSpace::availableBytes(const QString& path)
{
    if (const std::optional<qint64> injected = FaultInjector::freeSpace(path))
        return *injected;
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(existing)) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            return -1;
        existing = parent;
    }
    const QStorageInfo storage(existing);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesAvailable();
}

bool DiskSpace::fits(const QString& path, qint64 bytes)
{
    const qint64 available = availableBytes(path);
    return available < 0 || bytes <= available;
}

bool DiskSpace::isExhausted(const QString& path, qint64 stillNeeded)
{
    constexpr qint64 kFewBlocks = 64 * 1024;
    const qint64 available = availableBytes(path);
    return available >= 0 && available < std::max(stillNeeded, kFewBlocks);
}

QString DiskSpace::describe(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace z3d
