#pragma once

#include "core/library/GameSelection.h"
#include "core/library/LibraryHost.h"

#include <QObject>

#include <memory>
#include <optional>

class QListWidget;

namespace z3d {

class InstalledGamesPrefetch;

struct LauncherContext;
class CheckerTool;
class GameFileChoice;
class GamesContextMenus;
class GamesTab;
class LauncherShell;
class MapListHandler;
class SaveListHandler;
class ZipExtraction;

// The games list's part of the selection chain of the Games tab: the view options switch the
// list's source, and choosing a game fills its files and picks the main file (whose choice
// GameFileChoice takes over). A selection made by code runs the same handlers as a click.
class GamesListHandler : public QObject, public LibraryHost
{
    Q_OBJECT

public:
    struct Services
    {
        CheckerTool& checker;
        ZipExtraction& zips;
        MapListHandler& maps;
        SaveListHandler& saves;
        GamesContextMenus& menus;
        GameFileChoice& files;
    };

    GamesListHandler(LauncherContext& context, GamesTab& page, LauncherShell& shell,
                     Services services);
    ~GamesListHandler() override;

    // SwitchGamesList.
    void switchGamesList(GamesListMode mode) override;
    // FillCommercialGamesList: the registered commercial games in their fixed order.
    void fillCommercialGamesList();
    // FillInstalledGamesList.
    void fillInstalledGamesList();
    // The next fill of the installed games takes the games folder's scan from prefetch, begun
    // at start-up, until the scan is dropped; other fills scan the folder themselves.
    void usePrefetchedScan(std::unique_ptr<InstalledGamesPrefetch> prefetch);
    // The scan no fill took, handed back, maybe unfinished; null when a fill took it.
    std::unique_ptr<InstalledGamesPrefetch> dropPrefetchedScan();
    // SelectGame for the selected games-list entry.
    void selectGame() override;
    // RestoreInitialSelection, once at load.
    void restoreInitialSelection(GamesListMode mode);
    // The scripted-map toggle: only scripted maps, or every installed game.
    void toggleScriptedMaps();

    // Selects the games-list entry naming game (without regard to case); false when none.
    bool selectGameNamed(const QString& game);
    // Selects the first games-list entry when there is one.
    void selectFirstGame();
    // The same, unless an entry is selected already.
    void selectFirstGameWhenNoneIs();
    // The games list shows the commercial games.
    bool showsCommercialGames() const;
    // Empties the games list, the game-files list and the map list.
    void clearGameLists();
    // The selected game's name as the records know it, empty when none is selected.
    QString currentGameName() const;
    // What the library operations need of the lists.
    QStringList gameFileNames() const override;
    void removeGameShortcuts(const QString& prefix) override;
    QString selectedGameName() const override;
    QString selectedGameFile() const override;
    void replaceSelectedGame(const GamesListEntry& entry) override;
    void clearSaveGames() override;
    void showGameFilesList() override;
    void clearScriptedMapsOnly() override { m_scriptedMapsOnly = false; }
    void redrawGamesList() override;

signals:
    // A game's selection chain starts (true) and ends (false): its files are listed, checked
    // and extracted meanwhile, with windows that may let keys through, and Up and Down must not
    // move the list on to another game before it ends.
    void selectingChanged(bool selecting);
    // Another view was chosen: a scripted map's lock on the model and graphics options ends
    // (RestoreSpriteOptions).
    void spriteOptionsLockDue(bool locked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GamesListMode mode() const;
    void chooseGame(const QString& name);
    void fillList(const QList<std::pair<QString, QString>>& entries);
    void selectInstalledGame(const QString& name);
    void selectCommercialGame(const QString& name);
    void selectZipArchive(const QString& name);
    void selectMainWad(const QString& folder);
    void setLaunchAndShortcut(bool launch, bool shortcut);
    void showHeader(const QString& text);
    QString zipExtractDir() const;

    LauncherContext& m_context;
    GamesTab& m_page;
    LauncherShell& m_shell;
    Services m_services;
    QListWidget* m_games;
    QListWidget* m_files;
    // The view the games list was last filled for by a view switch; the load step's restore
    // then keeps that list instead of filling it a second time.
    std::optional<GamesListMode> m_switchedTo;
    // The installed-games list shows only the scripted maps.
    bool m_scriptedMapsOnly = false;
    std::unique_ptr<InstalledGamesPrefetch> m_prefetch;
    // A selection chain is running (a nested one, a reselection, runs inside it).
    bool m_selecting = false;
};

} // namespace z3d
