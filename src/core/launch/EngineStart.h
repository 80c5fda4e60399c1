#pragma once

#include <QString>

namespace z3d {

class Dialogs;
class Processes;
struct InstallPaths;
struct LaunchState;

// The after-launch actions (afterLaunchOption, lastAfterLaunchAction).
enum AfterLaunchAction : int
{
    AfterLaunchNormal = 0,    // the launcher stays as it is
    AfterLaunchMinimised = 1, // the launcher window is minimised
    AfterLaunchExit = 2,      // the launcher closes
};

// What an engine start needs of the main window.
class EngineStartHost
{
public:
    virtual ~EngineStartHost() = default;

    // Stores the window's current top and left into windowTop and windowLeft.
    virtual void saveWindowPosition() = 0;
    virtual void minimise() = 0;
    // Shows the window normally again (it may have been minimised for the launch).
    virtual void showWindow() = 0;
    // Hides the window and unloads every window; the launcher ends through its unload step,
    // which writes the settings.
    virtual void hideAndUnloadAll() = 0;
    // Clears the ricochet-changed and fake-glow-changed flags.
    virtual void clearOptionChangeFlags() = 0;
    // Switches Basic Doom mode off again after a launch that switched it on for itself.
    virtual void turnOffTemporaryBasicDoom() = 0;
};

// The engine start that ends a launch (when no shortcut is being made):
//  1. InstallRoot becomes the current folder (the command line starts with Bin\Zorn3D,
//     relative to it);
//  2. LauncherDir/launch.log is replaced by the command line (a log that cannot be written
//     does not stop the start);
//  3. the window position is saved; with "Minimised" the window is minimised; the option
//     change flags are cleared;
//  4. the command line is started in InstallRoot. When nothing starts, the player is told
//     "Cannot execute! The command line was:" and the line, the launch is no longer pending
//     and the window is shown again;
//  5. a Basic Doom mode switched on for this launch only is switched off;
//  6. with "Exit" the window is hidden and everything unloaded.
// Step 5 comes before the unload so that the settings written on the way out keep the
// player's own Basic Doom choice.
class EngineStart
{
public:
    EngineStart(const InstallPaths& paths, Processes& processes, Dialogs& dialogs,
                EngineStartHost& host);

    // Starts the engine; true when a process was started. afterLaunchAction is
    // lastAfterLaunchAction (AfterLaunchAction); temporaryBasicDoom says the compatibility
    // class switched Basic Doom mode on for this launch.
    bool start(const QString& commandLine, int afterLaunchAction, LaunchState& launch,
               bool temporaryBasicDoom);

private:
    const InstallPaths& m_paths;
    Processes& m_processes;
    Dialogs& m_dialogs;
    EngineStartHost& m_host;
};

} // namespace z3d
