#include "core/app/LauncherContext.h"
#include "core/app/StartupTrace.h"
#include "core/platform/ExecutableFolder.h"
#include "core/platform/TerminationSignals.h"
#include "gui/FontConfigPreload.h"
#include "gui/LauncherStartup.h"
#include "gui/services/DesktopProcesses.h"
#include "gui/services/DialogProgress.h"
#include "gui/services/WidgetDialogs.h"

#include <QApplication>

namespace {

// Reached during the program's static initialisation: the program and its libraries are loaded.
[[maybe_unused]] const bool g_loaded =
    (z3d::StartupTrace::mark("program and libraries loaded"), true);

} // namespace

int main(int argc, char* argv[])
{
    z3d::StartupTrace::mark("main entered");
    // Read beside the connection to the display, and done before the first font is needed.
    z3d::FontConfigPreload fontConfig;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Z3DLauncher"));
    z3d::StartupTrace::mark("application object (display connection)");
    fontConfig.wait();
    z3d::StartupTrace::mark("font configuration read");

    z3d::LauncherContext context;
    z3d::WidgetDialogs dialogs([&context] { return context.settings.advancedOptions; },
                               [&context] { return context.customFontInUse; });
    z3d::DesktopProcesses processes(dialogs);
    z3d::DialogProgress progress;
    context.dialogs = &dialogs;
    context.processes = &processes;
    context.progress = &progress;
    dialogs.setProgress(&progress);

    z3d::LauncherStartup startup(context, z3d::ExecutableFolder::path(),
                                 QCoreApplication::arguments().mid(1));
    QObject::connect(&startup, &z3d::LauncherStartup::mainWindowCreated,
                     [&dialogs, &progress](QWidget* window) {
                         dialogs.setMainWindow(window);
                         progress.setMainWindow(window);
                     });
    // Ending before the event loop runs is answered by run()'s outcome instead.
    // Also in the middle of long work: the checker runs it still waited for are ended.
    QObject::connect(&startup, &z3d::LauncherStartup::ended, [&processes] {
        processes.stopWaiting();
        QCoreApplication::exit(0);
    });
    z3d::TerminationSignals termination;
    // An extraction under way stops first, leaving nothing half-written; the launcher then ends.
    QObject::connect(&termination, &z3d::TerminationSignals::terminationRequested,
                     [&progress] { progress.cancel(); });
    QObject::connect(&termination, &z3d::TerminationSignals::terminationRequested, &startup,
                     &z3d::LauncherStartup::terminate);
    if (startup.run() != z3d::LauncherStartup::Outcome::Running)
        return 0;
    return QApplication::exec();
}
