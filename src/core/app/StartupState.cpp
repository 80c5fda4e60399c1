#include "core/app/StartupState.h"

namespace z3d {

QString buildWindowTitle(const QString& launcherVersion, const QString& engineVersion)
{
    return QStringLiteral("Z3DLauncher ") + launcherVersion + QStringLiteral("  and  ") +
           engineVersion;
}

LauncherSwitch parseLauncherSwitch(const QStringList& arguments)
{
    const QString commandLine = arguments.join(QLatin1Char(' '));
    if (commandLine.compare(QLatin1String("/WINE"), Qt::CaseInsensitive) == 0)
        return LauncherSwitch::Wine;
    if (commandLine.compare(QLatin1String("/RESTART"), Qt::CaseInsensitive) == 0)
        return LauncherSwitch::Restart;
    return LauncherSwitch::None;
}

QString relaunchCommandLine(const QString& installRoot)
{
    return QLatin1Char('"') + installRoot + QStringLiteral("/bin/Z3Dlauncher.exe\" /RESTART");
}

} // namespace z3d
