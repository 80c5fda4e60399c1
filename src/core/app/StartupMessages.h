#pragma once

#include "core/platform/LosslessUtf8.h"
#include "core/platform/PathResolver.h"

#include <QString>

// The fixed texts and titles of the start-up's and the exit's messages. Blanks are part of the
// texts.
namespace z3d::startup_messages {

inline const QString kCrLf = QStringLiteral("\r\n");

inline const QString kStartupErrorTitle = QStringLiteral("Startup error");
inline QString missingDependency(const QString& fileName)
{
    return fileName + QStringLiteral(" has not been detected - re-install Zorn3D.    ");
}

// The installation cannot be reached by name (launcherFolder as ExecutableFolder gives it):
// shown with a byte that is not UTF-8 as the replacement character, as file managers show it.
inline const QString kInstallationFolderTitle = QStringLiteral("Installation folder error");
inline QString unreachableInstallationFolder(const QString& launcherFolder)
{
    const QString shown =
        QString::fromUtf8(LosslessUtf8::encode(PathResolver::parentFolder(launcherFolder)));
    return QStringLiteral("   The launcher cannot reach the files of its installation folder "
                          "by that folder's name:   ") +
           kCrLf + QStringLiteral("   ") + shown + QStringLiteral("   ") + kCrLf +
           QStringLiteral("   Give the folder a name in the system's encoding (UTF-8), then "
                          "start the launcher again.   ");
}

inline const QString kRestrictedTitle = QStringLiteral("Restricted Window's User Account Control");
inline const QString kRestrictedText =
    QStringLiteral(
        "   You appear to have restricted access with this user account, Zorn3D        ") +
    kCrLf + QStringLiteral("    requires a UAC with a higher privilege level before it will run.");

inline const QString kInstallationErrorTitle = QStringLiteral("Installation error");
inline const QString kInstallationErrorText =
    QStringLiteral("   Unable to run the Z3Dlauncher due to missing or unregistered       ") +
    kCrLf + QStringLiteral("   dependencies, re-install the program using the Zorn3D setup.");

inline const QString kUnknownErrorTitle = QStringLiteral("Unknown Error");
inline const QString kUnknownErrorText =
    QStringLiteral("   Unable to run the Z3Dlauncher due to unknown error      ") + kCrLf +
    QStringLiteral("  please report error to the Zorn3D development team.");

inline QString versionUpdateTitle(const QString& launcherVersion)
{
    return QStringLiteral(" Version update ") + launcherVersion;
}
// The two notices of a reset of the settings end alike.
inline const QString kSettingsResetEnd =
    kCrLf + QStringLiteral(" be reset to the default settings, please reconfigure your settings. ");
inline const QString kCorruptConfigText =
    QStringLiteral("Corrupt config file detected required the launcher configurations to     ") +
    kSettingsResetEnd;
inline const QString kVersionUpgradeText =
    QStringLiteral("The latest version upgrade required the launcher configurations to     ") +
    kSettingsResetEnd;

inline const QString kConfigurationErrorTitle = QStringLiteral(" Configuration error detected");
inline const QString kConfigurationErrorText =
    QStringLiteral(" The Launcher has detected a configuration error, the default  ") + kCrLf +
    QStringLiteral(" settings will be reset, please reconfigure launcher settings. ");

// The settings (config.z3d, custom.z3d) found no room on the disk at exit: the earlier files
// stay as they were.
inline const QString kSettingsNotSavedTitle = QStringLiteral(" Settings not saved");
inline const QString kSettingsDiskFullText =
    QStringLiteral("The disk is full: the settings of this session were not saved, the earlier "
                   "ones are kept.    ");

} // namespace z3d::startup_messages
