#pragma once

#include "core/app/DisplayMode.h"

#include <QObject>

class QWidget;

namespace z3d {

struct LauncherContext;
class LauncherWindow;
class MainFormHandlers;

// The main window's load, activation and unload steps: the fixed order in which the start-up
// wires every subsystem into the window, and in which the window hands its state back when it
// closes.
//
// Each call into a subsystem (title pictures, tooltips, display resolution, IWAD search,
// playlists, games lists, models, tips) is a named step of its own, so the order stays visible.
class MainFormLifecycle : public QObject
{
    Q_OBJECT

public:
    MainFormLifecycle(LauncherContext& context, LauncherWindow& window, MainFormHandlers& handlers);
    ~MainFormLifecycle() override;

    // Form_Load. Returns false when it ended in the configuration-error flow.
    bool load();
    // Form_Activate.
    void activate();
    // Form_Unload. Settings that found no room on the disk are told once, unless the system is
    // ending the launcher (a logout: no one may be there to answer).
    void unload(bool systemEnding = false);

    // Places the window centred on its screen.
    void centreWindow();

    // TitlePic_DblClick: the next title picture, back to the first after the last.
    void showNextTitlePicture();
    // Form_Resize back from minimised: after a launch, the lists and the display mode are
    // brought up to date (Reset).
    void resetAfterLaunch();

signals:
    // The settings cannot be used: the launcher shows the configuration-error message,
    // deletes config.z3d, relaunches and shuts down. The load step ends there.
    void configurationErrorFound();
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
    void showTitlePicture();
    void setToolTips();
    void showCurrentResolution();
    void findAndListIwads();
    void buildPlaylists();

    void showIwadWindowWhenNoIwadIsKnown();
    void loadDefinitionLists();
    void setModelOptions();
    void saveSettings(bool systemEnding);

    LauncherContext& m_context;
    LauncherWindow& m_window;
    QWidget* m_widget; // the window's widget, watched for activation and closing
    MainFormHandlers& m_handlers;
    bool m_unloaded = false;
    // config.z3d held the window's position (a file written under "/WINE" has none).
    bool m_positionSaved = false;
    // The display mode as last read, with the file's modification time then.
    DisplayMode m_displayMode;
};

} // namespace z3d
