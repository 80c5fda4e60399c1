#pragma once

// For window tests only: they link the gui library this needs.

#include "core/app/LauncherContext.h"
#include "gui/handlers/AvailabilityController.h"
#include "gui/mainwindow.h"
#include "gui/TexturePathController.h"

#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"

namespace z3d::test {

// A main window on a standard installation tree, its dialogs recorded, with the texture path
// and the option availability wired to it as the start-up wires them.
struct OptionsWindow
{
    OptionsWindow() : window(context.settings)
    {
        context.paths = tree.paths();
        context.dialogs = &dialogs;
        window.setInstallPaths(context.paths);
        texturePaths = new TexturePathController(context, *window.graphicsTab(), window.shell());
        availability = new AvailabilityController(
            context, window.pages(), *window.chkMain(MainWindow::kBasicDoomBox),
            *window.chkMain(MainWindow::kHiResTexturesBox), *texturePaths,
            window.chkMain(MainWindow::kNoMonstersBox));
    }

    InstallTree tree;
    RecordingDialogs dialogs;
    LauncherContext context;
    MainWindow window;
    TexturePathController* texturePaths;
    AvailabilityController* availability;
};

} // namespace z3d::test
