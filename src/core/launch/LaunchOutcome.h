#pragma once

#include "core/launch/LaunchState.h"
#include "core/settings/LauncherSettings.h"

#include <QList>
#include <QString>

#include <optional>

namespace z3d {

// A message box a launch shows.
struct LaunchMessage
{
    QString title;
    QString text;
    int style = 64;

    bool operator==(const LaunchMessage&) const = default;
};

// Why a launch did not go ahead.
struct LaunchRefusal
{
    LaunchMessage message;
    // The IWAD window must open (modally) after the message.
    bool openIwadWindow = false;
};

// What a launch procedure decided; the caller shows, stores and starts accordingly:
//  1. show `messages` in order (they never stop the launch);
//  2. store `settings` and `state` (both also after a refusal);
//  3. on a refusal show its message (and the IWAD window when asked); otherwise hand
//     `shortcutArguments` to the shortcut creator when a shortcut was requested, else start
//     `commandLine` (and clear the ricochet and fake-glow change flags after a good start).
struct LaunchOutcome
{
    // The settings as gathered, with the launch's own changes: lastAfterLaunchAction and the
    // model options a failed pack test switched off. basicDoomMode is never changed here.
    LauncherSettings settings;
    // The launch state afterwards: kind, IwadPath, launchPending (set when a command line was
    // built for the engine), shortcutRequest (always cleared).
    LaunchState state;
    QList<LaunchMessage> messages;
    std::optional<LaunchRefusal> refusal;

    // The whole command line, beginning "Bin\Zorn3D"; empty after a refusal.
    QString commandLine;
    // The command line without "Bin\Zorn3D " when a shortcut was requested, else empty.
    QString shortcutArguments;
    bool shortcut = false;
    // Whether the IWAD went on the line by its path.
    bool iwadByPath = false;
    // Compatibility class 7 ran this launch in Basic Doom mode although the option is off; the
    // option stays off (a window that checked the box for the launch unchecks it again).
    bool basicModeForced = false;

    bool refused() const { return refusal.has_value(); }
};

} // namespace z3d
