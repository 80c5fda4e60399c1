#pragma once

#include "core/platform/InstallPaths.h"
#include "core/settings/SettingsFile.h"

#include <QString>

namespace z3d {

// What the main window's load step gets from LoadSettings.
struct LoadedSettings
{
    // The record with its reading outcome (ConversionError: show the configuration-error
    // message, delete config.z3d, relaunch with "/RESTART" and shut down).
    SettingsReadResult result;
    // The paths with ZipLibraryDir replaced by archives.z3d when that file names one.
    InstallPaths paths;
    // texpath.z3d's line, else InstallRoot/Data/Textures.
    QString texturePath;
};

// LoadSettings without the window: the defaults with the centred window position, then
// texpath.z3d and archives.z3d, then config.z3d (lines 85 and 86 only outside Wine mode), then
// the grenade-timeout clamp. The caller then empties the user definition list and runs the
// definition-file procedures.
class SettingsLoader
{
public:
    static LoadedSettings load(const InstallPaths& paths, bool wineMode, int screenWidthTwips,
                               int screenHeightTwips);
};

} // namespace z3d
