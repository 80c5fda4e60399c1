#pragma once

#include "core/app/StartupState.h"
#include "core/iwads/IwadRegistry.h"
#include "core/launch/LaunchState.h"
#include "core/library/GameSelection.h"
#include "core/platform/InstallPaths.h"
#include "core/settings/FontSettings.h"
#include "core/settings/LauncherSettings.h"

namespace z3d {

class Dialogs;
class Processes;
class Progress;

// The high-resolution texture values kept beside the settings.
struct TextureState
{
    QString texturePath;   // the texture folder (texpath.z3d or the default folder)
    QString textureSetDir; // the folder whose "Patches" subfolder holds the patch set
    // The load step has finished; from then on the texture button hands the focus back.
    bool windowLoaded = false;
};

// The process-wide state the windows work on, created once at start-up and alive for the whole
// run, and the services through which it reaches dialogs and processes. Only the window layer
// holds it; the core's operations are handed the parts they use.
struct LauncherContext
{
    StartupState startup;
    InstallPaths paths;
    LauncherSettings settings;
    TextureState texture;
    IwadRegistry iwads;
    // AddonDefsDir holds ExtraFX.ded.
    bool extraFxInstalled = false;
    // InstallRoot/md2/Orrinpack when orrinpack.wad is there, else empty.
    QString orrinpackModelDir;
    LaunchState launch;
    GameSelection selection;
    // The launcher font read from font.z3d at start-up.
    FontSettings font;
    // A custom font is chosen: list entries are shown as stored, not in upper case.
    bool customFontInUse = false;
    Dialogs* dialogs = nullptr;
    Processes* processes = nullptr;
    // Shows long file work; none in tests that do not look at it.
    Progress* progress = nullptr;
};

} // namespace z3d
