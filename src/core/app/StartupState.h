#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

inline const QString kLauncherVersion = QStringLiteral("v7.5");
inline const QString kEngineVersion = QStringLiteral("Zorn3D v2.2.20");

// "Z3DLauncher v7.5  and  Zorn3D v2.2.20": the main window's caption and the key of the
// single-instance test.
QString buildWindowTitle(const QString& launcherVersion, const QString& engineVersion);

enum class LauncherSwitch
{
    None,
    Wine,
    Restart
};

// The launcher's own command line (the arguments after the program) holds a switch only when
// the whole of it is "/WINE" or "/RESTART", compared without regard to case.
LauncherSwitch parseLauncherSwitch(const QStringList& arguments);

// The command line that starts the launcher anew while this instance is closing:
// InstallRoot + "\bin\Z3Dlauncher.exe /RESTART", the program quoted so that an installation
// folder with blanks in its name still works.
QString relaunchCommandLine(const QString& installRoot);

// The process-wide start-up values and flags. They live for the whole run.
struct StartupState
{
    QString launcherVersion;
    QString engineVersion = kEngineVersion;
    QString windowTitle;
    // Started with "/WINE": the window is always centred and its position is not remembered.
    bool wineMode = false;
    // Started with "/RESTART": the single-instance test is skipped.
    bool restarted = false;
    // config.z3d is outdated or damaged and defaults are in force; nothing is saved at exit.
    bool settingsReset = false;
    // config.z3d could not be read at all; chooses the wording of the reset notice.
    bool settingsCorrupt = false;
    // Set by the shutdown on fatal errors; the unload step then does nothing.
    bool shuttingDown = false;
    // A new font needs a restart: the unload step relaunches the launcher.
    bool restartOnExit = false;
    // The bare name of the first missing dependency file, empty when all are present.
    QString missingDependency;
};

} // namespace z3d
