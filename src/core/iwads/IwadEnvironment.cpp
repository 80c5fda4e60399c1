#include "core/iwads/IwadEnvironment.h"

#include "core/platform/PathResolver.h"

#include <QtGlobal>

namespace z3d {

IwadEnvironment IwadEnvironment::fromProcess()
{
    return {qEnvironmentVariable("$DOOMWADDIR"), qEnvironmentVariable("DOOMWADDIR")};
}

QString IwadEnvironment::searchFolder() const
{
    if (PathResolver::folderExists(dollarDoomWadDir))
        return PathResolver::resolve(dollarDoomWadDir);
    return PathResolver::resolve(doomWadDir);
}

} // namespace z3d
