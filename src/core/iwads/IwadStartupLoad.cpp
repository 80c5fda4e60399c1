#include "core/iwads/IwadStartupLoad.h"

#include "core/iwads/IwadRegistry.h"
#include "core/iwads/IwadSearch.h"
#include "core/platform/FileOperations.h"
#include "core/settings/LauncherSettings.h"

#include <algorithm>

namespace z3d {

QString iwadSideFile(const QString& iwadPath)
{
    return iwadPath.chopped(std::min<qsizetype>(3, iwadPath.size())) + QStringLiteral("Z3Dgwa");
}

IwadLocationLines firstFourRegistered(const IwadRegistry& registry)
{
    IwadLocationLines lines;
    const QStringList& order = registry.registrationOrder();
    for (std::size_t i = 0; i < lines.size() && i < static_cast<std::size_t>(order.size()); ++i)
        lines[i] = order.at(static_cast<qsizetype>(i));
    return lines;
}

IwadLoadResult loadIwads(IwadRegistry& registry, const InstallPaths& paths,
                         const IwadEnvironment& environment)
{
    searchIwads(registry, paths, environment);
    readIwadsCfg(registry, paths);

    IwadLoadResult result;
    result.lines = firstFourRegistered(registry);
    for (const QString& line : result.lines) {
        if (!line.isEmpty())
            FileOperations::deleteFileIfExists(iwadSideFile(line));
    }
    result.noIwadRegistered = result.lines.front().isEmpty();
    registry.clearRegistrationOrder();
    return result;
}

IwadLoadResult loadIwadsAtStartup(IwadRegistry& registry, const InstallPaths& paths,
                                  LauncherSettings& settings, const IwadEnvironment& environment)
{
    const IwadLoadResult result = loadIwads(registry, paths, environment);
    if (result.noIwadRegistered)
        settings.lastDoomGame.clear();
    return result;
}

} // namespace z3d
