#pragma once

#include <QGroupBox>

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace Ui {
class GamesTab;
}

namespace z3d {

// Page 0 ("Games", TabFrame_0): the three games-list views (OptionUdir), the games list
// (PwadList) with its header, the game-files list (PwadShowlist), the map list (MapList), the
// save-game list (SaveGameList) and the two purge buttons. Filling and selecting belong to the
// library code; this page only holds the controls and the list heights.
class GamesTab : public QGroupBox
{
    Q_OBJECT

public:
    explicit GamesTab(QWidget* parent = nullptr);
    ~GamesTab() override;

    QRadioButton* optionUdir(int index) const;
    // The header labels: 0 games list, 1 "GAME FILES", 2 maps, 3 "SAVEGAMES".
    QLabel* header(int index) const;
    QListWidget* gamesList() const;
    QListWidget* gameFilesList() const;
    QListWidget* mapList() const;
    QListWidget* saveGameList() const;
    QLabel* scriptedMapsImage() const;
    QPushButton* butPurge(int index) const;

    // The index of the selected view option, -1 when none is selected.
    int selectedView() const;

    // Trade height between the game-files list and the save-game list (heights in twips:
    // files 1020 / saves 1605 shrunk, files 1740 / saves 885 expanded). The page starts shrunk.
    void shrinkGameList();
    void expandGameList();

private:
    void setListHeights(int filesTwips, int savesTwips);

    std::unique_ptr<Ui::GamesTab> m_ui;
};

} // namespace z3d
