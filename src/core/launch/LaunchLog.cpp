#include "core/launch/LaunchLog.h"

#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

namespace z3d {

QString LaunchLog::path(const InstallPaths& paths)
{
    return PathResolver::resolveUnder(paths.launcherDir, QString::fromLatin1(kFileName));
}

ErrorNumber LaunchLog::write(const InstallPaths& paths, const QString& commandLine)
{
    return TextFile::writeLines(path(paths), {commandLine});
}

} // namespace z3d
