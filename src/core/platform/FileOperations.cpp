#include "core/platform/FileOperations.h"

#include "core/platform/ErrorMapping.h"
#include "core/platform/FaultInjector.h"
#include "core/platform/InstallationLock.h"
#include "core/platform/NativePath.h"
#include "core/platform/PathResolver.h"
#include "core/platform/ReplacementFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <functional>

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

bool entryExists(const QFileInfo& info)
{
    return info.exists() || info.isSymLink();
}

// A folder itself; a link to one is an entry of its own, deleted without following it.
bool isFolder(const QFileInfo& info)
{
    return info.isDir() && !info.isSymLink();
}

// Depth first; stops at the first failure, keeping what was deleted.
ErrorNumber removeTree(const QString& folder)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString path = entry.filePath();
        ErrorNumber error = ErrorNumber::None;
        if (isFolder(entry)) {
            error = FaultInjector::check(FileOperation::DeleteFolder, path);
            if (error == ErrorNumber::None)
                error = removeTree(path);
        } else {
            error = FaultInjector::check(FileOperation::Delete, path);
            if (error == ErrorNumber::None)
                error = removeEntry(path, ErrorMapping::Target::File);
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

// Wads run to hundreds of megabytes: copies are streamed in pieces of this size.
constexpr qint64 kCopyChunkBytes = qint64(1) << 20;
// The names the write-permission probe tries before it gives up.
constexpr int kProbeAttempts = 100;

// Replaces target with what fill writes into a replacement file, put in target's place only
// when fill and every byte of it succeeded: on any failure target keeps its earlier content.
ErrorNumber replaceAtomically(const QString& target,
                              const std::function<ErrorNumber(ReplacementFile&)>& fill)
{
    ReplacementFile file(target);
    if (const ErrorNumber error = file.open(); error != ErrorNumber::None)
        return error;
    if (const ErrorNumber error = fill(file); error != ErrorNumber::None)
        return error;
    return file.commit();
}

// The fault injected for the first step of a two-path operation, else for the second.
ErrorNumber injectedFault(FileOperation firstOperation, const QString& first,
                          FileOperation secondOperation, const QString& second)
{
    const ErrorNumber error = FaultInjector::check(firstOperation, first);
    return error != ErrorNumber::None ? error : FaultInjector::check(secondOperation, second);
}

// A file that is not there: 53, or 76 when its folder is missing too.
ErrorNumber missingFile(const QString& path)
{
    const std::error_code missing = std::make_error_code(std::errc::no_such_file_or_directory);
    return ErrorMapping::fromSystemError(missing, path);
}

// Deletes the folder path names with remove, unless a fault is injected or path is no folder.
// A link to a folder is removed itself: what it points to is never emptied through it.
ErrorNumber deleteExistingFolder(const QString& path, ErrorNumber (*remove)(const QString&))
{
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::DeleteFolder, path);
        injected != ErrorNumber::None)
        return injected;
    const QString resolved = PathResolver::resolve(path);
    const QFileInfo info(resolved);
    if (!info.isDir())
        return missingFolder();
    if (info.isSymLink())
        return removeEntry(resolved, ErrorMapping::Target::Folder);
    return remove(resolved);
}

} // namespace

ErrorNumber FileOperations::deleteFile(const QString& path)
{
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::Delete, path);
        injected != ErrorNumber::None)
        return injected;
    const QString resolved = PathResolver::resolve(path);
    const QFileInfo info(resolved);
    if (!entryExists(info))
        return missingFile(resolved);
    if (isFolder(info))
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
    return deleteExistingFolder(path, [](const QString& folder) {
        return removeEntry(folder, ErrorMapping::Target::Folder);
    });
}

ErrorNumber FileOperations::deleteFolderTree(const QString& path)
{
    return deleteExistingFolder(path, removeTree);
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

namespace {

// Two names of one entry: the same spelling, or (on a disk that ignores case) the same file.
bool sameEntry(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    std::error_code ignored;
    return fs::equivalent(toNativePath(a), toNativePath(b), ignored);
}

// The target's folder in its on-disk spelling joined with the target's own name as given.
QString targetSpelling(const QString& to)
{
    const QString cleaned = PathResolver::normalizeSeparators(to);
    return PathResolver::join(PathResolver::resolve(PathResolver::parentFolder(cleaned)),
                              PathResolver::lastComponent(cleaned));
}

} // namespace

ErrorNumber FileOperations::rename(const QString& from, const QString& to)
{
    const QString source = PathResolver::resolve(from);
    const QFileInfo sourceInfo(source);
    const bool folder = isFolder(sourceInfo);
    if (const ErrorNumber injected =
            folder
                ? injectedFault(FileOperation::DeleteFolder, from, FileOperation::CreateFolder, to)
                : injectedFault(FileOperation::Delete, from, FileOperation::Write, to);
        injected != ErrorNumber::None)
        return injected;
    if (!entryExists(sourceInfo))
        return missingFile(source);

    const QString target = targetSpelling(to);
    if (!QFileInfo(PathResolver::parentFolder(target)).isDir())
        return ErrorNumber::PathNotFound;
    // Whatever already answers to the new name, in any case. On a case-sensitive disk a
    // rename would silently replace a file (or an empty folder) of that name.
    const QString existing = PathResolver::resolve(target);
    if (entryExists(QFileInfo(existing))) {
        if (!sameEntry(existing, source))
            return ErrorNumber::PathFileAccessError;
        if (target == source)
            return ErrorNumber::None;
    }
    std::error_code error;
    fs::rename(toNativePath(source), toNativePath(target), error);
    return ErrorMapping::fromSystemError(
        error, source, folder ? ErrorMapping::Target::Folder : ErrorMapping::Target::File);
}

ErrorNumber FileOperations::moveFile(const QString& source, const QString& target)
{
    if (const ErrorNumber injected =
            injectedFault(FileOperation::Delete, source, FileOperation::Write, target);
        injected != ErrorNumber::None)
        return injected;
    const QString from = PathResolver::resolve(source);
    const QFileInfo fromInfo(from);
    if (!entryExists(fromInfo) || isFolder(fromInfo))
        return missingFile(from);
    const QString to = PathResolver::resolve(targetSpelling(target));
    if (!QFileInfo(PathResolver::parentFolder(to)).isDir())
        return ErrorNumber::PathNotFound;
    if (from == to)
        return ErrorNumber::None;

    const fs::path nativeFrom = toNativePath(from);
    const fs::path nativeTo = toNativePath(to);
    makeWritable(nativeTo);
    std::error_code error;
    fs::rename(nativeFrom, nativeTo, error);
    if (error == std::errc::cross_device_link) {
        error.clear();
        fs::copy_file(nativeFrom, nativeTo, fs::copy_options::overwrite_existing, error);
        if (!error)
            return removeEntry(from, ErrorMapping::Target::File);
    }
    return ErrorMapping::fromSystemError(error, from);
}

QString FileOperations::writeProbeFolder(const QString& launcherDir)
{
    return PathResolver::resolveUnder(
        launcherDir, QStringLiteral("Admin.%1").arg(QCoreApplication::applicationPid()));
}

ErrorNumber FileOperations::probeWritePermission(const QString& launcherDir)
{
    InstallationLock writing(launcherDir);
    writing.lockShared();
    const QString first = writeProbeFolder(launcherDir);
    ErrorNumber error = ErrorNumber::PathFileAccessError;
    for (int attempt = 0; attempt < kProbeAttempts; ++attempt) {
        const QString probe = attempt == 0 ? first : first + u'-' + QString::number(attempt);
        // Only a folder this probe made is deleted.
        if (entryExists(QFileInfo(PathResolver::resolve(probe))))
            continue;
        error = createFolder(probe);
        if (error == ErrorNumber::None)
            return deleteFolder(probe);
        if (!entryExists(QFileInfo(PathResolver::resolve(probe))))
            return error;
    }
    return error;
}

ErrorNumber FileOperations::copyFile(const QString& source, const QString& target,
                                     ReadOnlyTarget readOnly,
                                     const std::function<void(qint64)>& copied)
{
    if (const ErrorNumber injected =
            injectedFault(FileOperation::Read, source, FileOperation::Write, target);
        injected != ErrorNumber::None)
        return injected;
    const QString from = PathResolver::resolve(source);
    const QString to = PathResolver::resolve(target);
    const QFileInfo fromInfo(from);
    if (!fromInfo.exists())
        return missingFile(from);
    if (fromInfo.isDir())
        return ErrorNumber::PathFileAccessError;
    const QFileInfo toInfo(to);
    if (toInfo.exists()) {
        if (toInfo.isDir())
            return ErrorNumber::PathFileAccessError;
        if (fromInfo.canonicalFilePath() == toInfo.canonicalFilePath())
            return ErrorNumber::None;
        if (readOnly == ReadOnlyTarget::Refuse &&
            !toInfo.permissions().testFlag(QFileDevice::WriteOwner))
            return ErrorNumber::PermissionDenied;
    }

    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return ErrorMapping::fromFileError(QFileDevice::OpenError, from);
    return replaceAtomically(to, [&](ReplacementFile& out) {
        qint64 written = 0;
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(kCopyChunkBytes);
            if (chunk.isEmpty()) // not at the end, yet nothing read: a read error
                return ErrorNumber::PathFileAccessError;
            if (const ErrorNumber error = out.write(chunk); error != ErrorNumber::None)
                return error;
            written += chunk.size();
            if (copied)
                copied(written);
        }
        return ErrorNumber::None;
    });
}

ErrorNumber FileOperations::writeFile(const QString& path, const QByteArray& bytes)
{
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::Write, path);
        injected != ErrorNumber::None)
        return injected;
    const QString target = PathResolver::resolve(path);
    return replaceAtomically(target, [&](ReplacementFile& file) { return file.write(bytes); });
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
