#pragma once

#include <QList>
#include <QObject>

#include <array>

class QGroupBox;
class QWidget;

namespace z3d {

struct LauncherSettings;
struct OptionChangeFlags;
class GamesTab;
class GraphicsTab;
class ModelsTab;
class OptionsTab;
class SoundTab;
class TabPage;
class ToolTips;

// The five tab pages (TabFrame_0..4), made in the tab area and stacked where the first one is,
// one shown at a time.
class TabPages : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCount = 5;

    TabPages(OptionChangeFlags& flags, LauncherSettings& settings, QWidget& tabArea);

    GamesTab* games() const { return m_games; }
    OptionsTab* options() const { return m_options; }
    GraphicsTab* graphics() const { return m_graphics; }
    SoundTab* sound() const { return m_sound; }
    ModelsTab* models() const { return m_models; }
    // The page of a tab index (nullptr outside 0..4).
    QGroupBox* page(int index) const;
    const QList<const QWidget*>& all() const { return m_all; }

    // Shows the page of index and hides the others.
    void show(int index);
    // Stacks every page where page 0 is and clears the page captions.
    void stackOnFirst();

    // Every page's part of the settings record. The sound and option values come before the
    // boxes whose handlers read them; false when a stored index names no entry.
    bool applySettings(LauncherSettings& settings);
    void gatherSettings(LauncherSettings& settings) const;
    // Every page's rows of the main window's tip table on its controls, or off them.
    void showToolTips(ToolTips& tips, bool shown);

private:
    GamesTab* m_games;
    OptionsTab* m_options;
    GraphicsTab* m_graphics;
    SoundTab* m_sound;
    ModelsTab* m_models;
    // In tab order.
    std::array<TabPage*, kCount> m_pages;
    QList<const QWidget*> m_all;
    // The order in which the pages take their settings.
    std::array<TabPage*, kCount> m_settingsOrder;
};

} // namespace z3d
