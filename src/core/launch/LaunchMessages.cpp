#include "core/launch/LaunchMessages.h"

#include "core/launch/EngineCommandLine.h"

namespace z3d {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kLaunchError = QStringLiteral(" Launch error");

LaunchMessage info(const QString& title, const QString& text)
{
    return LaunchMessage{title, text, 64};
}

} // namespace

LaunchMessage LaunchMessages::orrinpackVersion()
{
    return info(kLaunchError,
                QStringLiteral(" Your version of orrinpack is not compatible with this version "
                               "of Zorn3D,  ") +
                    kCrLf +
                    QStringLiteral("    Orrinpack will not be used for this game - update to "
                                   "Orrinpack v7.  "));
}

LaunchMessage LaunchMessages::modelCompatibility()
{
    return info(kLaunchError,
                QStringLiteral(" There is a compatibility issue between the standard and "
                               "enhanced models,  ") +
                    kCrLf +
                    QStringLiteral("  Enhanced models will not be used  - update to the latest "
                                   "model packs.  "));
}

LaunchMessage LaunchMessages::orrinpackWadMissing()
{
    return info(kLaunchError,
                QStringLiteral(" Unable to use orrinpack as the orrinpack.wad was not found.  "));
}

LaunchMessage LaunchMessages::iwadLocation()
{
    return info(QStringLiteral(" Setup error"),
                QStringLiteral("There appears to be a problem with the IWAD location.") + kCrLf +
                    QStringLiteral("Reset Iwads and do a search or enter new locations."));
}

LaunchMessage LaunchMessages::mapUpdateRequired()
{
    return info(QStringLiteral(" Map error - updated map required"),
                QStringLiteral("   Components of this map are either missing or not compatible "
                               "with this version        ") +
                    kCrLf +
                    QStringLiteral("   of Zorn3D, download the latest version of this map from "
                                   "the Zorn3D website.     "));
}

LaunchMessage LaunchMessages::noWadSelected()
{
    return info(kLaunchError, QStringLiteral("You have not yet selected a WAD file.     "));
}

LaunchMessage LaunchMessages::noValidWadSelected(const QString& fileName)
{
    return info(kLaunchError, QStringLiteral("You have not yet selected a valid WAD file.     ") +
                                  kCrLf + QStringLiteral("The ") + fileName.toUpper() +
                                  QStringLiteral(" contains no levels.     "));
}

LaunchMessage LaunchMessages::finalDoomIwadMissing()
{
    return info(QStringLiteral(" Missing Final Doom Iwad "),
                QStringLiteral("This map requires one of the Final Doom Iwads to run "
                               "correctly.      ") +
                    kCrLf +
                    QStringLiteral("  Read the author's text file regarding which Iwad is "
                                   "required.      "));
}

LaunchMessage LaunchMessages::iwadNotFoundForMap(const QString& iwadFileName)
{
    return info(QStringLiteral(" Iwad not found for current map"),
                QStringLiteral("There appears to be a problem locating the Iwad for this "
                               "map.      ") +
                    kCrLf + QStringLiteral("     This map requires the ") + iwadFileName +
                    QStringLiteral(" before it can be run."));
}

LaunchMessage LaunchMessages::noLevels(const QString& fileName)
{
    return info(QStringLiteral(" Wad error"), noLevelsText(fileName));
}

QString LaunchMessages::noLevelsText(const QString& fileName)
{
    return QStringLiteral("The ") +
           (fileName + QStringLiteral(" contains no levels.    ")).toLower();
}

LaunchMessage LaunchMessages::unsplittableLine(const EngineCommandLine& line,
                                               const QString& installRoot)
{
    const std::optional<QString>& value = line.unquotableValue();
    if (!value)
        return info(kLaunchError,
                    QStringLiteral("Zorn3D cannot be started: its command line would not reach "
                                   "it as it was built.") +
                        kCrLf + line.text());
    const QString cannot = QStringLiteral(
        "A double quote in a name, or a backslash at its end, cannot be passed to Zorn3D.");
    if (!installRoot.isEmpty() && value->startsWith(installRoot) && installRoot.contains(u'"'))
        return info(kLaunchError,
                    QStringLiteral("Zorn3D cannot be started from this installation folder:") +
                        kCrLf + installRoot + kCrLf + cannot + kCrLf +
                        QStringLiteral("Move or rename the installation folder."));
    return info(kLaunchError, QStringLiteral("Zorn3D cannot be given this file or folder:") +
                                  kCrLf + *value + kCrLf + cannot + kCrLf +
                                  QStringLiteral("Rename it and launch again."));
}

} // namespace z3d
