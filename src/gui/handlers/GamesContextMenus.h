#pragma once

#include "core/library/GameSelection.h"

#include <QObject>

class QAction;
class QMenu;

namespace z3d {

struct LauncherContext;
class GamesTab;

// The right-click menus of the games list (an installed game, a zip archive) and of the
// game-files list (a file of a user directory). No menu opens without a selected game, in the
// commercial games view, or for an entry named like the installation's own folder.
class GamesContextMenus : public QObject
{
    Q_OBJECT

public:
    GamesContextMenus(LauncherContext& context, GamesTab& page);

    // The items of the installed-game menu that follow the chosen game: renaming is not offered
    // for a scripted map; converting only in development mode.
    void showItemsFor(GameKind kind);

    // Menu items by their control names (mcDeleteFolder, mcRenameFolder, mcUdirConvert,
    // mcGwadConvert, mcUdirUnZip, mcRenameArchive, mcDeleteArchive, mcGwadUnZip,
    // mcDeleteFile).
    QAction* item(const QString& name) const;

    // Opens the menu a right click at globalPos asks for, if any; true when one opened.
    bool openGamesListMenu(const QPoint& globalPos);
    bool openGameFilesMenu(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addItem(QMenu* menu, const char* caption, const char* name);
    bool gameMenuAllowed() const;

    LauncherContext& m_context;
    GamesTab& m_page;
    QMenu* m_installedGame;
    QMenu* m_zipArchive;
    QMenu* m_gameFile;
    QAction* m_gameSeparator = nullptr;
};

} // namespace z3d
