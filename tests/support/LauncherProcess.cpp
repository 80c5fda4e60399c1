#include "LauncherProcess.h"

#include "XSession.h"

#include <QDir>
#include <QFile>

namespace z3d::test {

namespace {

constexpr int kStopMs = 5000;

} // namespace

LauncherProcess::LauncherProcess(const XSession& session, const QString& binFolder,
                                 const QString& tempFolder, const QString& workingFolder)
    : m_binFolder(binFolder)
{
    QProcessEnvironment environment = session.environment();
    // ctest runs every test on the offscreen platform; this program needs the real display.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("TMPDIR"), tempFolder);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), tempFolder);
    // The commercial games are looked for there too; the installation's own are meant.
    environment.remove(QStringLiteral("DOOMWADDIR"));
    environment.remove(QStringLiteral("$DOOMWADDIR"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome(tempFolder));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), xdgDataDirs(tempFolder));
    // Shortcuts go to the desktop and the applications menu: the test's own, not the
    // machine's.
    environment.insert(QStringLiteral("HOME"), home(tempFolder));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       QDir(tempFolder).filePath(QStringLiteral("xdg-config-home")));
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(workingFolder.isEmpty() ? binFolder : workingFolder);
    // Into a file, not a pipe: nothing reads a pipe while a test waits, and a full one would
    // stop the launcher.
    static int started = 0;
    m_outputFile = QDir(tempFolder).filePath(QStringLiteral("launcher-%1.out").arg(++started));
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(m_outputFile);
    XSession::endWithThisProcess(m_process);
}

QString LauncherProcess::xdgDataHome(const QString& tempFolder)
{
    return QDir(tempFolder).filePath(QStringLiteral("xdg-data-home"));
}

QString LauncherProcess::xdgDataDirs(const QString& tempFolder)
{
    return QDir(tempFolder).filePath(QStringLiteral("xdg-data-dirs"));
}

QString LauncherProcess::home(const QString& tempFolder)
{
    return QDir(tempFolder).filePath(QStringLiteral("home"));
}

LauncherProcess::~LauncherProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(kStopMs);
}

bool LauncherProcess::start(const QStringList& arguments)
{
    m_process.start(QDir(m_binFolder).filePath(QStringLiteral("Z3Dlauncher")), arguments);
    return m_process.waitForStarted(XSession::kDeadlineMs);
}

qint64 LauncherProcess::pid() const
{
    return m_process.processId();
}

bool LauncherProcess::isRunning()
{
    // Without an event loop, an ended process is only noticed when asked.
    if (m_process.state() != QProcess::NotRunning)
        m_process.waitForFinished(0);
    return m_process.state() != QProcess::NotRunning;
}

bool LauncherProcess::waitForExit()
{
    return m_process.state() == QProcess::NotRunning ||
           m_process.waitForFinished(XSession::kDeadlineMs);
}

int LauncherProcess::exitCode() const
{
    const bool ended =
        m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::NormalExit;
    return ended ? m_process.exitCode() : -1;
}

QString LauncherProcess::output() const
{
    QFile file(m_outputFile);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

} // namespace z3d::test
