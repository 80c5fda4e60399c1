#pragma once

#include <QObject>

class QListWidget;

namespace z3d {

struct LauncherContext;
class GamesTab;
class LauncherShell;

// The map list: choosing a map (the warp text and the IWAD it needs), the exclusion between a
// chosen map and a chosen save game, and the skill list's "Start game from New".
class MapListHandler : public QObject
{
    Q_OBJECT

public:
    MapListHandler(LauncherContext& context, GamesTab& page, LauncherShell& shell);

    // MapList_Click for the map at row.
    void mapListClick(int row);
    // Selects the map at row and runs its click once, also when a restore had selected it
    // already (a restored map does not replace the remembered save game; this choice does).
    void chooseMap(int row);
    // UpdateLaunchMapAndIwad: the warp text and IWAD of the current map selection.
    void updateLaunchMapAndIwad();
    // SetMapFocus: applies the skill choice to the map and save lists.
    void setMapFocus();
    // A click on the map or save list leaves "Start game from New" for the last skill used.
    void leaveStartFromNew();
    // A save-game click clears the map selection without it counting as a map click.
    void setIgnoringClicks(bool ignoring) { m_ignoringClicks = ignoring; }

    // The row of the first selected map, -1 when none.
    int selectedRow() const;
    QStringList maps() const;

signals:
    // The player chose a map with "Remember last map" on: the game's record is to keep it.
    void mapChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mouseDown();
    void selectRow(int row);

    LauncherContext& m_context;
    LauncherShell& m_shell;
    QListWidget* m_maps;
    QListWidget* m_saves;
    bool m_ignoringClicks = false;
};

} // namespace z3d
