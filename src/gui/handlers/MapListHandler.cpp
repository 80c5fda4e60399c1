#include "gui/handlers/MapListHandler.h"

#include "core/app/LauncherContext.h"
#include "core/inspect/MapSelection.h"
#include "gui/handlers/LauncherShell.h"
#include "gui/tabs/GamesTab.h"

#include <QEvent>
#include <QListWidget>
#include <QSignalBlocker>

namespace z3d {

namespace {

constexpr int kStartGameFromNew = 0;
// The skill a first map click chooses when none was used yet: "2 - Hey, not too rough".
constexpr int kDefaultSkill = 2;
// "Start game from New" and the five skills.
constexpr int kSkillEntries = 6;

} // namespace

MapListHandler::MapListHandler(LauncherContext& context, GamesTab& page, LauncherShell& shell)
    : QObject(&page), m_context(context), m_shell(shell), m_maps(page.mapList()),
      m_saves(page.saveGameList())
{
    connect(m_maps, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = selectedRow();
        if (row >= 0)
            mapListClick(row);
    });
    m_maps->viewport()->installEventFilter(this);
}

bool MapListHandler::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: events also come while the list is being destroyed.
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
        watched == m_maps->viewport()) {
        if (type == QEvent::MouseButtonPress)
            mouseDown();
        else
            leaveStartFromNew();
    }
    return QObject::eventFilter(watched, event);
}

int MapListHandler::selectedRow() const
{
    for (int row = 0; row < m_maps->count(); ++row) {
        if (m_maps->item(row)->isSelected())
            return row;
    }
    return -1;
}

QStringList MapListHandler::maps() const
{
    QStringList names;
    for (int row = 0; row < m_maps->count(); ++row)
        names << m_maps->item(row)->text();
    return names;
}

void MapListHandler::selectRow(int row)
{
    m_maps->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void MapListHandler::chooseMap(int row)
{
    {
        const QSignalBlocker quiet(m_maps);
        selectRow(row);
    }
    mapListClick(row);
}

void MapListHandler::mapListClick(int row)
{
    if (m_ignoringClicks)
        return;
    LaunchState& launch = m_context.launch;
    launch.saveSlot.clear();
    m_context.selection.lastMapIndex = row;
    launch.kind = LaunchKind::WarpToMap;
    updateLaunchMapAndIwad();
    if (m_context.settings.rememberLastMap)
        emit mapChosen();
}

void MapListHandler::updateLaunchMapAndIwad()
{
    const std::optional<MapLaunchTarget> target =
        launchTargetForMap(maps(), selectedRow(), m_context.launch.kind,
                           m_context.selection.currentGameFile, m_context.iwads);
    if (!target)
        return;
    m_context.launch.warpArgument = target->warpArgument;
    m_context.launch.iwadPath = target->iwadPath;
}

void MapListHandler::mouseDown()
{
    // A chosen map and a chosen save game exclude each other.
    if (!m_saves->selectedItems().isEmpty()) {
        m_saves->clearSelection();
        m_saves->viewport()->update();
    }
}

void MapListHandler::leaveStartFromNew()
{
    if (m_shell.chosenSkill() != kStartGameFromNew)
        return;
    const int skill = m_context.settings.lastSkill;
    m_shell.chooseSkill(skill > 0 && skill < kSkillEntries ? skill : kDefaultSkill);
}

void MapListHandler::setMapFocus()
{
    LaunchState& launch = m_context.launch;
    if (m_shell.chosenSkill() == kStartGameFromNew) {
        launch.kind = LaunchKind::NewGame;
        updateLaunchMapAndIwad();
        m_maps->clearSelection();
        m_saves->clearSelection();
        return;
    }
    if (launch.kind == LaunchKind::LoadSave || m_maps->count() == 0)
        return;
    int row = m_context.selection.lastMapIndex;
    const bool firstSelected = m_maps->item(0)->isSelected();
    if (!launch.saveSlot.isEmpty() || m_maps->item(0)->text().isEmpty() || row < 1 ||
        firstSelected || row >= m_maps->count())
        row = 0;
    selectRow(row);
    launch.kind = LaunchKind::WarpToMap;
}

} // namespace z3d
