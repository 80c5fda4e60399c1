#pragma once

// For window tests only: they link the gui library this needs.

#include "core/app/LauncherContext.h"
#include "gui/LauncherStartup.h"
#include "gui/mainwindow.h"
#include "gui/services/DesktopProcesses.h"

#include "support/Controls.h"
#include "support/CurrentFolder.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"

#include <QListWidget>
#include <QTemporaryDir>

namespace z3d::test {

// One run of the launcher's start-up on an installation tree, with its dialogs recorded and
// its real process service, so the checker and the engine in the tree's bin really run. The
// start-up makes the installation root current; the folder current before comes back with
// the run.
struct LauncherRun
{
    explicit LauncherRun(const InstallTree& tree)
        : processes(dialogs), startup(context, tree.binDir(), {}, lock.path())
    {
        context.dialogs = &dialogs;
        context.processes = &processes;
    }

    MainWindow& window() { return *startup.mainWindow(); }
    QListWidget* list(const char* name) { return window().findChild<QListWidget*>(name); }
    void select(const char* name, const QString& text) { selectItem(list(name), text); }
    QString selected(const char* name) { return selectedText(list(name)); }

    const CurrentFolder keptFolder;
    QTemporaryDir lock;
    LauncherContext context;
    RecordingDialogs dialogs;
    DesktopProcesses processes;
    LauncherStartup startup;
};

} // namespace z3d::test
