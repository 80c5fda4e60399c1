#pragma once

#include "core/app/Twips.h"

class QString;
class QWidget;

namespace z3d {

struct LauncherSettings;
class TabPages;

// What the load, activation and unload steps need of the main window: the widget itself, its
// pages, its two layouts and the launcher preferences it offers. The main window implements it.
class LauncherWindow
{
public:
    virtual ~LauncherWindow() = default;

    virtual QWidget& widget() = 0;
    virtual TabPages& pages() const = 0;
    // Twips of the window's screen.
    virtual Twips twips() const = 0;
    // Fixes the window to the size of the full layout and remembers where its frames stand.
    virtual void fixFullSize() = 0;
    // The settings record onto every page's controls and the window's own, and back. False
    // when a stored index names no entry (the configuration is then reset).
    virtual bool applySettings(LauncherSettings& settings) = 0;
    virtual void gatherSettings(LauncherSettings& settings) const = 0;
    // The compact layout ("Advanced options" off).
    virtual void defaultMode() = 0;
    // The Games tab's rule for the Launch, shortcut and cleanup buttons, from its lists.
    virtual void updateLaunchButtons() = 0;
    // Stacks every page where page 0 is and clears the page captions.
    virtual void adjustTabFrames() = 0;
    // "Development mode": its box and the "Normal" after-launch option are offered.
    virtual void offerDevelopmentMode() = 0;
    // The "Normal" after-launch option alone.
    virtual void offerNormalExit() = 0;
    // Shows the lower panel the settings name (the command line under "/WINE").
    virtual void selectStartupOptions() = 0;
    // The Wine marker, shown under "/WINE".
    virtual void showWineMarker() = 0;
    // The title picture from a picture file; a file that is no picture leaves the one shown.
    virtual void showTitlePicture(const QString& path) = 0;
    // Every tip of the window and its pages (ToolTipText).
    virtual void toolTipText() = 0;
};

} // namespace z3d
