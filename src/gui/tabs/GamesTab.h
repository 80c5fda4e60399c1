#pragma once

#include "core/launch/LaunchButtons.h"
#include "gui/tabs/TabPage.h"
#include "gui/tooltips/GameTipContent.h"

#include <array>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace Ui {
class GamesTab;
}

namespace z3d {

class ListTips;
class MapTipContent;
class ToolTips;

// Page 0 ("Games", TabFrame_0): the three games-list views (OptionUdir), the games list
// (PwadList) with its header, the game-files list (PwadShowlist), the map list (MapList), the
// save-game list (SaveGameList) and the two purge buttons. Filling and selecting belong to the
// library code; this page only holds the controls and the list heights.
class GamesTab : public TabPage
{
    Q_OBJECT

public:
    explicit GamesTab(QWidget* parent = nullptr);
    ~GamesTab() override;

    // The page's tips, and the games list's own for its view (none before a view is chosen).
    void showToolTips(ToolTips& tips, bool shown) override;

    // The header labels: 0 games list, 1 "GAME FILES", 2 maps, 3 "SAVEGAMES".
    QLabel* header(int index) const;
    QListWidget* gamesList() const;
    QListWidget* gameFilesList() const;
    QListWidget* mapList() const;
    QListWidget* saveGameList() const;
    // Fills the map list with the maps of wadPath: entries are the names, each drawn with its
    // title beside it (titles parallel to names, empty where there is none); resting the mouse
    // on a map shows its picture while tooltips are on.
    void showMaps(const QStringList& names, const QStringList& titles, const QString& wadPath);
    // The skill (1 to 5) a map's tip counts its monsters, items and secrets at, and its name.
    void showMapTipSkill(int skill, const QString& name);
    // Resting on an entry of the games list or the game-files list (or choosing it with the
    // keys) shows its add-on's face, read by faceOf when the tip is about to show.
    void showGameTips(const GameTipContent::FaceOf& faceOf);
    QLabel* scriptedMapsImage() const;
    // The index of the selected view option (OptionUdir), -1 when none is selected.
    int selectedView() const;
    // Selects a view option as the player would (viewChosen follows).
    void chooseView(int view);
    // Shows a view as the one in force: its option selected without a viewChosen, its caption
    // dark red and the other two in the button-text colour.
    void showView(int view);
    // What the lists allow of the Launch and shortcut buttons.
    LaunchButtons launchButtons(bool shortcutCreation) const;
    // The scripted-map toggle picture (ImageCM).
    void offerScriptedMapsToggle(bool offered);
    // The zip library's view option ("Zip Libray") is offered only in the advanced layout.
    void offerZipLibraryView(bool offered);

    // Trade height between the game-files list and the save-game list (heights in twips:
    // files 1020 / saves 1605 shrunk, files 1740 / saves 885 expanded). The page starts shrunk.
    void shrinkGameList();
    void expandGameList();

signals:
    // The player (or code, through chooseView) selected a view option.
    void viewChosen(int view);
    // "Purge all savegames" (ButPurge_0) and "Delete all saved nodes" (ButPurge_1).
    void purgeSaveGamesClicked();
    void deleteAllNodesClicked();
    // Local files were dropped on the games list (from a file manager).
    void filesDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setListHeights(int filesTwips, int savesTwips);

    std::unique_ptr<Ui::GamesTab> m_ui;
    std::array<QRadioButton*, 3> m_optionUdir{};
    MapTipContent* m_mapTipContent = nullptr;
    ListTips* m_mapTips = nullptr;
    ListTips* m_gameTips = nullptr;
    ListTips* m_gameFileTips = nullptr;
    ToolTips* m_tips = nullptr;
};

} // namespace z3d
