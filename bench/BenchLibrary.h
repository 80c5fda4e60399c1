#pragma once

// What the launcher benchmarks share: the installations they measure and a launcher run in
// this process.

#include "core/app/LauncherContext.h"
#include "gui/LauncherStartup.h"
#include "gui/services/DesktopProcesses.h"

#include "support/SilentDialogs.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace z3d::bench {

// The launcher benchmarks' application: on the offscreen platform, kept running when its last
// window closes, with two messages of the platform, which say nothing of what is measured, kept
// out of the output: the offscreen platform's "does not support propagateSizeHints()", given
// for each window of a fixed size, and the note that XDG_RUNTIME_DIR is not set (as when run as
// root without a login session). Other messages pass. argc must outlive the application.
std::unique_ptr<QApplication> offscreenApplication(int& argc, char* argv[]);
// Copies the tree below from (hidden files included) to the existing folder to.
bool copyTree(const QString& from, const QString& to);
// Adds a large library to the installation at root: 2,000 installed games of one wad each
// ("Game 0000" ...), the game of 40 wads kWideGame (listed last, so showing the installed
// games does not select it), and 500 zips in the zip library.
bool buildLargeLibrary(const QString& root);
inline const QString kWideGame = QStringLiteral("Wide Game");
// Copies the staged demo installation at demoDir into demoCopy and into large, and adds the
// large library to large.
bool prepareInstallations(const QString& demoDir, const QTemporaryDir& demoCopy,
                          const QTemporaryDir& large);
// Milliseconds the work took.
double timed(const std::function<void()>& work);
// The median of the samples (sorted in place); 0 for none.
double median(std::vector<double>& samples);

// The launcher started in this process (offscreen or on the display the process has) on the
// installation at root, with the answers of dialogs scripted silent. The single-instance lock
// lives in lockFolder.
class LauncherRun
{
public:
    LauncherRun(const QString& root, const QString& lockFolder);

    // Starts the launcher: true when its main window is up.
    bool start();
    // Chooses the installed-games view; it selects the remembered game, or the first.
    void showInstalledGames();
    // Selects the game shown as name (any case) in the games list.
    void clickGame(const QString& name);
    // Closes the main window: its unload step writes the settings.
    void close();

private:
    test::SilentDialogs m_dialogs;
    DesktopProcesses m_processes{m_dialogs};
    LauncherContext m_context;
    LauncherStartup m_startup;
};

} // namespace z3d::bench
