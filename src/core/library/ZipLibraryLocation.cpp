#include "core/library/ZipLibraryLocation.h"

#include "core/platform/InstallPaths.h"
#include "core/services/Dialogs.h"
#include "core/settings/AuxiliaryFiles.h"
#include "core/settings/FolderBrowserTitle.h"

namespace z3d {

QString ZipLibraryLocation::instruction(const QString& zipLibraryDir)
{
    return FolderBrowserTitle::make(zipLibraryDir,
                                    QLatin1String(FolderBrowserTitle::kZipLibrarySentence));
}

QString ZipLibraryLocation::choose(const InstallPaths& paths, Dialogs& dialogs)
{
    const QString current = paths.zipLibraryDir;
    const std::optional<QString> chosen = dialogs.browseForFolder(instruction(current), current);
    const QString folder = chosen && !chosen->isEmpty() ? *chosen : current;
    return AuxiliaryFiles::storeZipLibraryDir(paths, folder);
}

} // namespace z3d
