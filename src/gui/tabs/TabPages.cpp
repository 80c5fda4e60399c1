#include "gui/tabs/TabPages.h"

#include "gui/tabs/GamesTab.h"
#include "gui/tabs/GraphicsTab.h"
#include "gui/tabs/ModelsTab.h"
#include "gui/tabs/OptionsTab.h"
#include "gui/tabs/SoundTab.h"

#include <QGridLayout>

namespace z3d {

TabPages::TabPages(OptionChangeFlags& flags, LauncherSettings& settings, QWidget& tabArea)
    : QObject(&tabArea), m_games(new GamesTab(&tabArea)),
      m_options(new OptionsTab(flags, settings, &tabArea)), m_graphics(new GraphicsTab(&tabArea)),
      m_sound(new SoundTab(flags, &tabArea)),
      m_models(new ModelsTab(&tabArea)), m_pages{m_games, m_options, m_graphics, m_sound, m_models},
      m_all{m_games, m_options, m_graphics, m_sound, m_models}, m_settingsOrder{m_sound, m_options,
                                                                                m_graphics,
                                                                                m_models, m_games}
{
    auto* grid = qobject_cast<QGridLayout*>(tabArea.layout());
    for (TabPage* page : m_pages)
        grid->addWidget(page, 0, 0);
}

QGroupBox* TabPages::page(int index) const
{
    return index >= 0 && index < kCount ? m_pages[index] : nullptr;
}

void TabPages::show(int index)
{
    for (int i = 0; i < kCount; ++i)
        m_pages[i]->setVisible(i == index);
}

void TabPages::stackOnFirst()
{
    const QRect first = m_pages[0]->geometry();
    for (TabPage* page : m_pages) {
        page->setTitle(QString());
        page->setGeometry(first);
    }
}

bool TabPages::applySettings(LauncherSettings& settings)
{
    for (TabPage* page : m_settingsOrder) {
        if (!page->applySettings(settings))
            return false;
    }
    return true;
}

void TabPages::gatherSettings(LauncherSettings& settings) const
{
    for (const TabPage* page : m_settingsOrder)
        page->gatherSettings(settings);
}

void TabPages::showToolTips(ToolTips& tips, bool shown)
{
    for (TabPage* page : m_pages)
        page->showToolTips(tips, shown);
}

} // namespace z3d
