#pragma once

#include "core/settings/LauncherSettings.h"

#include "support/DemoInstallation.h"
#include "support/LauncherProcess.h"
#include "support/XSession.h"

#include <QString>

namespace z3d::test {

// One whole-program scenario: a private X display with its window manager, a freshly staged
// demo installation and the launcher of that installation, not started yet. The test changes
// the installation for its scenario, then starts the launcher.
//
//   ProgramScenario run(programFolder);
//   QVERIFY2(run.isReady(), qPrintable(run.error()));
//   QVERIFY(run.demo.writeSettings(ProgramScenario::quietSettings()));
//   const QString window = run.startLauncher();
//   QVERIFY2(!window.isEmpty(), qPrintable(run.launcher.output()));
struct ProgramScenario
{
    // programFolder holds the built programs (see DemoInstallation).
    explicit ProgramScenario(const QString& programFolder);

    bool isReady() const;
    // Why the display or the installation could not be made.
    QString error() const;

    // Starts the launcher and waits for its window titled title: the window's id, empty when
    // the launcher did not start or the window did not appear.
    QString startLauncher(const QString& title = LauncherProcess::kMainWindowTitle);
    // Closes window as a player does (alt+F4 through the window manager) and waits for the
    // launcher to end; true when it did. The window manager closes the window that has the
    // focus, which a raised window may take a moment to get on a busy machine, so the player
    // presses again until the launcher has gone.
    bool closeWindow(const QString& window);
    // The same for a window of another launcher started in this scenario.
    bool closeWindow(const QString& window, LauncherProcess& owner);
    // Presses Return in window, launching the chosen game as a player does, and waits for the
    // engine to record its start; true when it did.
    bool launchAndWaitForEngine(const QString& window);
    // Presses Return in window as launchAndWaitForEngine() does, for a launcher set to exit
    // after a launch, and waits for it to end: the line it wrote to its launch log, empty when
    // the keys could not be pressed or the launcher did not end.
    QByteArray launchAndReadLog(const QString& window);

    // Waits for the launcher's window titled title and answers it as a player does: once the
    // window manager has given it the keyboard, without the window being chosen first, types
    // text (when given) and then keys. A window that waits for the player over another of the
    // launcher's windows has to get the keys. Returns the window; empty when it did not
    // appear, did not get the keyboard, or the keys could not be typed.
    QString answer(const QString& title, const QStringList& keys, const QString& text = {});
    // Clicks window at a point given as fractions of its size until the launcher's window
    // titled title shows: a click while a game's selection chain holds the window is dropped,
    // and a player clicks again. Returns the window shown; empty when none showed in time.
    QString clickForWindow(const QString& window, double xFraction, double yFraction,
                           const QString& title);
    // answer(), then waits for the window to go; true when it went.
    bool answerAndWaitForClose(const QString& title, const QStringList& keys,
                               const QString& text = {});

    // No tip of the day at the start, so the main window is the first to show.
    static LauncherSettings quietSettings();
    // Quiet, with the commercial games' view and DOOM II chosen in it; the launcher ends after
    // a launch when exitAfterLaunch.
    static LauncherSettings doomTwoSettings(bool exitAfterLaunch = false);
    // Quiet, with the installed games' view and game chosen in it; "Normal" after a launch, so
    // the window stays.
    static LauncherSettings installedGameSettings(const QString& game);

    XSession session;
    DemoInstallation demo;
    LauncherProcess launcher;
};

} // namespace z3d::test
