#include "gui/handlers/SaveListHandler.h"

#include "core/app/LauncherContext.h"
#include "core/inspect/CheckerTool.h"
#include "core/library/GameRecords.h"
#include "core/library/SelectedGame.h"
#include "core/platform/PathResolver.h"
#include "core/saves/SaveGameFolders.h"
#include "core/saves/SaveGameOperations.h"
#include "gui/handlers/LauncherShell.h"
#include "gui/handlers/MapListHandler.h"
#include "gui/tabs/GamesTab.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace z3d {

namespace {

constexpr int kStartGameFromNew = 0;

} // namespace

SaveListHandler::SaveListHandler(LauncherContext& context, GamesTab& page, LauncherShell& shell,
                                 GameRecords& records, MapListHandler& maps)
    : QObject(&page), m_context(context), m_page(page), m_shell(shell), m_records(records),
      m_maps(maps), m_saves(page.saveGameList()), m_menu(new QMenu(&page))
{
    QAction* deleteSave = m_menu->addAction(QStringLiteral("Delete savegame"));
    deleteSave->setObjectName(QStringLiteral("mcDelSaveGame"));
    connect(deleteSave, &QAction::triggered, this, &SaveListHandler::deleteSaveGame);
    connect(m_saves, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_saves->selectedItems().isEmpty())
            saveGameListClick();
    });
    m_saves->viewport()->installEventFilter(this);
    connect(&page, &GamesTab::purgeSaveGamesClicked, this, &SaveListHandler::purgeSaveGames);
    connect(&page, &GamesTab::deleteAllNodesClicked, this, &SaveListHandler::deleteAllNodes);
}

void SaveListHandler::clear()
{
    m_saves->clear();
    m_folder.clear();
}

void SaveListHandler::listFolder(const QString& folder)
{
    clear();
    if (folder.isEmpty() || !PathResolver::folderExists(folder))
        return;
    m_folder = folder;
    CheckerTool checker(m_context.paths, *m_context.processes);
    const SaveHeaderList headers = checker.loadSaveHeaders(folder);
    m_saves->addItems(headers.entries);
}

bool SaveListHandler::selectSlot(const QString& slot)
{
    if (slot.isEmpty())
        return false;
    for (int row = 0; row < m_saves->count(); ++row) {
        if (m_saves->item(row)->text().startsWith(slot)) {
            m_saves->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return false;
}

void SaveListHandler::saveGameListClick()
{
    GameSelection& selection = m_context.selection;
    selection.selectedSavePosition = -1;
    const QList<QListWidgetItem*> chosen = m_saves->selectedItems();
    if (chosen.isEmpty())
        return;
    const std::optional<SaveGameChoice> choice =
        SaveGameFolders::choose(m_folder, chosen.constFirst()->text());
    if (!choice)
        return;
    selection.lastSaveEntry = chosen.constFirst()->text();
    selection.selectedSavePosition = m_saves->row(chosen.constFirst());
    selection.selectedSaveFile = choice->file;
    m_context.launch.saveSlot = choice->slot;
    m_context.launch.kind = LaunchKind::LoadSave;
    m_maps.setIgnoringClicks(true);
    m_page.mapList()->clearSelection();
    m_maps.setIgnoringClicks(false);

    if (!m_context.settings.rememberLastSavegame)
        return;
    if (selection.currentKind == GameKind::UserDirectory) {
        m_maps.updateLaunchMapAndIwad();
        if (choice->slot.isEmpty() || selection.currentGameFile.isEmpty())
            return;
    }
    m_records.writeSaveRecord(selection.currentKind,
                              selectedGameName(selection, m_context.settings),
                              selection.currentGameFile, choice->slot);
}

void SaveListHandler::deleteSaveGame()
{
    SaveGameOperations operations(m_context.paths, *m_context.dialogs);
    if (!operations.deleteSaveGame(m_context.selection.selectedSaveFile))
        return;
    m_shell.takeFocusFromControls();
    emit gameReselectionDue();
    // The first map is chosen as a click chooses it, so the deleted save's record goes.
    if (m_page.mapList()->count() > 0 && m_context.launch.kind != LaunchKind::NewGame)
        m_maps.chooseMap(0);
}

void SaveListHandler::purgeSaveGames()
{
    SaveGameOperations operations(m_context.paths, *m_context.dialogs);
    if (operations.purgeAllSaveGames())
        clear();
}

void SaveListHandler::deleteAllNodes()
{
    SaveGameOperations(m_context.paths, *m_context.dialogs).deleteAllNodes();
}

bool SaveListHandler::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: events also come while the list is being destroyed.
    const QEvent::Type type = event->type();
    if ((type != QEvent::ContextMenu && type != QEvent::MouseButtonRelease) ||
        watched != m_saves->viewport())
        return QObject::eventFilter(watched, event);
    if (type == QEvent::ContextMenu && !m_saves->selectedItems().isEmpty()) {
        m_menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (type == QEvent::MouseButtonRelease) {
        // As on the map list: a click leaves "Start game from New" for the last skill used.
        if (m_shell.chosenSkill() == kStartGameFromNew)
            m_maps.leaveStartFromNew();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace z3d
