#include "core/app/LauncherContext.h"
#include "gui/LauncherStartup.h"
#include "gui/services/DesktopProcesses.h"
#include "gui/services/WidgetDialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Z3DLauncher"));

    z3d::LauncherContext context;
    z3d::WidgetDialogs dialogs([&context] { return context.settings.advancedOptions; },
                               [] { return false; });
    z3d::DesktopProcesses processes(dialogs);
    context.dialogs = &dialogs;
    context.processes = &processes;

    z3d::LauncherStartup startup(context, QCoreApplication::applicationDirPath(),
                                 QCoreApplication::arguments().mid(1));
    QObject::connect(&startup, &z3d::LauncherStartup::mainWindowCreated,
                     [&dialogs](QWidget* window) { dialogs.setMainWindow(window); });
    if (startup.run() != z3d::LauncherStartup::Outcome::Running)
        return 0;
    return QApplication::exec();
}
