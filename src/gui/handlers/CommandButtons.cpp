#include "gui/handlers/CommandButtons.h"

#include "core/app/LauncherContext.h"
#include "core/library/GameInstaller.h"
#include "core/library/ZipLibraryLocation.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "core/services/Processes.h"
#include "gui/CommandBar.h"
#include "gui/dialogs/ShortcutForm.h"
#include "gui/handlers/GamesListHandler.h"
#include "gui/handlers/LauncherShell.h"
#include "gui/handlers/LaunchHandler.h"

#include <QApplication>

namespace z3d {

CommandButtons::CommandButtons(LauncherContext& context, LauncherShell& shell,
                               GamesListHandler& games, LaunchHandler& launch, ZipExtraction& zips)
    : QObject(&games), m_context(context), m_shell(shell), m_games(games), m_launch(launch),
      m_zips(zips)
{
}

void CommandButtons::run(int index)
{
    switch (index) {
    case CommandBar::Install:
        installGame();
        break;
    case CommandBar::Documentation:
        showDocumentation();
        break;
    case CommandBar::Shortcut:
        createShortcut();
        break;
    case CommandBar::EditLog:
        showLog("edit.out");
        break;
    case CommandBar::EngineLog:
        showLog("Zorn3D.out");
        break;
    case CommandBar::ZipLocation:
        chooseZipLibraryLocation();
        break;
    default:
        break;
    }
}

GameInstaller CommandButtons::makeInstaller()
{
    return GameInstaller(m_context.paths, *m_context.dialogs, m_zips, m_context.progress,
                         [this] { emit settingsSaveDue(); });
}

void CommandButtons::installGame()
{
    QCoreApplication::processEvents();
    GameInstaller installer = makeInstaller();
    showInstalledGame(installer.installGame(m_shell.isShown()));
}

void CommandButtons::installDroppedFiles(const QStringList& paths)
{
    if (paths.size() != 1 || !GameInstaller::isInstallable(paths.constFirst())) {
        m_context.dialogs->messageBox(
            QStringLiteral("Only one wad or zip file at a time can be installed by dropping it "
                           "on the games list.    "),
            MsgButtonsOk | MsgIconExclamation, QStringLiteral(" Install error"));
        return;
    }
    GameInstaller installer = makeInstaller();
    showInstalledGame(installer.installFile(paths.constFirst(), m_shell.isShown()));
}

void CommandButtons::showInstalledGame(const InstallResult& result)
{
    if (!result.switchToInstalledGames())
        return;
    m_context.settings.lastInstalledGame = result.game;
    m_context.selection.currentUserDirectory.clear();
    m_games.switchGamesList(GamesListMode::InstalledGames);
}

void CommandButtons::showDocumentation()
{
    OpenFileRequest request;
    request.title = QStringLiteral("Zorn3D Documentation");
    request.initialFolder = m_context.paths.under(QStringLiteral("Z3D_Docs"));
    request.filters = {QStringLiteral("Zorn3D Documentation"), QStringLiteral("*.txt;*.htm;")};
    const std::optional<QString> chosen = m_context.dialogs->openFile(request);
    if (!chosen)
        return;
    if (chosen->endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ||
        chosen->endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
        m_context.processes->openWithAssociatedProgram(*chosen);
}

void CommandButtons::createShortcut()
{
    ShortcutForm form(m_shell.dialogOwner());
    form.showToolTips(!m_context.settings.disableTooltips);
    m_launch.createShortcut(form.askForShortcut(m_launch.shortcutLabel()));
}

void CommandButtons::showLog(const char* fileName)
{
    const QString log = m_context.paths.under(QString::fromLatin1(fileName));
    if (PathResolver::fileExists(log))
        m_context.processes->openInTextEditor(log);
}

void CommandButtons::chooseZipLibraryLocation()
{
    QCoreApplication::processEvents();
    m_context.paths.zipLibraryDir = ZipLibraryLocation::choose(m_context.paths, *m_context.dialogs);
    m_shell.takeFocusFromControls();
    m_games.switchGamesList(GamesListMode::ZipLibrary);
}

} // namespace z3d
