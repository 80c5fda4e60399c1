#include "gui/handlers/GameFileChoice.h"

#include "core/app/LauncherContext.h"
#include "core/inspect/CheckerTool.h"
#include "core/library/GameRecords.h"
#include "core/library/ScriptedMapTable.h"
#include "core/library/SelectedGame.h"
#include "core/platform/PathResolver.h"
#include "core/saves/SaveGameFolders.h"
#include "core/services/Processes.h"
#include "gui/handlers/LauncherShell.h"
#include "gui/handlers/ListRows.h"
#include "gui/handlers/MapListHandler.h"
#include "gui/handlers/SaveListHandler.h"
#include "gui/tabs/GamesTab.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace z3d {

using namespace list_rows;

namespace {

constexpr int kGamesTab = 0;

} // namespace

GameFileChoice::GameFileChoice(LauncherContext& context, GamesTab& page, LauncherShell& shell,
                               Services services)
    : QObject(&page), m_context(context), m_page(page), m_shell(shell), m_checker(services.checker),
      m_records(services.records), m_maps(services.maps), m_saves(services.saves),
      m_files(page.gameFilesList())
{
    connect(m_files, &QListWidget::itemSelectionChanged, this, [this] {
        if (firstSelectedRow(m_files) >= 0)
            selectGameFile();
    });
    connect(m_files, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openGameFile(item->text()); });
    m_files->viewport()->installEventFilter(this);
}

void GameFileChoice::gameChosen()
{
    m_choiceSavedByMapClick = false;
    m_zipSavesListed = false;
}

void GameFileChoice::selectGameFile()
{
    GameSelection& selection = m_context.selection;
    QListWidget* maps = m_page.mapList();

    QString entry;
    for (int row = 0; row < m_files->count() && entry.isEmpty(); ++row) {
        const QString text = m_files->item(row)->text();
        if (m_files->item(row)->isSelected() && isWad(text))
            entry = text;
    }
    if (entry.isEmpty()) {
        selection.currentGameFile.clear();
        maps->clear();
        m_shell.setLaunchEnabled(false);
        m_shell.setShortcutEnabled(false);
        return;
    }
    selection.currentGameFile = selection.currentGameFolder + entry;
    if (m_context.settings.gamesListView == static_cast<int>(GamesListMode::InstalledGames)) {
        // The files folder (Pwads/ or Gwads/) is the last six characters.
        const QString game = PathResolver::lastComponent(selection.currentGameFolder.chopped(
            std::min<qsizetype>(6, selection.currentGameFolder.size())));
        emit spriteOptionsLockDue(ScriptedMapTable::find(game) != nullptr);
    }

    const bool shortcut =
        m_context.settings.shortcutCreation && m_shell.shownTab() == kGamesTab &&
        m_context.settings.gamesListView != static_cast<int>(GamesListMode::ZipLibrary);
    m_shell.setLaunchEnabled(true);
    m_shell.setShortcutEnabled(shortcut);

    const WadMapList mapList = m_checker.loadWadMapList(selection.currentGameFile);
    if (!mapList.outputEmpty)
        m_page.showMaps(mapList.mapNames, mapList.mapTitles, selection.currentGameFile);

    // A map and a save game exclude each other: a restored save game stays the choice.
    const QScopedValueRollback restoring(m_restoring, true);
    const bool saveRestored = m_context.settings.rememberLastSavegame && restoreSaveGame();
    if (m_context.launch.kind != LaunchKind::NewGame && !saveRestored)
        restoreMap();
    if (!mapList.hasMaps()) {
        maps->clear();
        m_shell.setLaunchEnabled(false);
        m_shell.setShortcutEnabled(false);
    }
}

bool GameFileChoice::restoreSaveGame()
{
    const GameSelection& selection = m_context.selection;
    if (selection.currentKind == GameKind::ZipArchive) {
        m_saves.listFolder(
            SaveGameFolders(m_context.paths).zipArchiveFolder(selection.currentGameFile));
        m_zipSavesListed = true;
    }
    const std::optional<QString> slot = m_records.readSaveRecord(
        selection.currentKind, selectedGameName(m_context.selection, m_context.settings),
        selection.currentGameFile);
    return slot && m_saves.selectSlot(*slot);
}

void GameFileChoice::restoreMap()
{
    const GameSelection& selection = m_context.selection;
    QListWidget* maps = m_page.mapList();
    if (!m_context.settings.rememberLastMap) {
        if (maps->count() > 0)
            selectRow(maps, 0);
        return;
    }
    if (selection.currentKind == GameKind::UserDirectory) {
        restoreUserDirectorySelection(selection.currentUserDirectory);
        return;
    }
    const std::optional<QString> map = m_records.restoreLastMap(
        selection.currentKind, selectedGameName(m_context.selection, m_context.settings),
        m_maps.maps());
    const int row = map ? rowNamed(maps, *map, Qt::DisplayRole) : -1;
    if (maps->count() > 0)
        selectRow(maps, row >= 0 ? row : 0);
}

void GameFileChoice::restoreUserDirectorySelection(const QString& game)
{
    QListWidget* maps = m_page.mapList();
    const int fileRow = firstSelectedRow(m_files);
    // With a file chosen, its remembered map is the whole answer. (Without one, the
    // directory's remembered file is chosen first; its map follows when the file's own
    // selection comes back here.)
    if (m_context.settings.rememberLastMap && fileRow >= 0) {
        const std::optional<QString> wanted =
            m_records.userDirectoryMap(game, m_files->item(fileRow)->text());
        const int row = wanted ? rowNamed(maps, *wanted, Qt::DisplayRole) : -1;
        if (maps->count() > 0)
            selectRow(maps, row >= 0 ? row : 0);
        if (!wanted || row >= 0)
            return;
    }
    const QString wantedFile = m_records.userDirectoryFile(game);
    m_context.selection.currentGameFile = wantedFile;
    emit gameReselectionDue(game);
    const int row = wantedFile.isEmpty() ? -1 : rowNamed(m_files, wantedFile, Qt::DisplayRole);
    if (row >= 0)
        selectRow(m_files, row);
    else
        m_shell.setLaunchEnabled(false);
}

void GameFileChoice::saveChosenMap()
{
    if (m_context.selection.currentKind == GameKind::UserDirectory) {
        m_choiceSavedByMapClick = true;
        saveUserDirectoryChoice();
    } else {
        const QStringList maps = m_maps.maps();
        const int row = m_maps.selectedRow();
        if (firstSelectedRow(m_files) >= 0 && row >= 0)
            m_records.saveLastMap(m_context.selection.currentKind,
                                  selectedGameName(m_context.selection, m_context.settings),
                                  maps.at(row));
    }
    // A map chosen by the player replaces the remembered save game; one a restore
    // selects does not.
    if (m_context.settings.rememberLastSavegame && !m_restoring)
        m_records.deleteSaveRecord(m_context.selection.currentKind,
                                   selectedGameName(m_context.selection, m_context.settings),
                                   m_context.selection.currentGameFile);
}

void GameFileChoice::saveUserDirectoryChoice()
{
    const int fileRow = firstSelectedRow(m_files);
    if (fileRow < 0)
        return;
    const QStringList maps = m_maps.maps();
    const int mapRow = m_maps.selectedRow();
    m_records.saveUserDirectorySelection(
        m_context.selection.currentUserDirectory, m_files->item(fileRow)->text(),
        mapRow >= 0 ? maps.at(mapRow) : QString(), m_context.settings.rememberLastMap);
}

void GameFileChoice::openGameFile(const QString& entry)
{
    if (firstSelectedRow(m_page.gamesList()) < 0)
        return;
    const QString path = PathResolver::resolve(m_context.selection.currentGameFolder + entry);
    for (const char* textFile : {"sndinfo", "scp_zoff", "scp_defn"}) {
        if (entry.compare(QLatin1String(textFile), Qt::CaseInsensitive) == 0) {
            m_context.processes->openInTextEditor(path);
            return;
        }
    }
    m_context.processes->openWithAssociatedProgram(path);
}

bool GameFileChoice::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: events also come while the list is being destroyed.
    if (event->type() == QEvent::MouseButtonRelease && watched == m_files->viewport()) {
        // Releasing the mouse over a wad of a user directory remembers the choice, unless a
        // map click has done so since the game was chosen.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QListWidgetItem* item = m_files->itemAt(mouse->position().toPoint());
        if (item && isWad(item->text()) &&
            m_context.selection.currentKind == GameKind::UserDirectory && !m_choiceSavedByMapClick)
            saveUserDirectoryChoice();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace z3d
