#pragma once

#include "core/library/GameSelection.h"
#include "core/library/GamesListEntry.h"

#include <QString>
#include <QStringList>

namespace z3d {

// What the game and archive operations need of the main window: its lists and the selection
// chain's handlers. The window implements it; tests record the calls. Every handler behaves as
// the player's click on the same control would (selecting by code runs the same handlers).
class LibraryHost
{
public:
    virtual ~LibraryHost() = default;

    // SelectGame for the selected games-list entry: re-reads that game from disk into the
    // game-files list, picks its main file and restores its records.
    virtual void selectGame() = 0;
    // SwitchGamesList(mode), as selecting the mode's view option does: the list is refilled
    // from disk and the remembered game of the mode is selected.
    virtual void switchGamesList(GamesListMode mode) = 0;
    // RemoveGameShortcuts(prefix): deletes the shortcuts whose base names begin with prefix,
    // without regard to case, from both shortcut folders.
    virtual void removeGameShortcuts(const QString& prefix) = 0;

    // The name (on disk) of the selected games-list entry; empty when none is selected.
    virtual QString selectedGameName() const = 0;
    // The selected game-files entry: a file name without its folder; empty when none.
    virtual QString selectedGameFile() const = 0;
    // The game-files list's entries, in list order (sorted without regard to case).
    virtual QStringList gameFileNames() const = 0;

    // Removes the selected games-list entry, adds entry in the list's order and selects it,
    // which runs SelectGame.
    virtual void replaceSelectedGame(const GamesListEntry& entry) = 0;
    // Empties the save-game list.
    virtual void clearSaveGames() = 0;
    // Makes the game-files list visible.
    virtual void showGameFilesList() = 0;
    // Turns the scripted-map filter off: the installed-games list shows every game again when
    // it is next filled.
    virtual void clearScriptedMapsOnly() = 0;
    // Repaints the games list after a failed operation; its entries stay as they are.
    virtual void redrawGamesList() = 0;
};

} // namespace z3d
