#pragma once

#include <QObject>

#include <functional>

namespace z3d {

struct LauncherContext;
class MainWindow;
class MainFormHandlers;

// The main window's load, activation and unload steps: the fixed order in which the start-up
// wires every subsystem into the window, and in which the window hands its state back when it
// closes.
//
// Calls into subsystems that the window does not have yet (fonts, title pictures, tooltips,
// display resolution, IWAD search, playlists, games lists, models, tips) are named steps of
// their own, so their place in the order is fixed before they are filled in.
class MainFormLifecycle : public QObject
{
    Q_OBJECT

public:
    // What the launcher does when the settings cannot be used: show the configuration-error
    // message, delete config.z3d, relaunch and shut down.
    using ConfigurationErrorHandler = std::function<void()>;

    MainFormLifecycle(LauncherContext& context, MainWindow& window,
                      ConfigurationErrorHandler onConfigurationError);
    ~MainFormLifecycle() override;

    MainFormHandlers& handlers() { return *m_handlers; }

    // Form_Load. Returns false when it ended in the configuration-error flow.
    bool load();
    // Form_Activate.
    void activate();
    // Form_Unload.
    void unload();

    // Places the window centred on its screen.
    void centreWindow();

signals:
    // The unload step has run to its end: the launcher's work is done and the process ends.
    void unloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepareInstallationFolders();
    bool loadSettings();
    void placeWindow();
    void showSettingsResetNotice();
    void showStoredValueCaptions();
    void rememberWindowPosition();

    // Steps filled in by their own subsystems.
    void applyFont() {}
    void showTitlePicture() {}
    void loadTipsWindowHidden() {}
    void setToolTips() {}
    void showCurrentResolution() {}
    void findAndListIwads();
    void buildPlaylists() {}

    void showIwadWindowWhenNoIwadIsKnown();
    void loadDefinitionLists() {}
    void setModelOptions() {}
    void saveCustomDefinitions() {}

    LauncherContext& m_context;
    MainWindow& m_window;
    ConfigurationErrorHandler m_onConfigurationError;
    MainFormHandlers* m_handlers;
    bool m_unloaded = false;
};

} // namespace z3d
