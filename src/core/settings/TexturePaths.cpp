#include "core/settings/TexturePaths.h"

#include "core/platform/PathResolver.h"
#include "core/settings/AuxiliaryFiles.h"

namespace z3d {

namespace {

bool namedTextures(const QString& path)
{
    return PathResolver::lastComponent(path).compare(QLatin1String("Textures"),
                                                     Qt::CaseInsensitive) == 0;
}

// The path box's change rule without its file side effect.
QString takeBoxText(const QString& texturePath, const QString& boxText)
{
    if (PathResolver::folderExists(texturePath) &&
        boxText != QLatin1String(TexturePaths::kInvalidPathText))
        return boxText;
    return texturePath;
}

} // namespace

TexturePathCheck TexturePaths::texturePathValid(const QString& texturePath, const QString& boxText,
                                                const InstallPaths& paths)
{
    TexturePathCheck check;
    QString path = texturePath;
    if (!PathResolver::folderExists(path))
        path = boxText;

    if (PathResolver::folderExists(PathResolver::join(path, QStringLiteral("Textures"))) ||
        (namedTextures(path) && PathResolver::folderExists(path))) {
        check.valid = true;
        check.texturePath = PathResolver::resolve(path);
        return check;
    }
    const QString fallback = AuxiliaryFiles::defaultTexturePath(paths);
    if (PathResolver::folderExists(fallback)) {
        check.valid = true;
        check.texturePath = fallback;
        check.boxText = fallback;
        return check;
    }
    check.texturePath = path;
    return check;
}

PatchesCheck TexturePaths::patchesAvailable(const QString& texturePath,
                                            const QString& previousSetDir,
                                            const InstallPaths& installPaths)
{
    if (PathResolver::folderExists(installPaths.under(QStringLiteral("\\Data\\Patches"))))
        return {true, previousSetDir};
    const QString setDir =
        namedTextures(texturePath) ? PathResolver::parentFolder(texturePath) : texturePath;
    const bool available =
        !setDir.isEmpty() &&
        PathResolver::folderExists(PathResolver::join(setDir, QStringLiteral("Patches")));
    return {available, setDir};
}

TextureChoiceOutcome TexturePaths::chooseFolder(const QString& texturePath,
                                                const QString& textureSetDir,
                                                const QString& boxText,
                                                const std::optional<QString>& chosenFolder,
                                                const InstallPaths& paths)
{
    QString box = boxText;
    QString path = texturePath;
    if (chosenFolder) {
        const qsizetype nul = chosenFolder->indexOf(QChar(0));
        box = nul < 0 ? *chosenFolder : chosenFolder->left(nul);
        path = takeBoxText(path, box);
    }

    TextureChoiceOutcome outcome;
    const TexturePathCheck check = texturePathValid(path, box, paths);
    outcome.valid = check.valid;
    outcome.texturePath = check.texturePath;
    const PatchesCheck patches = patchesAvailable(check.texturePath, textureSetDir, paths);
    outcome.textureSetDir = patches.textureSetDir;
    if (check.valid) {
        outcome.boxText = check.texturePath;
        if (patches.available)
            outcome.patches = ControlChange::Enable;
        AuxiliaryFiles::storeTexturePath(paths, check.texturePath);
    } else {
        outcome.boxText = QLatin1String(kInvalidPathText);
        if (!patches.available)
            outcome.patches = ControlChange::Disable;
        AuxiliaryFiles::deleteTexturePath(paths);
    }
    return outcome;
}

QString TexturePaths::pathBoxChanged(const QString& texturePath, const QString& boxText,
                                     const InstallPaths& paths)
{
    const QString path = takeBoxText(texturePath, boxText);
    if (path == texturePath)
        return texturePath;
    AuxiliaryFiles::writeTexturePathUnlessDefault(paths, path);
    return path;
}

} // namespace z3d
