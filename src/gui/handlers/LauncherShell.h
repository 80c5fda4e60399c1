#pragma once

class QWidget;

namespace z3d {

struct LauncherSettings;

// What the handlers of the library, the lists and the command buttons need of the main
// window around the pages: the Launch and shortcut buttons, the skill list, the tab shown and
// the window itself. The main window implements it; handlers never see the window's controls.
class LauncherShell
{
public:
    virtual ~LauncherShell() = default;

    // The Launch button (LaunchButton) and the shortcut button (AuxButton_2).
    virtual void setLaunchEnabled(bool enabled) = 0;
    virtual void setShortcutEnabled(bool enabled) = 0;
    virtual bool shortcutEnabled() const = 0;
    // The zip-library location button (AuxButton_7): offered in the zip library's view unless
    // the viewer of the edit log (AuxButton_3) takes its place.
    virtual void offerZipLibraryLocation(bool offered) = 0;
    // The index of the tab shown, -1 when none.
    virtual int shownTab() const = 0;
    // The skill list's entry (0 is "Start game from New") and choosing one by code.
    virtual int chosenSkill() const = 0;
    virtual void chooseSkill(int entry) = 0;
    // Takes the keyboard focus away from the visible controls, so none shows a focus frame.
    virtual void takeFocusFromControls() = 0;
    // The main window is on the screen (messages of some operations are only shown then).
    virtual bool isShown() const = 0;
    // The window dialogs of the handlers belong to.
    virtual QWidget* dialogOwner() = 0;
    // Reads every page's controls and the window's own back into the settings record.
    virtual void gatherSettings(LauncherSettings& settings) const = 0;
};

} // namespace z3d
