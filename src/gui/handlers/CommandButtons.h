#pragma once

#include <QObject>

#include <functional>

namespace z3d {

struct InstallResult;
struct LauncherContext;
class GameInstaller;
class GamesListHandler;
class LaunchHandler;
class LauncherShell;
class ZipExtraction;

// The row of command buttons (AuxButton): installing a game, the documentation, a shortcut,
// the engine's two logs and the zip library's location. The IWAD window's button belongs to
// the handlers that own that window.
class CommandButtons : public QObject
{
    Q_OBJECT

public:
    CommandButtons(LauncherContext& context, LauncherShell& shell, GamesListHandler& games,
                   LaunchHandler& launch, ZipExtraction& zips);

    // AuxButton_<index> was clicked.
    void run(int index);

    void installGame();
    // Files dropped on the games list: one wad or zip is installed as if chosen in the
    // install dialog; anything else is refused with a message.
    void installDroppedFiles(const QStringList& paths);
    void showDocumentation();
    void createShortcut();
    void showLog(const char* fileName);
    void chooseZipLibraryLocation();

signals:
    // The settings are to be written now (an install writes them before it goes on).
    void settingsSaveDue();

private:
    // The install of the command and of a dropped file.
    GameInstaller makeInstaller();
    // After an install: the installed game selected in the installed games.
    void showInstalledGame(const InstallResult& result);
    LauncherContext& m_context;
    LauncherShell& m_shell;
    GamesListHandler& m_games;
    LaunchHandler& m_launch;
    ZipExtraction& m_zips;
};

} // namespace z3d
