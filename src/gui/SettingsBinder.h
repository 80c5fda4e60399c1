#pragma once

#include <QList>

class QWidget;

namespace z3d {

struct LauncherSettings;

// Moves the settings record onto a form's controls and back, walking the control column of the
// settings table. Each page binds its own controls, the main window those around the pages: a
// form binds the lines whose control it holds, except controls inside the forms named in
// `others` (the pages, when the main window binds its own). The numbers a page holds itself
// (SettingBinding::PageNumber) are left to the page.
class SettingsBinder
{
public:
    // Sets the form's controls from the record in a fixed order, because some controls' change
    // handlers act on others: the channel count, the skill list, the main and graphics boxes, the
    // sky, after-launch and games-list options, the model boxes, ChkGL, chkTesting, then the
    // option, sound, launcher-preference and effect boxes; finally the light value (above 255 it
    // becomes 200, in the record too) and the extra command line.
    //
    // Returns false, at the first control it cannot set, when a stored index names no entry of
    // the skill list or no option of the sky, after-launch or games-list options; the caller
    // then resets the configuration. Controls set until then keep their new state.
    static bool apply(LauncherSettings& settings, QWidget& form,
                      const QList<const QWidget*>& others = {});

    // Reads the form's controls back into the record: the channel count and the light value as
    // whole numbers (an empty or unreadable box gives 0), the skill list's entry, every check box
    // into its field (both fields of a box that feeds two), and 0 for the sky, after-launch and
    // games-list options when their first option is selected (their other values are stored by the
    // options' click handlers). " Enable ricochets" goes the other way: the box is set from the
    // record, whose value its own click handler keeps current.
    static void gather(LauncherSettings& settings, const QWidget& form,
                       const QList<const QWidget*>& others = {});
};

} // namespace z3d
