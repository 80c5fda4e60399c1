#pragma once

#include "gui/ControlArray.h"
#include "gui/handlers/LauncherShell.h"

class QAbstractButton;
class QComboBox;

namespace z3d {

class CommandBar;
class TabPages;

// The main window as the handlers see it: the Launch button, the command bar's shortcut and
// zip-library buttons, the skill list, the tab shown and the box that takes the focus.
class WindowShell : public LauncherShell
{
public:
    WindowShell(QWidget& window, TabPages& pages, QAbstractButton& launch, CommandBar& commands,
                QComboBox& skills, QWidget& focusSink, ControlArray<QAbstractButton, 5> tabs);

    void setLaunchEnabled(bool enabled) override;
    void setShortcutEnabled(bool enabled) override;
    bool shortcutEnabled() const override;
    void offerZipLibraryLocation(bool offered) override;
    int shownTab() const override;
    int chosenSkill() const override;
    void chooseSkill(int entry) override;
    void takeFocusFromControls() override;
    bool isShown() const override;
    QWidget* dialogOwner() override;
    void gatherSettings(LauncherSettings& settings) const override;

private:
    QWidget& m_window;
    TabPages& m_pages;
    QAbstractButton& m_launch;
    CommandBar& m_commands;
    QComboBox& m_skills;
    QWidget& m_focusSink;
    ControlArray<QAbstractButton, 5> m_tabs;
};

} // namespace z3d
