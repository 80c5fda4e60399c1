#include "core/platform/FileInUse.h"

#include "core/platform/PathResolver.h"

#include <QDir>
#include <QFile>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_LINUX)
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#endif

namespace z3d {

#if defined(Q_OS_WIN)

bool FileInUse::check(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString native = QDir::toNativeSeparators(PathResolver::resolve(path));
    const HANDLE handle =
        CreateFileW(reinterpret_cast<const wchar_t*>(native.utf16()), GENERIC_READ, 0, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(handle);
    return false;
}

#elif defined(Q_OS_LINUX)

namespace {

bool isProcessFolder(const char* name)
{
    if (*name == '\0')
        return false;
    for (const char* c = name; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9')
            return false;
    }
    return true;
}

// Whether one of the process's descriptors refers to the file (device and inode). A process
// that ended meanwhile, or whose descriptors may not be read, holds nothing we can see.
bool holds(const std::string& pid, const struct stat& file)
{
    const std::string folder = "/proc/" + pid + "/fd";
    DIR* descriptors = opendir(folder.c_str());
    if (descriptors == nullptr)
        return false;
    bool found = false;
    const int folderFd = dirfd(descriptors);
    while (const dirent* entry = readdir(descriptors)) {
        if (entry->d_name[0] == '.')
            continue;
        // The descriptor links resolve to the open file itself, without a path lookup.
        struct stat target;
        if (fstatat(folderFd, entry->d_name, &target, 0) == 0 && target.st_dev == file.st_dev &&
            target.st_ino == file.st_ino) {
            found = true;
            break;
        }
    }
    closedir(descriptors);
    return found;
}

} // namespace

bool FileInUse::check(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(PathResolver::resolve(path));
    struct stat file;
    if (stat(native.constData(), &file) != 0 || S_ISDIR(file.st_mode))
        return false;

    DIR* processes = opendir("/proc");
    if (processes == nullptr)
        return false;
    const std::string self = std::to_string(getpid());
    bool inUse = false;
    while (const dirent* entry = readdir(processes)) {
        if (!isProcessFolder(entry->d_name) || self == entry->d_name)
            continue;
        if (holds(entry->d_name, file)) {
            inUse = true;
            break;
        }
    }
    closedir(processes);
    return inUse;
}

#else

// No way to tell on this system: nothing is reported in use.
bool FileInUse::check(const QString& path)
{
    Q_UNUSED(path);
    return false;
}

#endif

} // namespace z3d
