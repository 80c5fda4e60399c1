#include "core/library/SideFileTidy.h"

#include "core/platform/ErrorMapping.h"
#include "core/platform/FaultInjector.h"
#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"

#include <QFile>
#include <QSaveFile>

namespace z3d {

namespace {

constexpr qint64 kCopyChunk = 1 << 20;

const QLatin1String kNodeFileEnding("Z3Dgwa");
const QLatin1String kBackupEnding("Z3Dbak");

ErrorNumber orWriteError(QFileDevice::FileError error, const QString& path)
{
    return ErrorMapping::fromFileError(
        error == QFileDevice::NoError ? QFileDevice::WriteError : error, path);
}

} // namespace

SideFileTidy::Result SideFileTidy::tidy(const QString& path)
{
    Result result;
    if (path.endsWith(kNodeFileEnding, Qt::CaseInsensitive)) {
        result.error = FileOperations::deleteFile(path);
        result.outcome = result.error == ErrorNumber::None ? Outcome::Deleted : Outcome::Failed;
        return result;
    }
    if (!path.endsWith(kBackupEnding, Qt::CaseInsensitive))
        return result;

    // "x.Z3Dbak" stands for "x.wad"; an "x.WAD" already there is the one replaced.
    const QString wad =
        PathResolver::resolve(path.chopped(kBackupEnding.size()) + QStringLiteral("wad"));
    result.error = copyOver(path, wad);
    if (result.error == ErrorNumber::None)
        result.error = FileOperations::deleteFile(path);
    if (result.error != ErrorNumber::None) {
        result.outcome = Outcome::Failed;
        return result;
    }
    result.outcome = Outcome::Restored;
    result.restoredWad = wad;
    return result;
}

ErrorNumber SideFileTidy::copyOver(const QString& source, const QString& target)
{
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::Read, source);
        injected != ErrorNumber::None)
        return injected;
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::Write, target);
        injected != ErrorNumber::None)
        return injected;

    const QString from = PathResolver::resolve(source);
    const QString to = PathResolver::resolve(target);
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return ErrorMapping::fromFileError(in.error(), from);
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return orWriteError(out.error(), to);
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kCopyChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return ErrorMapping::fromFileError(in.error(), from);
        }
        if (out.write(chunk) != chunk.size()) {
            const QFileDevice::FileError error = out.error();
            out.cancelWriting();
            return orWriteError(error, to);
        }
    }
    if (!out.commit())
        return orWriteError(out.error(), to);
    return ErrorNumber::None;
}

} // namespace z3d
