#include "core/launch/EngineStart.h"

#include "core/launch/LaunchLog.h"
#include "core/launch/LaunchState.h"
#include "core/platform/InstallPaths.h"
#include "core/services/Dialogs.h"
#include "core/services/Processes.h"

namespace z3d {

EngineStart::EngineStart(const InstallPaths& paths, Processes& processes, Dialogs& dialogs,
                         EngineStartHost& host)
    : m_paths(paths), m_processes(processes), m_dialogs(dialogs), m_host(host)
{
}

bool EngineStart::start(const QString& commandLine, int afterLaunchAction, LaunchState& launch,
                        bool temporaryBasicDoom)
{
    LaunchLog::write(m_paths, commandLine);
    m_host.saveWindowPosition();
    if (afterLaunchAction == AfterLaunchMinimised)
        m_host.minimise();
    m_host.clearOptionChangeFlags();

    const bool started = m_processes.startProgram(commandLine, m_paths.installRoot);
    if (!started) {
        m_dialogs.messageBox(QStringLiteral("Cannot execute! The command line was:\r\n") +
                                 commandLine,
                             MsgButtonsOk, QString());
        launch.launchPending = false;
        m_host.showWindow();
    }

    if (temporaryBasicDoom)
        m_host.turnOffTemporaryBasicDoom();
    if (afterLaunchAction == AfterLaunchExit)
        m_host.hideAndUnloadAll();
    return started;
}

} // namespace z3d
