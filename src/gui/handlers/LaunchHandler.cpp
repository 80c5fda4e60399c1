#include "gui/handlers/LaunchHandler.h"

#include "core/app/LauncherContext.h"
#include "core/desktop/ShortcutNames.h"
#include "core/desktop/Shortcuts.h"
#include "core/inspect/CheckerTool.h"
#include "core/launch/LaunchAssembler.h"
#include "core/launch/LaunchMessages.h"
#include "core/launch/LaunchProbe.h"
#include "core/library/GameFiles.h"
#include "core/library/ScriptedMapTable.h"
#include "core/library/SelectedGame.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "gui/handlers/AvailabilityController.h"
#include "gui/handlers/LauncherShell.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tabs/GraphicsTab.h"
#include "gui/tabs/ModelsTab.h"
#include "gui/tabs/OptionChangeFlags.h"
#include "gui/tabs/OptionsTab.h"
#include "gui/tabs/TabPages.h"
#include "gui/WindowPosition.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace z3d {

LaunchHandler::LaunchHandler(LauncherContext& context, Window window,
                             AvailabilityController& options, CheckerTool& checker)
    : QObject(&window.widget), m_context(context), m_window(window.widget), m_pages(window.pages),
      m_shell(window.shell), m_flags(window.flags), m_options(options), m_checker(checker)
{
}

void LaunchHandler::launchButtonClick()
{
    QListWidget* maps = m_pages.games()->mapList();
    if (maps->count() == 0 || maps->item(0)->text().isEmpty()) {
        const LaunchMessage message = LaunchMessages::noLevels(
            PathResolver::lastComponent(m_context.selection.currentGameFile));
        m_context.dialogs->messageBox(message.text, message.style, message.title);
        return;
    }
    if (m_context.settings.gamesListView == 1)
        launchCommercialGame();
    else
        launchInstalledGame();
}

void LaunchHandler::prepare()
{
    m_shell.gatherSettings(m_context.settings);
    m_boxes = m_options.refreshForLaunch(m_context.selection.currentKind == GameKind::ScriptedMap);
    m_modelTests = ModelVersions::forLaunch(m_context.paths, m_context.settings, m_boxes,
                                            m_context.startup.wineMode);
}

LaunchInputs LaunchHandler::commonInputs() const
{
    LaunchInputs inputs;
    inputs.state = m_context.launch;
    inputs.registry = m_context.iwads;
    inputs.paths = m_context.paths;
    inputs.doomWadDir = LaunchProbe::doomWadDirFromEnvironment();

    inputs.boxes = m_boxes;

    inputs.definitions = m_pages.models()->definitions();
    inputs.orrinpackFullpackVersionOk = m_modelTests.fullpackOk;
    inputs.orrinpackAlternativeVersionOk = m_modelTests.alternativeOk;
    inputs.modelCompatibilityOk = m_modelTests.compatible;

    const OptionChangeFlags& flags = m_flags;
    inputs.ricochetChanged = flags.ricochetChanged;
    inputs.fakeGlowChanged = flags.fakeGlowChanged;
    inputs.texturePathBoxText = m_pages.graphics()->texturePathText();
    inputs.texturePath = m_context.texture.texturePath;
    inputs.textureSetDir = m_context.texture.textureSetDir;
    return inputs;
}

void LaunchHandler::launchCommercialGame()
{
    prepare();
    LaunchInputs inputs = commonInputs();
    inputs.selectedIwadFile = m_context.selection.selectedIwadPath;
    LaunchProbe::probe(inputs, m_context.settings);
    const LaunchOutcome outcome = z3d::launchCommercialGame(m_context.settings, inputs);
    if (accept(outcome))
        finish(outcome);
}

InstalledGameInputs LaunchHandler::installedGameInputs() const
{
    const GameSelection& selection = m_context.selection;
    InstalledGameInputs game;
    game.mainFile = selection.currentGameFile;
    game.folder = selection.currentGameFolder;
    while (game.folder.size() > 1 && game.folder.endsWith(QLatin1Char('/')))
        game.folder.chop(1);
    game.userDirectory = selection.currentKind == GameKind::UserDirectory;
    game.fromZipLibrary = selection.currentKind == GameKind::ZipArchive;
    game.severalFiles = selection.severalFiles;
    const QListWidget* files = m_pages.games()->gameFilesList();
    for (int row = 0; row < files->count(); ++row) {
        const QListWidgetItem* item = files->item(row);
        const QString path = selection.currentGameFolder + item->text();
        // The files the engine must load: the game files a folder lists.
        game.files << GameFileEntry{
            path, GameFiles::isGameFile(item->text(), m_context.settings.wadFilesOnly)};
        if (item->isSelected() && !game.selectedUserFile)
            game.selectedUserFile = path;
    }
    const QListWidget* maps = m_pages.games()->mapList();
    game.firstMapEntry = maps->count() > 0 ? maps->item(0)->text() : QString();
    const QString name = selectedGameName(selection, m_context.settings);
    const ScriptedMapCheck scripted = ScriptedMapTable::isScriptedMap(m_context.paths, name);
    game.scriptedMap = scripted.isScriptedMap;
    game.scriptedMapReady = scripted.assetsPresent;
    game.compatibilityClass = m_checker.lookUpKnownPwad(selection.currentGameFile);
    return game;
}

void LaunchHandler::launchInstalledGame()
{
    prepare();
    LaunchInputs inputs = commonInputs();
    inputs.game = installedGameInputs();
    LaunchProbe::probe(inputs, m_context.settings);
    const LaunchOutcome outcome = z3d::launchInstalledGame(m_context.settings, inputs);
    if (accept(outcome))
        finish(outcome);
}

bool LaunchHandler::accept(const LaunchOutcome& outcome)
{
    for (const LaunchMessage& message : outcome.messages)
        m_context.dialogs->messageBox(message.text, message.style, message.title);
    m_context.settings = outcome.settings;
    m_context.launch = outcome.state;
    // Options a model-pack test switched off stay off, also in the boxes the exit gathers.
    m_pages.models()->showAlternativeModels(outcome.settings.orrinWeapons,
                                            outcome.settings.orrinAltWeapons,
                                            outcome.settings.pellamOrrinModels);
    if (!outcome.refusal)
        return true;
    const LaunchMessage& message = outcome.refusal->message;
    m_context.dialogs->messageBox(message.text, message.style, message.title);
    if (outcome.refusal->openIwadWindow)
        emit iwadWindowWanted();
    return false;
}

QString LaunchHandler::selectedGameEntry() const
{
    const QList<QListWidgetItem*> games = m_pages.games()->gamesList()->selectedItems();
    return games.isEmpty() ? QString() : games.constFirst()->text();
}

QString LaunchHandler::shortcutLabel() const
{
    const GameSelection& selection = m_context.selection;
    const QString installedName = selection.currentKind == GameKind::UserDirectory
                                      ? selection.currentUserDirectory
                                      : selection.currentPwadGame;
    return ShortcutNames::windowLabel(selectedGameEntry(), selection.currentKind, installedName,
                                      selection.currentGameFile, m_context.customFontInUse);
}

void LaunchHandler::createShortcut(const ShortcutChoices& choices)
{
    if (choices.dialogCancelled || !choices.any())
        return;
    m_shortcut = choices;
    m_context.launch.shortcutRequest = true;
    if (m_context.settings.gamesListView == 1)
        launchCommercialGame();
    else
        launchInstalledGame();
    m_context.launch.shortcutRequest = false;
}

void LaunchHandler::finish(const LaunchOutcome& outcome)
{
    if (!outcome.shortcut) {
        startEngine(outcome);
        return;
    }
    const GameSelection& selection = m_context.selection;
    const QString entry = selectedGameEntry();
    const QListWidget* mapList = m_pages.games()->mapList();
    const int mapRow = selection.lastMapIndex;
    const QString map =
        mapRow >= 0 && mapRow < mapList->count() ? mapList->item(mapRow)->text() : QString();
    const bool startFromNew = m_shell.chosenSkill() == 0;
    Shortcuts(m_context.paths, *m_context.dialogs)
        .createShortcuts(
            outcome.shortcutArguments, m_shortcut,
            ShortcutNames::shortcutName(entry, selection.currentKind, selection.currentGameFile),
            ShortcutNames::mapPart(m_shortcut.includeMapInShortcut, startFromNew, map));
}

void LaunchHandler::startEngine(const LaunchOutcome& outcome)
{
    EngineStart engine(m_context.paths, *m_context.processes, *m_context.dialogs, *this);
    engine.start(outcome.commandLine, m_context.settings.lastAfterLaunchAction, m_context.launch,
                 outcome.basicModeForced);
}

void LaunchHandler::saveWindowPosition()
{
    storeWindowPosition(m_window, m_context.settings);
}

void LaunchHandler::minimise()
{
    m_window.showMinimized();
}

void LaunchHandler::showWindow()
{
    m_window.showNormal();
}

void LaunchHandler::hideAndUnloadAll()
{
    m_window.hide();
    emit unloadAllWanted();
}

void LaunchHandler::clearOptionChangeFlags()
{
    m_flags = OptionChangeFlags{};
}

void LaunchHandler::turnOffTemporaryBasicDoom()
{
    // A class that needs Basic Doom mode applies it to its own launch only; the settings and
    // the box never saw it, so there is nothing to put back.
}

} // namespace z3d
