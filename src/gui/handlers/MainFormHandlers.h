#pragma once

#include "core/iwads/IwadStartupLoad.h"
#include "gui/dialogs/IwadWindowHost.h"
#include "gui/handlers/LaunchHandler.h"

#include <QObject>

class QCheckBox;
class QWidget;

#include <memory>
#include <optional>

namespace z3d {

struct LauncherContext;
class CheckerTool;
class ArchiveOperations;
class CommandButtons;
class GameOperations;
class GameRecords;
class GameFileChoice;
class GamesContextMenus;
class GamesListHandler;
class IwadForm;
class LaunchHandler;
class LauncherShell;
class MapListHandler;
class ModelsController;
class PlaylistController;
class TipsWindow;
class SaveListHandler;
class ZipExtraction;
class AvailabilityController;
class TexturePathController;

// The main window's handlers that reach beyond one tab page, created together and wired to
// each other. They live as long as the window. The IWAD window is created when it is first
// needed and keeps its location lines for the rest of the run; until then the start-up's
// locations are kept for it.
class MainFormHandlers : public QObject, private IwadWindowHost
{
    Q_OBJECT

public:
    // window: the parts of the main window the launch uses, which the other handlers share;
    // basicDoom, hiResTextures and noMonsters are its "Basic Doom mode", "High resolution
    // textures" and "No monsters".
    MainFormHandlers(LauncherContext& context, LaunchHandler::Window window, QCheckBox& basicDoom,
                     QCheckBox& hiResTextures, QCheckBox* noMonsters = nullptr);
    ~MainFormHandlers() override;

    CheckerTool& checker() { return *m_checker; }
    TexturePathController& texturePaths() { return *m_texturePaths; }
    AvailabilityController& options() { return *m_options; }
    MapListHandler& maps() { return *m_maps; }
    GamesListHandler& games() { return *m_games; }
    SaveListHandler& saves() { return *m_saves; }
    GamesContextMenus& menus() { return *m_menus; }
    GameRecords& records() { return *m_records; }
    LaunchHandler& launch() { return *m_launch; }
    PlaylistController& playlists() { return *m_playlists; }
    ModelsController& models() { return *m_models; }
    TipsWindow& tips() { return *m_tips; }
    CommandButtons& commands() { return *m_commandButtons; }
    ZipExtraction& zips() { return *m_zips; }

    // The start-up load's locations, for the IWAD window now or when it is built.
    void listStartupIwads(const IwadLoadResult& result);
    // At least one IWAD location is known (the IWAD window's first line is filled).
    bool iwadLocationKnown() const;
    // Shows the IWAD window modally.
    void showIwadWindow();
    // A command button (AuxButton_0..8) was clicked.
    void runCommand(int index);
    // The font window. "OK" keeps the chosen font in font.z3d, "Default" removes the file;
    // both end the launcher, which starts again in the new font.
    void showFontWindow();
    // The home picture: the project's website in the associated program.
    void openWebsite();
    // The player chose to leave the launcher from the IWAD window.
    bool exitRequested() const { return m_exitRequested; }

private:
    // The IWAD window, built (with the start-up's locations) on the first call.
    IwadForm& iwadWindow();
    void connectMenus();
    // Gathers the controls and writes config.z3d (not while a settings reset is pending).
    void saveSettings();

    LauncherContext& m_context;
    QWidget& m_window;
    LauncherShell& m_shell;
    std::unique_ptr<CheckerTool> m_checker;
    std::unique_ptr<GameRecords> m_records;
    // One extraction for the whole run: a declined password holds until the launcher ends.
    std::unique_ptr<ZipExtraction> m_zips;
    TexturePathController* m_texturePaths;
    AvailabilityController* m_options;
    MapListHandler* m_maps;
    SaveListHandler* m_saves;
    GamesContextMenus* m_menus;
    GameFileChoice* m_files;
    GamesListHandler* m_games;
    LaunchHandler* m_launch;
    PlaylistController* m_playlists;
    TipsWindow* m_tips;
    IwadForm* m_iwadWindow = nullptr;
    std::optional<IwadLoadResult> m_startupIwads;
    std::unique_ptr<GameOperations> m_gameOperations;
    std::unique_ptr<ArchiveOperations> m_archiveOperations;
    CommandButtons* m_commandButtons;
    ModelsController* m_models;
    bool m_exitRequested = false;

    bool showsCommercialGames() const override;
    void refillCommercialGames() override;
    void clearGameLists() override;
    void recomputeLaunchMap() override;
    void showMainWindow() override;
    void selectFirstGame() override;
    void exitLauncher() override;
};

} // namespace z3d
