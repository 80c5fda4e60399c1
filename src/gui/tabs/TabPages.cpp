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
      m_models(new ModelsTab(&tabArea)), m_all{m_games, m_options, m_graphics, m_sound, m_models}
{
    auto* grid = qobject_cast<QGridLayout*>(tabArea.layout());
    for (int i = 0; i < kCount; ++i)
        grid->addWidget(page(i), 0, 0);
}

QGroupBox* TabPages::page(int index) const
{
    switch (index) {
    case 0:
        return m_games;
    case 1:
        return m_options;
    case 2:
        return m_graphics;
    case 3:
        return m_sound;
    case 4:
        return m_models;
    default:
        return nullptr;
    }
}

void TabPages::show(int index)
{
    for (int i = 0; i < kCount; ++i)
        page(i)->setVisible(i == index);
}

void TabPages::stackOnFirst()
{
    const QRect first = page(0)->geometry();
    for (int i = 0; i < kCount; ++i) {
        page(i)->setTitle(QString());
        page(i)->setGeometry(first);
    }
}

bool TabPages::applySettings(LauncherSettings& settings)
{
    return m_sound->applySettings(settings) && m_options->applySettings(settings) &&
           m_graphics->applySettings(settings) && m_models->applySettings(settings) &&
           m_games->applySettings(settings);
}

void TabPages::gatherSettings(LauncherSettings& settings) const
{
    m_sound->gatherSettings(settings);
    m_options->gatherSettings(settings);
    m_graphics->gatherSettings(settings);
    m_models->gatherSettings(settings);
    m_games->gatherSettings(settings);
}

void TabPages::showToolTips(ToolTips& tips, bool shown)
{
    m_sound->showToolTips(tips, shown);
    m_graphics->showToolTips(tips, shown);
    m_games->showToolTips(tips, shown);
    m_options->showToolTips(tips, shown);
    m_models->showToolTips(tips, shown);
}

} // namespace z3d
