#pragma once

#include "core/desktop/ShortcutChoices.h"
#include "core/launch/EngineStart.h"
#include "core/launch/LaunchInputs.h"
#include "core/models/ModelVersions.h"

#include <QObject>

namespace z3d {

struct InstalledGameInputs;
struct LaunchInputs;
struct LaunchOutcome;
struct LauncherContext;
class LauncherShell;
class TabPages;
struct OptionChangeFlags;
class CheckerTool;
class AvailabilityController;

// The Launch button and Enter: gathers the window's choices, has the command line assembled
// and either reports why the launch cannot go ahead or starts the engine.
class LaunchHandler : public QObject, private EngineStartHost
{
    Q_OBJECT

public:
    // What the launch uses of the main window: the window itself (minimised, hidden or shown
    // after a start), its pages, the shell and the option change flags the launch clears.
    struct Window
    {
        QWidget& widget;
        TabPages& pages;
        LauncherShell& shell;
        OptionChangeFlags& flags;
    };

    LaunchHandler(LauncherContext& context, Window window, AvailabilityController& options,
                  CheckerTool& checker);

    // LaunchButton_Click.
    void launchButtonClick();
    // LaunchCommercialGame: the "Doom games" view.
    void launchCommercialGame();
    // LaunchInstalledGame: the "Installed games" and "Zip Libray" views.
    void launchInstalledGame();
    // How the shortcut window names the selected game.
    QString shortcutLabel() const;
    // The shortcut command once the player has chosen in the shortcut window: the launch
    // procedure of the view in its shortcut mode, whose arguments become the shortcuts.
    void createShortcut(const ShortcutChoices& choices);

signals:
    // The IWAD window is wanted (a commercial game whose IWAD has gone).
    void iwadWindowWanted();
    // Every window is to close: the launcher ends through the main window's unload step.
    void unloadAllWanted();

private:
    // The preamble every launch shares: settings gathered, resource options refreshed.
    void prepare();
    LaunchInputs commonInputs() const;
    InstalledGameInputs installedGameInputs() const;
    // Shows the outcome's messages and takes its settings and launch state; false when the
    // launch was refused.
    bool accept(const LaunchOutcome& outcome);
    // The text of the selected games-list entry, empty when none.
    QString selectedGameEntry() const;
    // Starts the engine, or makes the shortcuts the outcome was assembled for.
    void finish(const LaunchOutcome& outcome);
    void startEngine(const LaunchOutcome& outcome);

    void saveWindowPosition() override;
    void minimise() override;
    void showWindow() override;
    void hideAndUnloadAll() override;
    void clearOptionChangeFlags() override;
    void turnOffTemporaryBasicDoom() override;

    LauncherContext& m_context;
    QWidget& m_window;
    TabPages& m_pages;
    LauncherShell& m_shell;
    OptionChangeFlags& m_flags;
    AvailabilityController& m_options;
    // The states of the boxes the command line depends on, as the launch's preamble left them.
    OptionBoxStates m_boxes;
    // The model-pack tests the preamble ran on the gathered settings.
    ModelPackTests m_modelTests;
    CheckerTool& m_checker;
    ShortcutChoices m_shortcut;
};

} // namespace z3d
