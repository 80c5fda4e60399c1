#include "core/app/ModelFolderTidy.h"

#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

namespace z3d {

void tidyModelFolders(const InstallPaths& paths)
{
    const auto model = [&paths](const char* relative) {
        return PathResolver::resolveUnder(paths.modelDir, QString::fromLatin1(relative));
    };

    if (PathResolver::fileExists(model("CoreEffects/Squish.dmd")) &&
        PathResolver::fileExists(model("Monsters/Squished/Squish.dmd"))) {
        for (const char* file : {"CoreEffects/Squish.dmd", "CoreEffects/Squish2.dmd",
                                 "CoreEffects/squish.png", "CoreEffects/squish2.png"})
            FileOperations::deleteFileIfExists(model(file));
    }

    if (!PathResolver::fileExists(model("Pellam/Items/Bottle3.dmd")) &&
        !PathResolver::fileExists(model("Pellam/Tech/Lamp.dmd"))) {
        FileOperations::deleteFileIfExists(PathResolver::resolveUnder(
            paths.customDefsDir, QStringLiteral("Pellam pistol packing zombies.ded")));
        for (const QString& folder :
             {PathResolver::resolveUnder(paths.modelDefsDir, QStringLiteral("Pellam")),
              model("Pellam")}) {
            if (PathResolver::folderExists(folder))
                FileOperations::deleteFolderTree(folder);
        }
    }
}

} // namespace z3d
