#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>

namespace z3d {

struct InstallPaths;

// LauncherDir/launch.log: the last engine command line, one line ended by CR LF. Replaced
// atomically at every engine start and never read by the launcher itself.
class LaunchLog
{
public:
    static constexpr const char* kFileName = "launch.log";

    // LauncherDir/launch.log in the spelling found on disk.
    static QString path(const InstallPaths& paths);
    // Replaces the log with commandLine as its only line; None or the error number.
    static ErrorNumber write(const InstallPaths& paths, const QString& commandLine);
};

} // namespace z3d
