#include "gui/MainFormLifecycle.h"

#include "core/app/LauncherContext.h"
#include "core/app/ModelFolderTidy.h"
#include "core/app/StartupMessages.h"
#include "core/app/StartupTrace.h"
#include "core/app/TitlePictures.h"
#include "core/iwads/IwadStartupLoad.h"
#include "core/library/ScriptedMapTable.h"
#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "core/services/Processes.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsLoader.h"
#include "core/settings/SettingsTable.h"
#include "gui/FramePlacement.h"
#include "gui/handlers/AvailabilityController.h"
#include "gui/handlers/GamesListHandler.h"
#include "gui/handlers/MainFormHandlers.h"
#include "gui/handlers/ModelsController.h"
#include "gui/handlers/PlaylistController.h"
#include "gui/handlers/SaveListHandler.h"
#include "gui/handlers/TipsWindow.h"
#include "gui/LauncherWindow.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tabs/GraphicsTab.h"
#include "gui/tabs/ModelsTab.h"
#include "gui/tabs/OptionsTab.h"
#include "gui/tabs/SoundTab.h"
#include "gui/tabs/TabPages.h"
#include "gui/WindowPosition.h"

#include <QEvent>
#include <QScreen>

namespace z3d {

namespace {

QString under(const LauncherContext& context, const char* relative)
{
    return context.paths.under(QString::fromLatin1(relative));
}

bool fileUnder(const LauncherContext& context, const char* relative)
{
    return PathResolver::fileExists(under(context, relative));
}

} // namespace

MainFormLifecycle::MainFormLifecycle(LauncherContext& context, LauncherWindow& window,
                                     MainFormHandlers& handlers)
    : QObject(&window.widget()), m_context(context), m_window(window), m_widget(&window.widget()),
      m_handlers(handlers)
{
    m_widget->installEventFilter(this);
}

MainFormLifecycle::~MainFormLifecycle() = default;

bool MainFormLifecycle::eventFilter(QObject* watched, QEvent* event)
{
    // The window's own pointer, not a call on it: the filter also sees the events sent while
    // the window is being destroyed, when it is no longer a launcher window.
    if (watched == m_widget) {
        if (event->type() == QEvent::WindowActivate)
            activate();
        else if (event->type() == QEvent::Close)
            unload();
    }
    return QObject::eventFilter(watched, event);
}

bool MainFormLifecycle::load()
{
    // The launcher font, when one is chosen, reaches this window as it is first laid out.
    m_window.fixFullSize();
    prepareInstallationFolders();
    if (!loadSettings())
        return false;
    StartupTrace::mark("load: settings read");
    showTitlePicture();
    if (!m_context.settings.showTips)
        m_handlers.tips().loadHidden();
    if (!m_context.settings.disableTooltips)
        setToolTips();
    if (!m_context.settings.advancedOptions) {
        m_window.defaultMode();
        if (m_context.settings.gamesListView == 1)
            m_window.pages().games()->chooseView(1);
    }
    showCurrentResolution();
    findAndListIwads();
    StartupTrace::mark("load: title, tips, tooltips, layout, IWADs");

    const QString zips = PathResolver::resolveUnder(m_context.paths.launcherDir, "Zips");
    if (m_context.settings.lastAfterLaunchAction == 2 && PathResolver::folderExists(zips))
        FileOperations::deleteMatching(zips, QStringLiteral("*.*"));

    placeWindow();
    // Applying the settings fills the games list and runs its selection chain, which must
    // know already that the game starts from new: no map is then chosen or remembered.
    if (m_context.settings.skill == 0)
        m_context.launch.kind = LaunchKind::NewGame;
    if (!m_window.applySettings(m_context.settings)) {
        emit configurationErrorFound();
        return false;
    }
    StartupTrace::mark("load: settings on the window (games list)");
    buildPlaylists();
    StartupTrace::mark("load: playlists");
    if (m_context.settings.developmentMode)
        m_window.offerDevelopmentMode();
    if (m_context.settings.afterLaunchOption == 0)
        m_window.offerNormalExit();
    m_handlers.games().restoreInitialSelection(
        static_cast<GamesListMode>(m_context.settings.gamesListView));
    // The Games tab was shown before its lists were filled: its buttons follow them now, as
    // they do when the layout is switched.
    m_window.updateLaunchButtons();
    m_window.adjustTabFrames();
    showIwadWindowWhenNoIwadIsKnown();
    if (m_handlers.exitRequested())
        return false;
    m_handlers.options().applyAtLoad();
    m_window.selectStartupOptions();
    if (!m_context.settings.playlistFrameFlag)
        m_window.pages().sound()->showPlaylistFrame();
    showSettingsResetNotice();
    showStoredValueCaptions();
    setModelOptions();
    m_window.pages().games()->offerScriptedMapsToggle(
        ScriptedMapTable::anyScriptedMapModelsInstalled(m_context.paths) &&
        m_context.settings.advancedOptions && m_context.settings.gamesListView == 0);
    m_window.widget().setWindowTitle(m_context.startup.windowTitle);
    m_context.texture.windowLoaded = true;
    return true;
}

void MainFormLifecycle::setToolTips()
{
    m_window.toolTipText();
}

void MainFormLifecycle::prepareInstallationFolders()
{
    if (fileUnder(m_context, "Md2/Orrinpack/orrinpack.wad"))
        m_context.orrinpackModelDir = under(m_context, "md2/Orrinpack");
    if (!PathResolver::folderExists(m_context.paths.gamesDir))
        FileOperations::createFolder(under(m_context, "Z3DGames"));
    const QString gameInfo = PathResolver::resolveUnder(m_context.paths.launcherDir, "GameInfo");
    if (!PathResolver::folderExists(gameInfo))
        FileOperations::createFolder(gameInfo);
    m_context.extraFxInstalled = PathResolver::fileExists(
        PathResolver::resolveUnder(m_context.paths.addonDefsDir, QStringLiteral("ExtraFX.ded")));
}

bool MainFormLifecycle::loadSettings()
{
    const QSize screen = m_window.widget().screen()->geometry().size();
    const Twips twips = m_window.twips();
    LoadedSettings loaded =
        SettingsLoader::load(m_context.paths, m_context.startup.wineMode,
                             twips.fromWidth(screen.width()), twips.fromHeight(screen.height()));
    m_context.paths = loaded.paths;
    m_context.texture.texturePath = loaded.texturePath;
    if (loaded.result.outcome == SettingsReadOutcome::ConversionError) {
        emit configurationErrorFound();
        return false;
    }
    m_context.settings = loaded.result.settings;
    m_positionSaved = loaded.result.linesRead >= SettingsTable::storedLineCount(false);
    // A corpse time of 0 leaves nothing for the resurrection to fade.
    if (loaded.result.corpseFadeZero)
        m_context.settings.resurrectWithFade = false;
    m_window.pages().models()->clearDefinitions();
    loadDefinitionLists();
    return true;
}

void MainFormLifecycle::showTitlePicture()
{
    const TitlePictures::Choice choice = TitlePictures::choose(
        TitlePictures::list(m_context.paths.launcherDir), m_context.settings.titlePictureIndex);
    if (choice.path.isEmpty())
        return;
    m_context.settings.titlePictureIndex = choice.index;
    m_window.showTitlePicture(choice.path);
}

void MainFormLifecycle::showNextTitlePicture()
{
    ++m_context.settings.titlePictureIndex;
    showTitlePicture();
}

void MainFormLifecycle::showCurrentResolution()
{
    m_displayMode = DisplayMode::read(m_context.paths.installRoot);
    m_window.pages().graphics()->showDisplayMode(m_displayMode);
}

void MainFormLifecycle::resetAfterLaunch()
{
    if (!m_context.launch.launchPending)
        return;
    m_context.launch.launchPending = false;
    const QString save = m_context.selection.lastSaveEntry;
    m_handlers.games().selectGame();
    if (!save.isEmpty())
        m_handlers.saves().selectSlot(save.left(1));
    if (m_displayMode.changedOnDisk(m_context.paths.installRoot))
        showCurrentResolution();
}

void MainFormLifecycle::loadDefinitionLists()
{
    m_handlers.models().loadDefinitions();
}

void MainFormLifecycle::setModelOptions()
{
    m_handlers.options().modelOptionsAtLoad();
}

void MainFormLifecycle::saveSettings(bool systemEnding)
{
    const ErrorNumber settings = SettingsFile::write(
        PathResolver::resolveUnder(m_context.paths.launcherDir, SettingsFile::kFileName),
        m_context.settings, m_context.startup.wineMode);
    const ErrorNumber definitions = m_handlers.models().saveDefinitions();
    if (systemEnding || (settings != ErrorNumber::DiskFull && definitions != ErrorNumber::DiskFull))
        return;
    m_context.dialogs->messageBox(startup_messages::kSettingsDiskFullText, MsgIconExclamation,
                                  startup_messages::kSettingsNotSavedTitle);
}

void MainFormLifecycle::findAndListIwads()
{
    m_handlers.listStartupIwads(
        loadIwadsAtStartup(m_context.iwads, m_context.paths, m_context.settings));
}

void MainFormLifecycle::buildPlaylists()
{
    m_handlers.playlists().buildBuiltInPlaylists();
}

void MainFormLifecycle::showIwadWindowWhenNoIwadIsKnown()
{
    if (!m_handlers.iwadLocationKnown())
        m_handlers.showIwadWindow();
}

void MainFormLifecycle::centreWindow()
{
    const QRect screen = m_window.widget().screen()->geometry();
    FramePlacement::place(m_window.widget(), [screen](const QSize& frame) {
        return QPoint(screen.left() + (screen.width() - frame.width()) / 2,
                      screen.top() + (screen.height() - frame.height()) / 2);
    });
}

void MainFormLifecycle::placeWindow()
{
    const Twips twips = m_window.twips();
    const QRect screen = m_window.widget().screen()->geometry();
    const int screenWidth = twips.fromWidth(screen.width());
    const int screenHeight = twips.fromHeight(screen.height());
    if (m_context.startup.wineMode) {
        centreWindow();
        m_window.showWineMarker();
        return;
    }
    // Without a saved position (the first run) the window is centred by its own frame, not
    // by the full layout's size the default position was worked out from.
    const LauncherSettings& settings = m_context.settings;
    if (!m_positionSaved || screenHeight < settings.windowTop ||
        screenWidth < settings.windowLeft) {
        centreWindow();
        return;
    }
    m_window.widget().move(screen.left() + twips.width(settings.windowLeft),
                           screen.top() + twips.height(settings.windowTop));
}

void MainFormLifecycle::showSettingsResetNotice()
{
    StartupState& startup = m_context.startup;
    if (!startup.settingsReset)
        return;
    startup.settingsReset = false;
    m_window.widget().setVisible(true);
    const QString& text = startup.settingsCorrupt ? startup_messages::kCorruptConfigText
                                                  : startup_messages::kVersionUpgradeText;
    startup.settingsCorrupt = false;
    m_context.dialogs->messageBox(text, MsgSystemModal,
                                  startup_messages::versionUpdateTitle(startup.launcherVersion));
}

void MainFormLifecycle::showStoredValueCaptions()
{
    OptionsTab* options = m_window.pages().options();
    options->showCorpseCaption();
    options->showGrenadeCaption();
}

void MainFormLifecycle::activate()
{
    // Only when nothing is selected: each activation would otherwise take the player's
    // choice away again.
    if (m_context.settings.lastDoomGame.isEmpty())
        m_handlers.games().selectFirstGameWhenNoneIs();
    m_handlers.playlists().checkAutoPlaylistFile();
}

void MainFormLifecycle::rememberWindowPosition()
{
    if (m_context.startup.wineMode)
        return;
    if (m_window.widget().windowState() &
        (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    storeWindowPosition(m_window.widget(), m_context.settings);
}

void MainFormLifecycle::unload(bool systemEnding)
{
    StartupState& startup = m_context.startup;
    if (startup.shuttingDown || m_unloaded)
        return;
    m_unloaded = true;
    rememberWindowPosition();
    FileOperations::deleteFileIfExists(
        PathResolver::resolveUnder(m_context.paths.launcherDataDir, "pwad.z3d"));
    m_window.gatherSettings(m_context.settings);
    if (!startup.settingsReset)
        saveSettings(systemEnding);
    FileOperations::deleteFileIfExists(
        PathResolver::resolveUnder(m_context.paths.launcherDir, "launch.txt"));
    tidyModelFolders(m_context.paths);
    if (startup.restartOnExit)
        m_context.processes->startProgram(relaunchCommandLine(m_context.paths.installRoot),
                                          m_context.paths.installRoot);
    // The window may have been hidden before it was closed (after a launch, or when the
    // player leaves from the IWAD window): the end cannot wait for "the last visible window".
    emit unloaded();
}

} // namespace z3d
