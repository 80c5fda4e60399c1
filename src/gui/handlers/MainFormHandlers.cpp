#include "gui/handlers/MainFormHandlers.h"

#include "core/app/LauncherContext.h"
#include "core/inspect/CheckerTool.h"
#include "core/library/ArchiveOperations.h"
#include "core/library/GameOperations.h"
#include "core/library/GameRecords.h"
#include "core/library/ZipExtraction.h"
#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "core/services/Processes.h"
#include "core/settings/SettingsFile.h"
#include "gui/CommandBar.h"
#include "gui/dialogs/FontForm.h"
#include "gui/dialogs/IwadForm.h"
#include "gui/handlers/AvailabilityController.h"
#include "gui/handlers/CommandButtons.h"
#include "gui/handlers/GameFileChoice.h"
#include "gui/handlers/GamesContextMenus.h"
#include "gui/handlers/GamesListHandler.h"
#include "gui/handlers/LauncherShell.h"
#include "gui/handlers/LaunchHandler.h"
#include "gui/handlers/MapListHandler.h"
#include "gui/handlers/ModelsController.h"
#include "gui/handlers/PlaylistController.h"
#include "gui/handlers/SaveListHandler.h"
#include "gui/handlers/TipsWindow.h"
#include "gui/LauncherFont.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tabs/TabPages.h"
#include "gui/TexturePathController.h"

#include <QAction>
#include <QWidget>

namespace z3d {

namespace {

const QString kWebsite = QStringLiteral("https://z3dlauncher.example/");

LibraryScope libraryScope(LauncherContext& context)
{
    return {context.paths,           context.selection, context.settings,
            context.customFontInUse, *context.dialogs,  context.progress};
}

} // namespace

MainFormHandlers::MainFormHandlers(LauncherContext& context, LaunchHandler::Window window,
                                   QCheckBox& basicDoom, QCheckBox& hiResTextures,
                                   QCheckBox* noMonsters)
    : QObject(&window.widget), m_context(context), m_window(window.widget), m_shell(window.shell),
      m_checker(std::make_unique<CheckerTool>(context.paths, *context.processes, context.progress)),
      m_records(std::make_unique<GameRecords>(context.paths)),
      m_zips(std::make_unique<ZipExtraction>(*context.dialogs, context.progress)),
      m_texturePaths(new TexturePathController(context, *window.pages.graphics(), window.shell)),
      m_options(new AvailabilityController(context, window.pages, basicDoom, hiResTextures,
                                           *m_texturePaths, noMonsters)),
      m_maps(new MapListHandler(context, *window.pages.games(), window.shell)),
      m_saves(
          new SaveListHandler(context, *window.pages.games(), window.shell, *m_records, *m_maps)),
      m_menus(new GamesContextMenus(context, *window.pages.games())),
      m_files(new GameFileChoice(context, *window.pages.games(), window.shell,
                                 {*m_checker, *m_records, *m_maps, *m_saves})),
      m_games(new GamesListHandler(context, *window.pages.games(), window.shell,
                                   {*m_checker, *m_zips, *m_maps, *m_saves, *m_menus, *m_files})),
      m_launch(new LaunchHandler(context, window, *m_options, *m_checker)),
      m_playlists(new PlaylistController(context, *window.pages.sound(), window.widget)),
      m_tips(new TipsWindow(context.settings, context.paths, window.widget)),
      m_gameOperations(std::make_unique<GameOperations>(libraryScope(context), *m_games)),
      m_archiveOperations(std::make_unique<ArchiveOperations>(libraryScope(context), *m_games)),
      m_commandButtons(new CommandButtons(context, window.shell, *m_games, *m_launch, *m_zips)),
      m_models(new ModelsController(context, *window.pages.models(), *m_options, window.widget))
{
    connect(m_files, &GameFileChoice::spriteOptionsLockDue, m_options,
            &AvailabilityController::lockSpriteOptions);
    connect(m_games, &GamesListHandler::spriteOptionsLockDue, m_options,
            &AvailabilityController::lockSpriteOptions);
    connectMenus();
    connect(m_launch, &LaunchHandler::iwadWindowWanted, this, &MainFormHandlers::showIwadWindow);
    connect(m_launch, &LaunchHandler::unloadAllWanted, this, [this] {
        if (m_iwadWindow)
            m_iwadWindow->close();
        m_window.close();
    });
    connect(m_saves, &SaveListHandler::gameReselectionDue, m_games, &GamesListHandler::selectGame);
    connect(m_maps, &MapListHandler::mapChosen, m_files, &GameFileChoice::saveChosenMap);
    connect(m_files, &GameFileChoice::gameReselectionDue, m_games,
            &GamesListHandler::selectGameNamed);
    connect(m_commandButtons, &CommandButtons::settingsSaveDue, this,
            &MainFormHandlers::saveSettings);
    connect(window.pages.games(), &GamesTab::filesDropped, m_commandButtons,
            &CommandButtons::installDroppedFiles);
}

MainFormHandlers::~MainFormHandlers() = default;

void MainFormHandlers::connectMenus()
{
    const auto on = [this](const char* item, auto operation) {
        connect(m_menus->item(QString::fromLatin1(item)), &QAction::triggered, this, operation);
    };
    GameOperations* games = m_gameOperations.get();
    on("mcDeleteFile", [games] { games->deleteGameFile(); });
    on("mcDeleteFolder", [games] { games->uninstallGame(); });
    on("mcRenameFolder", [games] { games->renameGame(); });
    on("mcUdirConvert", [games] { games->convertToAutoLoading(); });
    on("mcGwadConvert", [games] { games->convertToManualLoading(); });
    ArchiveOperations* archives = m_archiveOperations.get();
    on("mcUdirUnZip", [archives] { archives->installArchiveAsGame(); });
    on("mcGwadUnZip", [archives] { archives->installArchiveAsUserDirectory(); });
    on("mcRenameArchive", [archives] { archives->renameArchive(); });
    on("mcDeleteArchive", [archives] { archives->deleteArchive(); });
}

void MainFormHandlers::runCommand(int index)
{
    if (index == CommandBar::IwadLocations)
        showIwadWindow();
    else if (index == CommandBar::ModelCleanup)
        m_models->runCleanup();
    else if (index == CommandBar::Font)
        showFontWindow();
    else
        m_commandButtons->run(index);
}

void MainFormHandlers::showFontWindow()
{
    FontForm form(m_context.font, m_context.customFontInUse, &m_window);
    const int result = form.exec();
    if (result != FontForm::FontChosen && result != FontForm::DefaultChosen)
        return;
    const QString launcherDir = m_context.paths.launcherDir;
    const FontSettings chosen = form.chosenFont();
    const ErrorNumber error =
        result == FontForm::FontChosen
            ? FontSettings::write(launcherDir, chosen)
            : FileOperations::deleteFileIfExists(FontSettings::filePath(launcherDir));
    if (error != ErrorNumber::None) {
        // A restart would come up in the old font: say so and stay.
        m_context.dialogs->messageBox(
            QStringLiteral("The font choice cannot be kept: font.z3d cannot be changed (error ") +
                QString::number(errorCode(error)) + QStringLiteral(")."),
            MsgButtonsOk | MsgIconExclamation, QStringLiteral(" Font"));
        return;
    }
    if (result == FontForm::FontChosen) {
        m_context.font = chosen;
        m_context.customFontInUse = true;
        LauncherFont::apply(m_window, chosen);
    }
    m_context.startup.restartOnExit = true;
    m_window.close();
}

void MainFormHandlers::openWebsite()
{
    m_context.processes->openWithAssociatedProgram(kWebsite);
}

void MainFormHandlers::saveSettings()
{
    m_shell.gatherSettings(m_context.settings);
    if (!m_context.startup.settingsReset)
        SettingsFile::write(
            PathResolver::resolveUnder(m_context.paths.launcherDir, SettingsFile::kFileName),
            m_context.settings, m_context.startup.wineMode);
}

IwadForm& MainFormHandlers::iwadWindow()
{
    if (!m_iwadWindow) {
        m_iwadWindow = new IwadForm(m_context, *this, &m_window);
        if (m_startupIwads)
            m_iwadWindow->showStartupLocations(*m_startupIwads);
    }
    return *m_iwadWindow;
}

void MainFormHandlers::listStartupIwads(const IwadLoadResult& result)
{
    m_startupIwads = result;
    if (m_iwadWindow)
        m_iwadWindow->showStartupLocations(result);
}

bool MainFormHandlers::iwadLocationKnown() const
{
    if (m_iwadWindow)
        return m_iwadWindow->hasLocation();
    return m_startupIwads && !m_startupIwads->lines.front().isEmpty();
}

void MainFormHandlers::showIwadWindow()
{
    iwadWindow().exec();
}

bool MainFormHandlers::showsCommercialGames() const
{
    return m_games->showsCommercialGames();
}

void MainFormHandlers::refillCommercialGames()
{
    m_games->fillCommercialGamesList();
    m_games->selectFirstGame();
}

void MainFormHandlers::clearGameLists()
{
    m_games->clearGameLists();
}

void MainFormHandlers::recomputeLaunchMap()
{
    m_maps->updateLaunchMapAndIwad();
}

void MainFormHandlers::showMainWindow()
{
    m_window.setEnabled(true);
    m_window.show();
}

void MainFormHandlers::selectFirstGame()
{
    m_games->selectFirstGame();
}

void MainFormHandlers::exitLauncher()
{
    // The launcher ends through the main window's unload step, which writes the settings.
    m_exitRequested = true;
    if (m_iwadWindow)
        m_iwadWindow->hide();
    m_window.hide();
    m_window.close();
}

} // namespace z3d
