#include "core/desktop/LauncherMenuEntry.h"

#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"

namespace z3d {

DesktopEntryFields LauncherMenuEntry::fields(const QString& launcherFile, const QString& iconFile)
{
    DesktopEntryFields fields;
    fields.name = QLatin1String(kName);
    fields.comment = QLatin1String(kComment);
    fields.command = QStringList{launcherFile};
    fields.workingFolder = PathResolver::parentFolder(launcherFile);
    fields.icon = iconFile;
    fields.categories = QStringList{QStringLiteral("Game")};
    return fields;
}

ErrorNumber LauncherMenuEntry::write(const QString& applicationsFolder, const QString& launcherFile,
                                     const QString& iconFile, QString* written)
{
    const std::optional<QByteArray> bytes = DesktopEntry::text(fields(launcherFile, iconFile));
    if (!bytes)
        return ErrorNumber::PathFileAccessError;
    if (const ErrorNumber error = FileOperations::createFolderPath(applicationsFolder);
        error != ErrorNumber::None)
        return error;
    const QString file = PathResolver::resolveUnder(applicationsFolder, QLatin1String(kFileName));
    if (const ErrorNumber error = FileOperations::writeFile(file, *bytes);
        error != ErrorNumber::None)
        return error;
    if (written)
        *written = file;
    return ErrorNumber::None;
}

} // namespace z3d
