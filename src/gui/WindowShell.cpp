#include "gui/WindowShell.h"

#include "gui/CommandBar.h"
#include "gui/SettingsBinder.h"
#include "gui/tabs/TabPages.h"

#include <QAbstractButton>
#include <QComboBox>

namespace z3d {

WindowShell::WindowShell(QWidget& window, TabPages& pages, QAbstractButton& launch,
                         CommandBar& commands, QComboBox& skills, QWidget& focusSink,
                         ControlArray<QAbstractButton, 5> tabs)
    : m_window(window), m_pages(pages), m_launch(launch), m_commands(commands), m_skills(skills),
      m_focusSink(focusSink), m_tabs(tabs)
{
}

void WindowShell::setLaunchEnabled(bool enabled)
{
    m_launch.setEnabled(enabled);
}

void WindowShell::setShortcutEnabled(bool enabled)
{
    m_commands.setShortcutEnabled(enabled);
}

bool WindowShell::shortcutEnabled() const
{
    return m_commands.shortcutEnabled();
}

void WindowShell::offerZipLibraryLocation(bool offered)
{
    m_commands.offerZipLibraryLocation(offered);
}

int WindowShell::shownTab() const
{
    for (int i = 0; i < 5; ++i) {
        if (m_tabs.at(i)->isChecked())
            return i;
    }
    return -1;
}

int WindowShell::chosenSkill() const
{
    return m_skills.currentIndex();
}

void WindowShell::chooseSkill(int entry)
{
    m_skills.setCurrentIndex(entry);
}

void WindowShell::takeFocusFromControls()
{
    m_focusSink.setFocus();
}

bool WindowShell::isShown() const
{
    return m_window.isVisible();
}

QWidget* WindowShell::dialogOwner()
{
    return &m_window;
}

void WindowShell::gatherSettings(LauncherSettings& settings) const
{
    m_pages.gatherSettings(settings);
    SettingsBinder::gather(settings, m_window, m_pages.all());
}

} // namespace z3d
