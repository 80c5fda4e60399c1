#pragma once

#include "core/platform/ErrorNumber.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace z3d {

struct LauncherContext;
class MainFormHandlers;
class MainFormLifecycle;
class MainWindow;
class SingleInstance;
class StaleTemporarySweep;

// The launcher's start-up: installation paths, the settings file's version line, the write
// permission probe, the dependency files, the window title, the launcher switches, the
// single-instance test and the main window; and the two ways the launcher ends its windows.
// It is where the window layer is composed: the main window, its handlers and its load and
// unload steps are created and connected here.
class LauncherStartup : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Running,        // the main window is shown; the event loop takes over
        Ended,          // a fatal start-up error or a restart ended this instance
        SecondInstance, // another launcher runs; it was asked to come forward
    };

    // launcherFolder is the folder of the launcher executable as ExecutableFolder gives it
    // (InstallRoot is its parent); arguments are the launcher's command-line arguments.
    // lockFolder replaces the temporary folder for the single-instance lock (tests).
    LauncherStartup(LauncherContext& context, QString launcherFolder, QStringList arguments,
                    QString lockFolder = {});
    ~LauncherStartup() override;

    Outcome run();

    // Ends the launcher without writing settings: hides and closes every window.
    void shutdownLauncher();
    // The system asked the process to end (a logout, a hang-up, Ctrl+C): once the main window
    // is running, its unload step runs as if the player had closed it (the settings are saved,
    // the start-up's files removed); before that, the launcher ends as a failed start-up does.
    void terminate();

    MainWindow* mainWindow() const { return m_window.get(); }

    // Creates the main window's handlers and connects the window's signals to them.
    static MainFormHandlers& attachHandlers(LauncherContext& context, MainWindow& window);

signals:
    // The main window exists; dialogs are owned by and placed over it from now on.
    void mainWindowCreated(QWidget* window);
    // The launcher has finished (shut down, or its main window unloaded): the process ends.
    // Emitted once.
    void ended();

private:
    bool checkSettingsVersion();
    bool probeWritePermission();
    bool ensureSingleInstance();
    void createMainWindow();
    void reportStartupError(ErrorNumber error);
    void configurationError();
    void raiseWindow();
    void end();

    // Filled in by their own subsystems.
    // font.z3d into the settings; a named font goes on every launcher window from now on.
    void readFontSettings();

    LauncherContext& m_context;
    QString m_launcherFolder;
    QStringList m_arguments;
    QString m_lockFolder;
    std::unique_ptr<MainWindow> m_window;
    MainFormLifecycle* m_lifecycle = nullptr;
    MainFormHandlers* m_handlers = nullptr;
    std::unique_ptr<SingleInstance> m_instance;
    // Stopped and waited for when the launcher ends, before the lock is let go.
    std::unique_ptr<StaleTemporarySweep> m_gameFoldersSweep;
    bool m_ended = false;
    bool m_running = false;
};

} // namespace z3d
