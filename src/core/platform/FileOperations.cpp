#include "core/platform/FileOperations.h"

#include "core/platform/ErrorMapping.h"
#include "core/platform/FaultInjector.h"
#include "core/platform/NativePath.h"
#include "core/platform/PathResolver.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace z3d {

namespace fs = std::filesystem;

namespace {

// Read-only files cannot be deleted on every system: the force flag clears the attribute.
void makeWritable(const fs::path& path)
{
    std::error_code ignored;
    const fs::file_status status = fs::symlink_status(path, ignored);
    if (!ignored && fs::is_regular_file(status) &&
        (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ignored);
}

ErrorNumber removeEntry(const QString& path, ErrorMapping::Target target)
{
    const fs::path native = toNativePath(path);
    makeWritable(native);
    std::error_code error;
    if (!fs::remove(native, error) && !error)
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    return ErrorMapping::fromSystemError(error, path, target);
}

bool isLinkOrFile(const QFileInfo& info)
{
    return info.isSymLink() || !info.isDir();
}

// Depth first; stops at the first failure, keeping what was deleted.
ErrorNumber removeTree(const QString& folder)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString path = entry.filePath();
        ErrorNumber error = ErrorNumber::None;
        if (isLinkOrFile(entry)) {
            error = FaultInjector::check(FileOperation::Delete, path);
            if (error == ErrorNumber::None)
                error = removeEntry(path, ErrorMapping::Target::File);
        } else {
            error = FaultInjector::check(FileOperation::DeleteFolder, path);
            if (error == ErrorNumber::None)
                error = removeTree(path);
        }
        if (error != ErrorNumber::None)
            return error;
    }
    return removeEntry(folder, ErrorMapping::Target::Folder);
}

ErrorNumber missingFolder()
{
    return ErrorNumber::PathNotFound;
}

} // namespace

ErrorNumber FileOperations::deleteFile(const QString& path)
{
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::Delete, path);
        injected != ErrorNumber::None)
        return injected;
    const QString resolved = PathResolver::resolve(path);
    const QFileInfo info(resolved);
    if (!info.exists() && !info.isSymLink())
        return ErrorMapping::fromSystemError(
            std::make_error_code(std::errc::no_such_file_or_directory), resolved);
    if (info.isDir() && !info.isSymLink())
        return ErrorNumber::FileNotFound;
    return removeEntry(resolved, ErrorMapping::Target::File);
}

ErrorNumber FileOperations::deleteFileIfExists(const QString& path)
{
    if (!PathResolver::fileExists(path))
        return ErrorNumber::None;
    return deleteFile(path);
}

ErrorNumber FileOperations::createFolder(const QString& path)
{
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::CreateFolder, path);
        injected != ErrorNumber::None)
        return injected;
    const QString resolved = PathResolver::resolve(path);
    if (QFileInfo::exists(resolved))
        return ErrorNumber::PathFileAccessError;
    std::error_code error;
    if (!fs::create_directory(toNativePath(resolved), error) && !error)
        return ErrorNumber::PathFileAccessError;
    return ErrorMapping::fromSystemError(error, resolved, ErrorMapping::Target::Folder);
}

ErrorNumber FileOperations::createFolderPath(const QString& path)
{
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::CreateFolder, path);
        injected != ErrorNumber::None)
        return injected;
    const QString resolved = PathResolver::resolve(path);
    if (QFileInfo(resolved).isDir())
        return ErrorNumber::None;
    std::error_code error;
    fs::create_directories(toNativePath(resolved), error);
    return ErrorMapping::fromSystemError(error, resolved, ErrorMapping::Target::Folder);
}

ErrorNumber FileOperations::deleteFolder(const QString& path)
{
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::DeleteFolder, path);
        injected != ErrorNumber::None)
        return injected;
    const QString resolved = PathResolver::resolve(path);
    const QFileInfo info(resolved);
    if (!info.isDir() || info.isSymLink())
        return missingFolder();
    return removeEntry(resolved, ErrorMapping::Target::Folder);
}

ErrorNumber FileOperations::deleteFolderTree(const QString& path)
{
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::DeleteFolder, path);
        injected != ErrorNumber::None)
        return injected;
    const QString resolved = PathResolver::resolve(path);
    const QFileInfo info(resolved);
    if (!info.isDir() || info.isSymLink())
        return missingFolder();
    return removeTree(resolved);
}

ErrorNumber FileOperations::deleteMatching(const QString& folder, const QString& pattern)
{
    const QString resolved = PathResolver::resolve(folder);
    if (!QFileInfo(resolved).isDir())
        return missingFolder();
    const QFileInfoList files =
        QDir(resolved).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    ErrorNumber first = ErrorNumber::None;
    bool matched = false;
    for (const QFileInfo& file : files) {
        if (!matchesWildcard(file.fileName(), pattern))
            continue;
        matched = true;
        const ErrorNumber error = deleteFile(file.filePath());
        if (first == ErrorNumber::None)
            first = error;
    }
    return matched ? first : ErrorNumber::FileNotFound;
}

ErrorNumber FileOperations::probeWritePermission(const QString& launcherDir)
{
    const QString admin = PathResolver::resolveUnder(launcherDir, QStringLiteral("Admin"));
    if (!PathResolver::folderExists(admin)) {
        if (const ErrorNumber error = createFolder(admin); error != ErrorNumber::None)
            return error;
    }
    return deleteFolder(admin);
}

bool FileOperations::matchesWildcard(const QString& fileName, const QString& pattern)
{
    if (pattern == u"*.*" || pattern == u"*")
        return true;
    const QString name = fileName.toCaseFolded();
    const QString pat = pattern.toCaseFolded();
    // Greedy match with backtracking to the last '*': linear for the usual patterns.
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype starP = -1;
    qsizetype starN = 0;
    while (n < name.size()) {
        if (p < pat.size() && (pat.at(p) == u'?' || pat.at(p) == name.at(n))) {
            ++n;
            ++p;
        } else if (p < pat.size() && pat.at(p) == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat.at(p) == u'*')
        ++p;
    return p == pat.size();
}

} // namespace z3d
