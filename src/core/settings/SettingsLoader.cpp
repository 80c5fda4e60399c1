#include "core/settings/SettingsLoader.h"

#include "core/platform/PathResolver.h"
#include "core/settings/AuxiliaryFiles.h"

namespace z3d {

LoadedSettings SettingsLoader::load(const InstallPaths& paths, bool wineMode, int screenWidthTwips,
                                    int screenHeightTwips)
{
    LoadedSettings loaded;
    loaded.paths = paths;
    const LauncherSettings defaults =
        LauncherSettings::defaults(screenWidthTwips, screenHeightTwips);

    loaded.texturePath =
        AuxiliaryFiles::readTexturePath(paths).value_or(AuxiliaryFiles::defaultTexturePath(paths));
    // A chosen zip library that has gone (an unplugged drive) is not created again: the
    // default library stands in for it until it is back.
    if (const std::optional<QString> zip = AuxiliaryFiles::readZipLibraryDir(paths);
        zip && PathResolver::folderExists(*zip))
        loaded.paths.zipLibraryDir = *zip;

    const QString config =
        PathResolver::resolveUnder(paths.launcherDir, QLatin1String(SettingsFile::kFileName));
    loaded.result = SettingsFile::read(config, wineMode, defaults);
    return loaded;
}

} // namespace z3d
