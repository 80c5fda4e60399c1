#include "gui/handlers/GamesContextMenus.h"

#include "core/app/LauncherContext.h"
#include "core/platform/PathResolver.h"
#include "gui/tabs/GamesTab.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>

namespace z3d {

GamesContextMenus::GamesContextMenus(LauncherContext& context, GamesTab& page)
    : QObject(&page), m_context(context), m_page(page), m_installedGame(new QMenu(&page)),
      m_zipArchive(new QMenu(&page)), m_gameFile(new QMenu(&page))
{
    m_installedGame->setObjectName(QStringLiteral("mPopup5"));
    m_zipArchive->setObjectName(QStringLiteral("mPopup6"));
    m_gameFile->setObjectName(QStringLiteral("mPopup3"));

    addItem(m_installedGame, "Uninstall game from list", "mcDeleteFolder");
    addItem(m_installedGame, "Rename game in list", "mcRenameFolder");
    m_gameSeparator = m_installedGame->addSeparator();
    m_gameSeparator->setObjectName(QStringLiteral("Sep3"));
    addItem(m_installedGame, "Convert Udir to Pwads", "mcUdirConvert");
    addItem(m_installedGame, "Convert  Udir to Gwads", "mcGwadConvert");

    addItem(m_zipArchive, "Install to Games List", "mcUdirUnZip");
    m_zipArchive->addSeparator()->setObjectName(QStringLiteral("sep1"));
    addItem(m_zipArchive, "Rename zip file", "mcRenameArchive");
    addItem(m_zipArchive, "Delete zip file", "mcDeleteArchive");
    addItem(m_zipArchive, "Install  to Games List as Gwad", "mcGwadUnZip");

    addItem(m_gameFile, "Delete file", "mcDeleteFile");

    // A right click reaches a list's viewport; the menu key and Shift+F10 reach the list.
    for (QListWidget* list : {m_page.gamesList(), m_page.gameFilesList()}) {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
    }
}

QAction* GamesContextMenus::addItem(QMenu* menu, const char* caption, const char* name)
{
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* GamesContextMenus::item(const QString& name) const
{
    for (const QMenu* menu : {m_installedGame, m_zipArchive, m_gameFile}) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name)
                return action;
        }
    }
    return nullptr;
}

void GamesContextMenus::showItemsFor(GameKind kind)
{
    const bool scripted = kind == GameKind::ScriptedMap;
    const bool converting = !scripted && m_context.settings.developmentMode;
    item(QStringLiteral("mcRenameFolder"))->setVisible(!scripted);
    item(QStringLiteral("mcUdirConvert"))->setVisible(converting);
    item(QStringLiteral("mcGwadConvert"))->setVisible(converting);
    m_gameSeparator->setVisible(converting);
}

bool GamesContextMenus::gameMenuAllowed() const
{
    const QList<QListWidgetItem*> selected = m_page.gamesList()->selectedItems();
    if (selected.isEmpty())
        return false;
    const QString rootName = PathResolver::lastComponent(m_context.paths.installRoot);
    return selected.constFirst()->text().compare(rootName, Qt::CaseInsensitive) != 0;
}

bool GamesContextMenus::openGamesListMenu(const QPoint& globalPos)
{
    if (!gameMenuAllowed())
        return false;
    switch (static_cast<GamesListMode>(m_context.settings.gamesListView)) {
    case GamesListMode::InstalledGames: {
        const bool userDirectory = m_context.selection.currentKind == GameKind::UserDirectory;
        item(QStringLiteral("mcUdirConvert"))->setEnabled(userDirectory);
        item(QStringLiteral("mcGwadConvert"))->setEnabled(!userDirectory);
        item(QStringLiteral("mcRenameFolder"))->setEnabled(true);
        m_installedGame->popup(globalPos);
        return true;
    }
    case GamesListMode::ZipLibrary:
        item(QStringLiteral("mcUdirUnZip"))->setEnabled(true);
        m_zipArchive->popup(globalPos);
        return true;
    case GamesListMode::DoomGames:
        break;
    }
    return false;
}

bool GamesContextMenus::openGameFilesMenu(const QPoint& globalPos)
{
    if (!gameMenuAllowed() ||
        static_cast<GamesListMode>(m_context.settings.gamesListView) !=
            GamesListMode::InstalledGames ||
        m_context.selection.currentKind != GameKind::UserDirectory)
        return false;
    m_gameFile->popup(globalPos);
    return true;
}

bool GamesContextMenus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        const QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
        QListWidget* games = m_page.gamesList();
        QListWidget* files = m_page.gameFilesList();
        if (watched == games || watched == games->viewport())
            return openGamesListMenu(at);
        if (watched == files || watched == files->viewport())
            return openGameFilesMenu(at);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace z3d
