#include "gui/LauncherStartup.h"

#include "core/app/Dependencies.h"
#include "core/app/LauncherContext.h"
#include "core/app/StartupMessages.h"
#include "core/app/StartupTrace.h"
#include "core/inspect/AddonFace.h"
#include "core/library/InstalledGamesPrefetch.h"
#include "core/library/ScriptedMapTable.h"
#include "core/library/ZipExtraction.h"
#include "core/platform/ExecutableFolder.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallationLock.h"
#include "core/platform/PathResolver.h"
#include "core/platform/SingleInstance.h"
#include "core/platform/StaleTemporarySweep.h"
#include "core/services/Dialogs.h"
#include "core/services/Processes.h"
#include "core/settings/SettingsFile.h"
#include "gui/handlers/AvailabilityController.h"
#include "gui/handlers/GamesListHandler.h"
#include "gui/handlers/LaunchHandler.h"
#include "gui/handlers/MainFormHandlers.h"
#include "gui/handlers/MapListHandler.h"
#include "gui/handlers/TipsWindow.h"
#include "gui/LauncherFont.h"
#include "gui/MainFormLifecycle.h"
#include "gui/mainwindow.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tabs/OptionsTab.h"
#include "gui/tabs/TabPages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>

namespace z3d {

namespace msg = startup_messages;

LauncherStartup::LauncherStartup(LauncherContext& context, QString launcherFolder,
                                 QStringList arguments, QString lockFolder)
    : m_context(context), m_launcherFolder(std::move(launcherFolder)),
      m_arguments(std::move(arguments)), m_lockFolder(std::move(lockFolder))
{
}

LauncherStartup::~LauncherStartup() = default;

LauncherStartup::Outcome LauncherStartup::run()
{
    StartupState& startup = m_context.startup;
    startup.engineVersion = kEngineVersion;
    m_context.paths = InstallPaths::fromLauncherFolder(m_launcherFolder);
    if (!ExecutableFolder::holdsInstallRoot(m_launcherFolder, m_context.paths.installRoot)) {
        // Before anything is read or written: a root near the real one is another folder.
        m_context.dialogs->messageBox(msg::unreachableInstallationFolder(m_launcherFolder),
                                      MsgIconCritical, msg::kInstallationFolderTitle);
        end();
        return Outcome::Ended;
    }
    InstallationLock::setInstallation(m_context.paths.launcherDir);
    startup.launcherVersion = kLauncherVersion;

    if (!checkSettingsVersion())
        return Outcome::Ended;
    readFontSettings();
    const QString config =
        PathResolver::resolveUnder(m_context.paths.launcherDir, SettingsFile::kFileName);
    if (startup.settingsReset)
        FileOperations::deleteFileIfExists(config);
    if (!probeWritePermission())
        return Outcome::Ended;
    QDir::setCurrent(m_context.paths.installRoot);

    startup.missingDependency = findMissingDependency(m_context.paths.installRoot);
    if (!startup.missingDependency.isEmpty()) {
        createMainWindow();
        // The load step may already have ended the launcher (a configuration error).
        if (!m_lifecycle->load() || m_ended)
            return Outcome::Ended;
        m_window->setVisible(true);
        m_context.dialogs->messageBox(msg::missingDependency(startup.missingDependency),
                                      MsgSystemModal, msg::kStartupErrorTitle);
        shutdownLauncher();
        return Outcome::Ended;
    }

    startup.windowTitle = buildWindowTitle(startup.launcherVersion, startup.engineVersion);
    const LauncherSwitch launcherSwitch = parseLauncherSwitch(m_arguments);
    startup.wineMode = launcherSwitch == LauncherSwitch::Wine;
    startup.restarted = launcherSwitch == LauncherSwitch::Restart;
    if (!ensureSingleInstance())
        return Outcome::SecondInstance;
    // The games folder is scanned beside the building of the window, for the games list.
    auto gamesPrefetch = std::make_unique<InstalledGamesPrefetch>(m_context.paths.gamesDir);
    m_gameFoldersSweep = std::make_unique<StaleTemporarySweep>(m_context.paths);
    StartupTrace::mark("start-up checks");

    createMainWindow();
    GamesListHandler& games = m_handlers->games();
    games.usePrefetchedScan(std::move(gamesPrefetch));
    const bool loaded = m_lifecycle->load();
    // Only the load step's fill may take the start-up's scan: a later one, maybe minutes on,
    // lists the folder as it is then. A scan the load did not take (another view was shown) is
    // let finish beside the window rather than waited for before it.
    const std::unique_ptr<InstalledGamesPrefetch> untakenScan = games.dropPrefetchedScan();
    if (!loaded || m_ended)
        return Outcome::Ended;
    StartupTrace::mark("load step");
    if (startup.settingsReset)
        FileOperations::deleteFileIfExists(config);
    m_window->show();
    StartupTrace::mark("window shown");
    QCoreApplication::processEvents();
    StartupTrace::mark("first events handled");
    // Showing the window activates it on a desktop; where nothing activates it (no window
    // manager, offscreen) its activation step still runs once.
    if (!m_window->isActiveWindow())
        m_lifecycle->activate();
    // A remembered zip extracted by the load step failed before there was a window to say so.
    m_handlers->zips().tellUntoldFailure();
    if (m_context.settings.showTips && startup.missingDependency.isEmpty())
        m_handlers->tips().show();
    StartupTrace::mark("start-up done");
    m_running = !m_ended;
    // The games' files folders are swept beside the running launcher, not before its window.
    if (m_running)
        m_gameFoldersSweep->begin();
    return m_ended ? Outcome::Ended : Outcome::Running;
}

bool LauncherStartup::checkSettingsVersion()
{
    const QString config =
        PathResolver::resolveUnder(m_context.paths.launcherDir, SettingsFile::kFileName);
    ErrorNumber error = ErrorNumber::None;
    switch (SettingsFile::checkVersion(config, &error)) {
    case SettingsVersion::Missing:
    case SettingsVersion::Current:
        return true;
    case SettingsVersion::Outdated:
        m_context.startup.settingsReset = true;
        return true;
    case SettingsVersion::Corrupt:
        break;
    }
    if (error == ErrorNumber::PermissionDenied || error == ErrorNumber::PathFileAccessError) {
        reportStartupError(error);
        return false;
    }
    // An empty or locked file: defaults and the corrupt-file notice. The rest of the start-up
    // runs as usual, so the window still gets its title and the other checks still happen.
    m_context.startup.settingsReset = true;
    m_context.startup.settingsCorrupt = true;
    return true;
}

bool LauncherStartup::probeWritePermission()
{
    const ErrorNumber error = FileOperations::probeWritePermission(m_context.paths.launcherDir);
    if (error == ErrorNumber::None)
        return true;
    reportStartupError(error);
    return false;
}

bool LauncherStartup::ensureSingleInstance()
{
    m_instance =
        m_lockFolder.isEmpty()
            ? std::make_unique<SingleInstance>(m_context.startup.windowTitle)
            : std::make_unique<SingleInstance>(m_context.startup.windowTitle, m_lockFolder);
    connect(m_instance.get(), &SingleInstance::raiseRequested, this, &LauncherStartup::raiseWindow);
    if (m_context.startup.restarted) {
        // The old instance may still be closing: take the lock as soon as it lets go.
        m_instance->acquireWhenFree();
        return true;
    }
    if (m_instance->tryAcquire())
        return true;
    m_instance->requestRaise();
    return false;
}

void LauncherStartup::createMainWindow()
{
    if (m_window)
        return;
    m_window = std::make_unique<MainWindow>(m_context.settings);
    m_window->setObjectName(QStringLiteral("MainForm"));
    m_window->setInstallPaths(m_context.paths);
    m_window->setWineMode(m_context.startup.wineMode);
    StartupTrace::mark("main window built");
    MainFormHandlers& handlers = attachHandlers(m_context, *m_window);
    StartupTrace::mark("handlers built");
    m_handlers = &handlers;
    m_lifecycle = new MainFormLifecycle(m_context, *m_window, handlers);
    connect(m_window.get(), &MainWindow::titlePictureDoubleClicked, m_lifecycle,
            &MainFormLifecycle::showNextTitlePicture);
    connect(m_window.get(), &MainWindow::restoredFromMinimised, m_lifecycle,
            &MainFormLifecycle::resetAfterLaunch);
    connect(m_lifecycle, &MainFormLifecycle::configurationErrorFound, this,
            &LauncherStartup::configurationError);
    connect(m_lifecycle, &MainFormLifecycle::unloaded, this, &LauncherStartup::end);
    emit mainWindowCreated(m_window.get());
}

MainFormHandlers& LauncherStartup::attachHandlers(LauncherContext& context, MainWindow& window)
{
    auto& handlers = *new MainFormHandlers(
        context, {window, window.pages(), window.shell(), window.changeFlags()},
        *window.chkMain(MainWindow::kBasicDoomBox), *window.chkMain(MainWindow::kHiResTexturesBox),
        window.chkMain(MainWindow::kNoMonstersBox));
    window.setScriptedMapModelsInstalled(
        ScriptedMapTable::anyScriptedMapModelsInstalled(context.paths));
    connect(&window, &MainWindow::launchRequested, &handlers.launch(),
            &LaunchHandler::launchButtonClick);
    connect(&window, &MainWindow::auxButtonClicked, &handlers, &MainFormHandlers::runCommand);
    AvailabilityController* options = &handlers.options();
    connect(&window, &MainWindow::basicDoomChanged, options, &AvailabilityController::basicDoom);
    connect(&window, &MainWindow::hiResOptionsRefreshDue, options,
            [options] { options->refreshHiResOptions(); });
    connect(&window, &MainWindow::soundPackOptionRefreshDue, options,
            &AvailabilityController::refreshSoundPackOption);
    connect(&window, &MainWindow::modelOptionsRefreshDue, options,
            &AvailabilityController::refreshModelOptions);
    for (int box = 0; box < MainWindow::kMainBoxCount; ++box)
        connect(window.chkMain(box), &QCheckBox::toggled, options,
                &AvailabilityController::refreshModelOptions);
    window.pages().games()->showGameTips([&context](const AddonFaceEntry& entry) {
        return AddonFace::read(entry, context.paths, context.iwads);
    });
    GamesListHandler* games = &handlers.games();
    connect(&window, &MainWindow::gamesListViewChosen, games,
            [games](int view) { games->switchGamesList(static_cast<GamesListMode>(view)); });
    connect(games, &GamesListHandler::selectingChanged, &window,
            &MainWindow::setGamesListSelecting);
    connect(&window, &MainWindow::skillChosen, &handlers.maps(), &MapListHandler::setMapFocus);
    connect(&window, &MainWindow::homeClicked, &handlers, &MainFormHandlers::openWebsite);
    OptionsTab* preferences = window.pages().options();
    TipsWindow* tips = &handlers.tips();
    connect(preferences, &OptionsTab::tipsWindowWanted, tips, &TipsWindow::show);
    connect(tips, &TipsWindow::showAtStartupTurnedOff, preferences,
            &OptionsTab::uncheckTipOfTheDay);
    return handlers;
}

void LauncherStartup::readFontSettings()
{
    const std::optional<FontSettings> font = FontSettings::read(m_context.paths.launcherDir);
    if (!font)
        return;
    m_context.font = *font;
    m_context.customFontInUse = !font->name.isEmpty();
    if (m_context.customFontInUse)
        qApp->installEventFilter(new LauncherFont(*font, this));
}

void LauncherStartup::raiseWindow()
{
    if (!m_window)
        return;
    if (m_window->isMinimized())
        m_window->showNormal();
    else
        m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void LauncherStartup::reportStartupError(ErrorNumber error)
{
    switch (error) {
    case ErrorNumber::PermissionDenied:
    case ErrorNumber::PathFileAccessError:
        m_context.dialogs->messageBox(msg::kRestrictedText, MsgIconExclamation,
                                      msg::kRestrictedTitle);
        break;
    case ErrorNumber::ComponentMissing:
        m_context.dialogs->messageBox(msg::kInstallationErrorText, MsgIconCritical,
                                      msg::kInstallationErrorTitle);
        break;
    default:
        m_context.dialogs->messageBox(msg::kUnknownErrorText, MsgIconCritical,
                                      msg::kUnknownErrorTitle);
        break;
    }
    end();
}

void LauncherStartup::configurationError()
{
    StartupState& startup = m_context.startup;
    m_lifecycle->centreWindow();
    startup.settingsReset = true;
    FileOperations::deleteFileIfExists(
        PathResolver::resolveUnder(m_context.paths.launcherDir, SettingsFile::kFileName));
    m_context.dialogs->messageBox(msg::kConfigurationErrorText, MsgSystemModal,
                                  msg::kConfigurationErrorTitle);
    // Asked to end while the notice was open (a logout): the launcher ends, not restarts.
    if (m_ended)
        return;
    m_context.processes->startProgram(relaunchCommandLine(m_context.paths.installRoot),
                                      m_context.paths.installRoot);
    shutdownLauncher();
}

void LauncherStartup::shutdownLauncher()
{
    m_context.startup.shuttingDown = true;
    if (m_window) {
        m_window->hide();
        m_window->close();
    }
    end();
}

void LauncherStartup::terminate()
{
    if (m_running && m_lifecycle)
        m_lifecycle->unload(true);
    shutdownLauncher();
}

void LauncherStartup::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_gameFoldersSweep.reset();
    m_instance.reset();
    emit ended();
}

} // namespace z3d
