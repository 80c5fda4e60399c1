#pragma once

#include <QObject>

class QListWidget;

namespace z3d {

struct LauncherContext;
class CheckerTool;
class GameRecords;
class GamesTab;
class LauncherShell;
class MapListHandler;
class SaveListHandler;

// The game-files list's part of the selection chain: choosing a file asks the checker for its
// maps and puts back the game's remembered save game, or else its remembered map (a user
// directory's file and map); the player's own choices of map and file are kept in the game's
// records. A double click opens a file.
class GameFileChoice : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        CheckerTool& checker;
        GameRecords& records;
        MapListHandler& maps;
        SaveListHandler& saves;
    };

    GameFileChoice(LauncherContext& context, GamesTab& page, LauncherShell& shell,
                   Services services);

    // A game was chosen: no map click has kept its choice yet, no zip save list is shown.
    void gameChosen();
    // SelectGameFile for the selected game-files entry.
    void selectGameFile();
    // RestoreUserDirectorySelection: the remembered map of the selected file, or the
    // remembered file of the directory.
    void restoreUserDirectorySelection(const QString& game);
    // A map was chosen with "Remember last map" on: the game's record keeps it (a user
    // directory's file and map), and the remembered save game gives way unless a restore
    // chose the map.
    void saveChosenMap();
    // Choosing the file listed the zip archive's save games already.
    bool zipSavesListed() const { return m_zipSavesListed; }

signals:
    // The games-list entry of game is to be selected (a user directory's restore).
    void gameReselectionDue(const QString& game);
    // An installed game's file was chosen: a shipped scripted map locks the model and
    // graphics options it brings its own of (KillSpriteOptions), any other game lifts it.
    void spriteOptionsLockDue(bool locked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the remembered save game was found and selected.
    bool restoreSaveGame();
    void restoreMap();
    void saveUserDirectoryChoice();
    void openGameFile(const QString& entry);

    LauncherContext& m_context;
    GamesTab& m_page;
    LauncherShell& m_shell;
    CheckerTool& m_checker;
    GameRecords& m_records;
    MapListHandler& m_maps;
    SaveListHandler& m_saves;
    QListWidget* m_files;
    // The zip archive's save games were listed while its file was chosen.
    bool m_zipSavesListed = false;
    // A map click saved the user directory's choice since the game was chosen.
    bool m_choiceSavedByMapClick = false;
    // The remembered map or save game is being selected by code.
    bool m_restoring = false;
};

} // namespace z3d
