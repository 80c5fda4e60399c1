#include "core/platform/FileStamp.h"

#include <QFile>

#if defined(Q_OS_WIN)
#include <QDir>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace z3d {

#if defined(Q_OS_WIN)

std::optional<FileStamp> FileStamp::of(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE handle =
        CreateFileW(reinterpret_cast<const wchar_t*>(native.utf16()), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION file{};
    FILE_BASIC_INFO basic{};
    const bool read = GetFileInformationByHandle(handle, &file) &&
                      GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic);
    CloseHandle(handle);
    if (!read || (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    FileStamp stamp;
    stamp.device = file.dwVolumeSerialNumber;
    stamp.file = (quint64(file.nFileIndexHigh) << 32) | file.nFileIndexLow;
    stamp.size = (qint64(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
    // Times count 100 ns steps.
    stamp.modified = basic.LastWriteTime.QuadPart * 100;
    stamp.changed = basic.ChangeTime.QuadPart * 100;
    return stamp;
}

#else

namespace {

qint64 nanoseconds(const struct timespec& time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

std::optional<FileStamp> FileStamp::of(const QString& path)
{
    struct stat status
    {
    };
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 ||
        !S_ISREG(status.st_mode))
        return std::nullopt;
    FileStamp stamp;
    stamp.device = status.st_dev;
    stamp.file = status.st_ino;
    stamp.size = status.st_size;
    stamp.modified = nanoseconds(status.st_mtim);
    stamp.changed = nanoseconds(status.st_ctim);
    return stamp;
}

#endif

} // namespace z3d
