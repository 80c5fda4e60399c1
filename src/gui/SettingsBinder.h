#pragma once

namespace z3d {

struct LauncherSettings;
class MainWindow;

// Moves the settings record onto the main window's controls and back, walking the control
// column of the settings table.
class SettingsBinder
{
public:
    // Sets the controls from the record in a fixed order, because some controls' change
    // handlers act on others: the channel count, the corpse, ricochet and grenade values, the
    // skill list, the main and graphics boxes, the sky, after-launch and games-list options,
    // the model boxes, ChkGL, chkTesting, then the option, sound, launcher-preference and effect
    // boxes; finally the light value (above 255 it becomes 200, in the record too) and the
    // extra command line.
    //
    // Returns false, at the first control it cannot set, when a stored index names no entry of
    // the skill list or no option of the sky, after-launch or games-list options; the caller
    // then resets the configuration. Controls set until then keep their new state.
    static bool applySettingsToControls(LauncherSettings& settings, MainWindow& window);

    // Reads the controls back into the record: the five number boxes as whole numbers (an empty
    // or unreadable box gives 0), the skill list's entry, every check box into its field (both
    // fields of a box that feeds two), and 0 for the sky, after-launch and games-list options
    // when their first option is selected (their other values are stored by the options'
    // click handlers). " Enable ricochets" goes the other way: the box is set from the record,
    // whose value its own click handler keeps current.
    static void gatherSettingsFromControls(LauncherSettings& settings, const MainWindow& window);
};

} // namespace z3d
