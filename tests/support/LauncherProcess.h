#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace z3d::test {

class XSession;

// The built launcher run as a program of its own, in an installation's bin folder (its working
// folder too), shown on a private X display through Qt's xcb platform whatever platform the
// test itself runs on. A launcher still running when the object goes away is killed.
//
// tempFolder becomes the launcher's temporary folder, where its single-instance lock lives:
// launchers given the same folder meet each other, launchers of other tests never do. The
// launcher's XDG data folders and its home are in it too (xdgDataHome, xdgDataDirs, home,
// missing unless a test makes them), so the machine's own games and Debian's Freedoom are
// never found, and nothing is written into the player's own home.
class LauncherProcess
{
public:
    // The main window's title, by which the tests find it.
    static inline const QString kMainWindowTitle =
        QStringLiteral("Z3DLauncher v7.5  and  Zorn3D v2.2.20");

    // workingFolder replaces binFolder as the folder the launcher is started in.
    LauncherProcess(const XSession& session, const QString& binFolder, const QString& tempFolder,
                    const QString& workingFolder = {});
    // XDG_DATA_HOME and XDG_DATA_DIRS (a single folder) of the launchers of tempFolder.
    static QString xdgDataHome(const QString& tempFolder);
    static QString xdgDataDirs(const QString& tempFolder);
    // HOME of the launchers of tempFolder (missing unless a test makes it): the desktop's
    // shortcuts land in its Desktop folder.
    static QString home(const QString& tempFolder);
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    bool start(const QStringList& arguments = {});
    qint64 pid() const;
    bool isRunning();
    // True when the process ended within XSession::kDeadlineMs.
    bool waitForExit();
    // The exit code of a process that ended normally; -1 when it crashed or still runs.
    int exitCode() const;
    // What it printed, for failure messages.
    QString output() const;

private:
    QProcess m_process;
    QString m_binFolder;
    QString m_outputFile;
};

} // namespace z3d::test
