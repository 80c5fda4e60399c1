#pragma once

#include "core/iwads/IwadEnvironment.h"
#include "core/iwads/IwadsCfg.h"

#include <QString>

namespace z3d {

class IwadRegistry;
struct InstallPaths;
struct LauncherSettings;

// What the IWAD window shows after the start-up load.
struct IwadLoadResult
{
    // The first four registered paths, in registration order; the rest stay empty.
    IwadLocationLines lines;
    // Nothing was registered: the window hides its location lines and shows its warning.
    bool noIwadRegistered = true;
};

// The node-data side file the engine builds beside an IWAD: the path without its last three
// characters followed by "Z3Dgwa" ("/g/DOOM2.WAD" -> "/g/DOOM2.Z3Dgwa").
QString iwadSideFile(const QString& iwadPath);

// The first four entries of the registration order as location lines.
IwadLocationLines firstFourRegistered(const IwadRegistry& registry);

// The start-up load: searchIwads, then readIwadsCfg (so a search result beats a remembered
// location of the same game); the side files of the first four registered IWADs are deleted;
// the registration order is cleared afterwards. A fifth IWAD stays registered but has no line.
IwadLoadResult loadIwads(IwadRegistry& registry, const InstallPaths& paths,
                         const IwadEnvironment& environment);

// loadIwads; when no IWAD is known, the remembered last commercial game (lastDoomGame) is
// forgotten as well.
IwadLoadResult
loadIwadsAtStartup(IwadRegistry& registry, const InstallPaths& paths, LauncherSettings& settings,
                   const IwadEnvironment& environment = IwadEnvironment::fromProcess());

} // namespace z3d
