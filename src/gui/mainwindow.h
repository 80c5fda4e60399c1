#pragma once

#include "core/app/Twips.h"
#include "core/platform/InstallPaths.h"
#include "gui/CommandBar.h"
#include "gui/ControlArray.h"
#include "gui/GlobalOptions.h"
#include "gui/handlers/LauncherShell.h"
#include "gui/LauncherWindow.h"
#include "gui/tabs/OptionChangeFlags.h"
#include "gui/tabs/TabPages.h"

#include <QWidget>

#include <memory>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace Ui {
class MainWindow;
}

namespace z3d {

struct LauncherSettings;
class GamesTab;
class GraphicsTab;
class ModelsTab;
class OptionsTab;
class SoundTab;
class ToolTips;

// The launcher's main window: the five tab pages, the compact default and the full advanced
// layout, the launcher preferences, the command buttons (CommandBar), the skill and
// after-launch choices (GlobalOptions) and the option handlers that only change what the
// window shows. Every control carries its documented objectName (an array
// member as name + "_" + index); the window's own control arrays are reachable by index, the
// pages' controls only through the pages.
//
// The window keeps a reference to the process-wide settings record; handlers that store a value
// write it there. Work that belongs to other parts of the launcher is asked for by signals.
class MainWindow : public QWidget, public LauncherWindow
{
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 9700;
    static constexpr int kFullHeightTwips = 7710;
    static constexpr int kDefaultHeightTwips = 6900;
    static constexpr int kTabCount = 5;
    // The window's own check boxes (chkMain) by index.
    static constexpr int kBasicDoomBox = 0;
    static constexpr int kHiResTexturesBox = 1;
    static constexpr int kAdvancedOptionsBox = 2;
    static constexpr int kEditModeBox = 5;
    static constexpr int kNoMonstersBox = 6;
    static constexpr int kMainBoxCount = 7;

    explicit MainWindow(LauncherSettings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's own control arrays by index (nullptr for an index the array lacks).
    QAbstractButton* optionTabs(int index) const { return m_optionTabs.at(index); }
    QGroupBox* tabFrame(int index) const { return m_pages->page(index); }
    QCheckBox* chkMain(int index) const { return m_chkMain.at(index); }
    QRadioButton* exitOption(int index) const { return m_globalOptions->exitOption(index); }
    QToolButton* auxButton(int index) const { return m_commands->button(index); }
    QComboBox* skillsLevel(int index) const { return m_globalOptions->skillsLevel(index); }
    QLabel* imageDG(int index) const { return m_globalOptions->imageDG(index); }

    GamesTab* gamesTab() const { return m_pages->games(); }
    OptionsTab* optionsTab() const { return m_pages->options(); }
    GraphicsTab* graphicsTab() const { return m_pages->graphics(); }
    SoundTab* soundTab() const { return m_pages->sound(); }
    ModelsTab* modelsTab() const { return m_pages->models(); }
    QWidget& widget() override { return *this; }
    TabPages& pages() const override { return *m_pages; }

    LauncherSettings& settings() const { return m_settings; }
    OptionChangeFlags& changeFlags() { return m_flags; }

    // Where the launcher's records live (GameInfo, for the launcher preferences).
    void setInstallPaths(const InstallPaths& paths) { m_paths = paths; }
    // Under "/WINE" the lower panel always shows the command line, and the Wine marker
    // (WineImage) is hidden while "Edit  mode" is checked.
    void setWineMode(bool on) { m_wineMode = on; }
    // Whether any scripted map's models are installed: the advanced layout then shows ImageCM
    // over the installed games.
    void setScriptedMapModelsInstalled(bool installed) { m_scriptedMapModels = installed; }

    // Twips of this window's screen.
    Twips twips() const override;
    void fixFullSize() override;
    // Remembers the tops of the first global-options frame and of the check-box frame, as laid
    // out now (pixels). Done at construction; the load step may repeat it.
    void rememberLayout();
    int rememberedGlobalFrameTop() const { return m_globalFrameTop; }
    int rememberedChkFrameTop() const { return m_chkFrameTop; }

    // The index of the selected tab, -1 when none.
    int currentTab() const { return m_shell->shownTab(); }

    // The settings record onto every page's controls and the window's own, and back. The
    // pages come first, so the window's own boxes (Basic Doom mode, the layout) act on values
    // already in place. False when a stored index names no entry (the configuration is then
    // reset).
    bool applySettings(LauncherSettings& settings) override;
    void gatherSettings(LauncherSettings& settings) const override;

    // The window as the handlers see it.
    LauncherShell& shell() { return *m_shell; }
    // The skill and after-launch choices.
    GlobalOptions& globalOptions() const { return *m_globalOptions; }

    // OptionTabs_Click: focus to the hidden output box, the clicked tab dark red with its page
    // shown, the others in the "Basic Doom mode" text colour with their pages hidden; then the
    // page's own refresh. (No games-list click is ever put off for a later tab change: a
    // change of the list selects and shows its game at once, whichever page is shown.)
    void optionTabsClick(int index);
    // Stacks every page where page 0 is and clears the page captions.
    void adjustTabFrames() override;
    // The compact layout ("Advanced options" off) and the full one.
    void defaultMode() override;
    void advancedMode();
    // Tab 0's rule for the Launch, shortcut (AuxButton_2) and cleanup (AuxButton_8) buttons
    // from the entries of the game-files and map lists and the selected view.
    void updateLaunchButtons() override;

    // ToolTipText: the tip table on the window's controls and its pages' (tools kept, texts
    // renewed) in the window's ToolTips (ToolTips::of). "Disable tooltip text" takes every tip
    // off, the games list's own too, and puts them back with the list's tip for its view.
    void toolTipText() override;

    // Form_KeyDown with a Qt key code; true when the key is swallowed.
    bool formKeyDown(int key);
    // The games list's selecting state, during which Up and Down are swallowed. The chain holds
    // the window meanwhile: what the player presses or clicks in it waits, and is dropped when
    // the chain ends rather than acted on afterwards.
    void setGamesListSelecting(bool selecting);
    bool gamesListSelecting() const { return m_gamesListSelecting; }

    // Option handlers.
    void skyOptClick(int index);
    void optionUdirClick(int index);
    // Toggles the lower panel between 1 (" Command Line ") and 2 (" Z3D Edit "); stays 1
    // under "/WINE".
    void selButtonClick();
    // "Development mode": its box and the "Normal" after-launch option are offered.
    void offerDevelopmentMode() override;
    void offerNormalExit() override;
    // The Wine marker (WineImage), shown under "/WINE".
    void showWineMarker() override;
    // Shows the lower panel lowerPanelMode names (the command line under "/WINE").
    void selectStartupOptions() override;
    void showTitlePicture(const QString& path) override;

signals:
    // Enter was pressed while the Launch button is enabled.
    void launchRequested();
    // A tab was chosen: the page's own refresh (tabs 1 and 2 the high-resolution options,
    // tab 3 the sound pack, tab 4 the model options).
    void hiResOptionsRefreshDue();
    void soundPackOptionRefreshDue();
    void modelOptionsRefreshDue();
    // A games-list view option became selected, by the player or by code.
    void gamesListViewChosen(int view);
    // "Basic Doom mode" changed, by the player or by code.
    void basicDoomChanged(bool on);
    // A skill was chosen; the map list takes the choice over.
    void skillChosen();
    // "Disable tooltip text" changed.
    void tooltipsDisabledChanged(bool disabled);
    // "Display tip of the day" changed; the tips window mirrors it.
    void tipsDisplayChanged(bool show);
    // A command button (AuxButton_0..8) was clicked.
    void auxButtonClicked(int index);
    // The home picture was clicked (pressed and released over it).
    void homeClicked();
    // The title picture was double-clicked: the next theme is due.
    void titlePictureDoubleClicked();
    // The window came back from being minimised (Form_Resize).
    void restoredFromMinimised();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void loadPictures();
    void showToolTips(bool shown);
    // The map tips count at the skill a map would start at.
    void showMapTipSkill();
    void wireHandlers();
    void watchKeysAndPictures();
    void setWindowHeightTwips(int heightTwips);
    // An event of the player's keyboard or mouse for this window, dropped while selecting.
    bool isDroppedInput(QObject* watched, QEvent* event) const;

    std::unique_ptr<Ui::MainWindow> m_ui;
    LauncherSettings& m_settings;
    OptionChangeFlags m_flags;
    InstallPaths m_paths;
    bool m_wineMode = false;
    bool m_scriptedMapModels = false;
    bool m_gamesListSelecting = false;
    int m_globalFrameTop = 0;
    int m_chkFrameTop = 0;
    TabPages* m_pages = nullptr;
    CommandBar* m_commands = nullptr;
    GlobalOptions* m_globalOptions = nullptr;
    std::unique_ptr<LauncherShell> m_shell;
    ControlArray<QAbstractButton, kTabCount> m_optionTabs;
    ControlArray<QCheckBox, kMainBoxCount> m_chkMain;
};

} // namespace z3d
