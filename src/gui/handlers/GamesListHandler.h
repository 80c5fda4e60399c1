#pragma once

#include "core/library/GameSelection.h"

#include <QObject>

#include <functional>
#include <memory>

class QListWidget;

namespace z3d {

struct LauncherContext;
class CheckerTool;
class MainWindow;
class MapListHandler;

// The selection chain of the Games tab: the view options switch the games list's source,
// choosing a game fills its files and picks the main file, choosing a file asks the checker
// for its maps and lists the game's save games. A selection made by code runs the same
// handlers as a click.
class GamesListHandler : public QObject
{
    Q_OBJECT

public:
    GamesListHandler(LauncherContext& context, MainWindow& window, CheckerTool& checker,
                     MapListHandler& maps);
    ~GamesListHandler() override;

    // Restores the chosen map (or file) from the game's record; selects the first map when
    // none is restored.
    std::function<void()> restoreChosenMap;

    // SwitchGamesList.
    void switchGamesList(GamesListMode mode);
    // FillCommercialGamesList: the registered commercial games in their fixed order.
    void fillCommercialGamesList();
    // SelectGame for the selected games-list entry.
    void selectGame();
    // SelectGameFile for the selected game-files entry.
    void selectGameFile();
    // RestoreInitialSelection, once at load.
    void restoreInitialSelection(GamesListMode mode);

    // Selects the games-list entry equal to name (without regard to case); false when none.
    bool selectGameNamed(const QString& name);
    // Selects the first games-list entry when there is one.
    void selectFirstGame();
    // The games list shows the commercial games.
    bool showsCommercialGames() const;
    // Empties the games list, the game-files list and the map list.
    void clearGameLists();

private:
    GamesListMode mode() const;
    void selectCommercialGame(const QString& name);
    void listSaveGames(const QString& folder);
    void colourViewOptions(GamesListMode mode);
    void setLaunchAndShortcut(bool launch, bool shortcut);
    void selectRow(QListWidget* list, int row);

    LauncherContext& m_context;
    MainWindow& m_window;
    CheckerTool& m_checker;
    MapListHandler& m_maps;
    QListWidget* m_games;
    QListWidget* m_files;
};

} // namespace z3d
