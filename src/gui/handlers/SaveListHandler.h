#pragma once

#include <QObject>

class QListWidget;
class QMenu;

namespace z3d {

struct LauncherContext;
class GameRecords;
class GamesTab;
class LauncherShell;
class MapListHandler;

// The save-game list: listing a game's save folder through the checker, choosing a save game
// to resume (which excludes a chosen map), deleting one, and the two purge buttons.
class SaveListHandler : public QObject
{
    Q_OBJECT

public:
    SaveListHandler(LauncherContext& context, GamesTab& page, LauncherShell& shell,
                    GameRecords& records, MapListHandler& maps);

    // Lists the save games of folder; an empty list when it does not exist.
    void listFolder(const QString& folder);
    void clear();
    // Selects the entry of a remembered slot (its first character); false when none is listed.
    bool selectSlot(const QString& slot);

    // SaveGameList_Click for the selected entry.
    void saveGameListClick();
    // mcDelSaveGame_Click.
    void deleteSaveGame();
    // ButPurge_Click.
    void purgeSaveGames();
    void deleteAllNodes();

signals:
    // The games-list click for the current game is to run again (after a save was deleted).
    void gameReselectionDue();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LauncherContext& m_context;
    GamesTab& m_page;
    LauncherShell& m_shell;
    GameRecords& m_records;
    MapListHandler& m_maps;
    QListWidget* m_saves;
    QMenu* m_menu;
    QString m_folder;
};

} // namespace z3d
