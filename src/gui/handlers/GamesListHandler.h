#pragma once

#include "core/library/GameSelection.h"
#include "core/library/LibraryHost.h"

#include <QObject>

#include <optional>

class QListWidget;

namespace z3d {

struct LauncherContext;
class CheckerTool;
class GameRecords;
class GamesContextMenus;
class GamesTab;
class LauncherShell;
class MapListHandler;
class SaveListHandler;
class ZipExtraction;

// The selection chain of the Games tab: the view options switch the games list's source,
// choosing a game fills its files and picks the main file, choosing a file asks the checker
// for its maps and restores the game's remembered map and save game. A selection made by code
// runs the same handlers as a click.
class GamesListHandler : public QObject, public LibraryHost
{
    Q_OBJECT

public:
    struct Services
    {
        CheckerTool& checker;
        GameRecords& records;
        ZipExtraction& zips;
        MapListHandler& maps;
        SaveListHandler& saves;
        GamesContextMenus& menus;
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
    // SelectGame for the selected games-list entry.
    void selectGame() override;
    // SelectGameFile for the selected game-files entry.
    void selectGameFile();
    // RestoreInitialSelection, once at load.
    void restoreInitialSelection(GamesListMode mode);
    // RestoreUserDirectorySelection: the remembered map of the selected file, or the
    // remembered file of the directory.
    void restoreUserDirectorySelection(const QString& game);
    // The scripted-map toggle: only scripted maps, or every installed game.
    void toggleScriptedMaps();
    // A map was chosen with "Remember last map" on: the game's record keeps it (a user
    // directory's file and map), and the remembered save game gives way unless a restore
    // chose the map.
    void saveChosenMap();

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GamesListMode mode() const;
    void fillList(const QList<std::pair<QString, QString>>& entries);
    void selectInstalledGame(const QString& name);
    void selectCommercialGame(const QString& name);
    void selectZipArchive(const QString& name);
    void selectMainWad(const QString& folder);
    // True when the remembered save game was found and selected.
    bool restoreSaveGame();
    void restoreMap();
    void saveUserDirectoryChoice();
    void openGameFile(const QString& entry);
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
    // The zip archive's save games were listed while its file was chosen.
    bool m_zipSavesListed = false;
    // A map click saved the user directory's choice since the game was chosen.
    bool m_choiceSavedByMapClick = false;
    // The remembered map or save game is being selected by code.
    bool m_restoring = false;
};

} // namespace z3d
