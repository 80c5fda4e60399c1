#include "core/platform/ReplacementFile.h"

#include "core/platform/DiskSpace.h"
#include "core/platform/ErrorMapping.h"
#include "core/platform/NativePath.h"
#include "core/platform/StaleTemporaries.h"

#include <QFileInfo>

#include <filesystem>

#if defined(Q_OS_WIN)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace z3d {

namespace {

constexpr QFileDevice::Permissions kNewFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::ReadOther;

bool syncToDisk(int handle)
{
#if defined(Q_OS_WIN)
    return ::_commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

// The file a write to path lands in: the end of its chain of links, else path itself.
QString writtenFile(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

} // namespace

ReplacementFile::ReplacementFile(const QString& target) : m_target(writtenFile(target))
{
    m_file.setFileTemplate(StaleTemporaries::replacementTemplate(QFileInfo(m_target).path()));
}

ErrorNumber ReplacementFile::open()
{
    if (QFileInfo(m_target).isDir())
        return ErrorMapping::fromFileError(QFileDevice::OpenError, m_target);
    m_writing = InstallationLock::heldForWriting();
    if (!m_file.open())
        return ErrorMapping::fromFileError(QFileDevice::OpenError, m_target);
    return ErrorNumber::None;
}

ErrorNumber ReplacementFile::write(const QByteArray& bytes)
{
    return m_file.write(bytes) == bytes.size() ? ErrorNumber::None : failure(bytes.size());
}

ErrorNumber ReplacementFile::commit()
{
    // What is still in the buffer meets the disk here: a full disk shows now or never.
    const qint64 buffered = m_file.bytesToWrite();
    if (!m_file.flush())
        return failure(buffered);
    // The bytes reach the disk itself before the name does: after a power cut the target is
    // the old file or the new one, never an empty one. Some file systems (network ones) report
    // a full disk only here.
    if (!syncToDisk(m_file.handle()))
        return failure(0);
    const QFileInfo existing(m_target);
    m_file.setPermissions(existing.exists() ? existing.permissions() : kNewFilePermissions);
    m_file.close();
    std::error_code error;
    std::filesystem::rename(toNativePath(m_file.fileName()), toNativePath(m_target), error);
    if (error)
        return ErrorMapping::fromSystemError(error, m_target);
    m_file.setAutoRemove(false);
    return ErrorNumber::None;
}

ErrorNumber ReplacementFile::failure(qint64 stillNeeded)
{
    if (DiskSpace::isExhausted(m_target, stillNeeded))
        return ErrorNumber::DiskFull;
    const QFileDevice::FileError error = m_file.error();
    return ErrorMapping::fromFileError(
        error == QFileDevice::NoError ? QFileDevice::WriteError : error, m_target);
}

} // namespace z3d
