#pragma once

#include "core/launch/LaunchInputs.h"
#include "core/settings/LauncherSettings.h"

#include <QString>

namespace z3d {

// The disk tests a launch depends on. They run before the assembly and leave their answers in
// LaunchInputs, so the assembly itself reads no file.
class LaunchProbe
{
public:
    // DecideIwadArgument: true (name the IWAD by its path) unless a file of the IWAD's name
    // exists in DOOMWADDIR (when set), in InstallRoot, InstallRoot/Data or InstallRoot/Iwads,
    // where the engine finds it by name. Names compare without regard to case. A stand-in
    // (freedoom1.wad, freedoom2.wad) always goes by its path, and so does an IWAD found only
    // in the XDG game folders, where the engine does not look.
    static bool decideIwadArgument(const QString& iwadFile, const QString& doomWadDir,
                                   const QString& installRoot);
    // HasOwnHiResFolders: both InstallRoot/Data/Custom.hires/<baseName> and
    // InstallRoot/Md2/<baseName> are folders. An empty name has none.
    static bool hasOwnHiResFolders(const QString& installRoot, const QString& baseName);
    // The facts of one IWAD path.
    static IwadFileFacts iwadFileFacts(const QString& iwadFile, const QString& doomWadDir,
                                       const QString& installRoot);
    // The DOOMWADDIR environment variable.
    static QString doomWadDirFromEnvironment();

    // Fills every disk-derived field of inputs from its other fields and the settings: the
    // facts of the registry's paths, state.iwadPath and selectedIwadFile; the game's own
    // high-resolution folders; the texture folders; the playlist files; the Orrinpack wad.
    // With "Auto" on, autoPlaylists gets the choice of the auto-playlist file for each of
    // those IWAD paths (none for an IWAD without one); every choice gets its fileExists.
    static void probe(LaunchInputs& inputs, const LauncherSettings& settings);
};

} // namespace z3d
