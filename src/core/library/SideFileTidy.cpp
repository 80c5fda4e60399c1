#include "core/library/SideFileTidy.h"

#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"

namespace z3d {

namespace {

const QLatin1String kNodeFileEnding("Z3Dgwa");
const QLatin1String kBackupEnding("Z3Dbak");

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
    result.error = FileOperations::copyFile(path, wad, FileOperations::ReadOnlyTarget::Replace);
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

} // namespace z3d
