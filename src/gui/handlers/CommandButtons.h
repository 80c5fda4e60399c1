#pragma once

#include <QObject>

#include <functional>

namespace z3d {

struct LauncherContext;
class GamesListHandler;
class LaunchHandler;
class MainWindow;
class ZipExtraction;

// The row of command buttons (AuxButton): installing a game, the documentation, a shortcut,
// the engine's two logs and the zip library's location. The IWAD window's button belongs to
// the handlers that own that window.
class CommandButtons : public QObject
{
    Q_OBJECT

public:
    CommandButtons(LauncherContext& context, MainWindow& window, GamesListHandler& games,
                   LaunchHandler& launch, ZipExtraction& zips);

    void installGame();
    void showDocumentation();
    void createShortcut();
    void showLog(const char* fileName);
    void chooseZipLibraryLocation();

private:
    LauncherContext& m_context;
    MainWindow& m_window;
    GamesListHandler& m_games;
    LaunchHandler& m_launch;
    ZipExtraction& m_zips;
};

} // namespace z3d
