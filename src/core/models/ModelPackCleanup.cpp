#include "core/models/ModelPackCleanup.h"

#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

#include <QFileInfo>

namespace z3d {

namespace {

// Removes named items under their base folders, stopping at the first failure.
class Remover
{
public:
    explicit Remover(CleanupResult& result) : m_result(result) {}

    bool failed() const { return !m_result.complete(); }

    void remove(const QString& base, const QString& relative)
    {
        if (failed() || reachedThroughLink(base, relative))
            return;
        const QString path = PathResolver::resolveUnder(base, relative);
        const QFileInfo info(path);
        ErrorNumber error = ErrorNumber::None;
        if (info.isSymLink() || info.isFile())
            error = FileOperations::deleteFile(path);
        else if (info.isDir())
            error = FileOperations::deleteFolderTree(path);
        if (error != ErrorNumber::None) {
            m_result.failedItem = path;
            m_result.error = error;
        }
    }

    void removeAll(const QString& base, std::initializer_list<const char*> items)
    {
        for (const char* item : items)
            remove(base, QLatin1String(item));
    }

private:
    // Whether a folder between base and the item is a link: the item then lies elsewhere.
    static bool reachedThroughLink(const QString& base, const QString& relative)
    {
        const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QString prefix;
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            prefix = prefix.isEmpty() ? parts[i] : prefix + QLatin1Char('/') + parts[i];
            if (QFileInfo(PathResolver::resolveUnder(base, prefix)).isSymLink())
                return true;
        }
        return false;
    }

    CleanupResult& m_result;
};

bool folderUnder(const QString& base, const char* relative)
{
    return PathResolver::folderExists(PathResolver::resolveUnder(base, QLatin1String(relative)));
}

void removeStandardModels(Remover& r, const InstallPaths& paths)
{
    const QString& models = paths.modelDir;
    r.removeAll(models, {"Decorations", "Flames", "HudWeapons", "Items", "Marine", "Nature",
                         "Spheres", "Splashes", "Tech", "Weapons", "Lod/Common", "Lod/Standard"});
    if (!folderUnder(models, "Lod/Enhanced"))
        r.remove(models, QStringLiteral("Lod"));
    r.removeAll(models,
                {"Monsters/ArchVile", "Monsters/BossBrain", "Monsters/BossCube", "Monsters/Bruiser",
                 "Monsters/Caco", "Monsters/Cyberdemon", "Monsters/Demon", "Monsters/Imp",
                 "Monsters/Keen", "Monsters/LostSoul", "Monsters/Mancubus", "Monsters/Pain",
                 "Monsters/Revenant", "Monsters/Soldiers", "Monsters/Spider", "Monsters/SSdude"});
    r.removeAll(paths.modelDefsDir,
                {"Decorations.ded", "FlameModels.ded", "HudWeapons.ded", "Items.ded", "Lod.ded",
                 "Monsters.ded", "Players.ded", "Splashes.ded", "Weapons.ded", "Grenade.ded"});
    r.removeAll(paths.customDefsDir, {"Tesk's pistol packing zombies.ded", "Standard chaingun.ded",
                                      "Splash bubbles effect.ded"});
    r.remove(paths.addonDefsDir, QStringLiteral("ExtraFX.ded"));
    if (!folderUnder(models, "Monsters/Soldiers2"))
        r.remove(models, QStringLiteral("Monsters"));
}

void removePellamOrrinModels(Remover& r, const InstallPaths& paths)
{
    r.remove(paths.modelDir, QStringLiteral("Pellam"));
    r.remove(paths.modelDefsDir, QStringLiteral("Pellam"));
    r.remove(paths.customDefsDir, QStringLiteral("Pellam pistol packing zombies.ded"));
    r.remove(paths.modelDir, QStringLiteral("Lod/Enhanced"));
    if (!folderUnder(paths.modelDir, "Lod/Standard"))
        r.remove(paths.modelDir, QStringLiteral("Lod"));
}

void removeBrannockSoldiers(Remover& r, const InstallPaths& paths)
{
    r.remove(paths.modelDir, QStringLiteral("Monsters/Soldiers2"));
    r.removeAll(paths.addonDefsDir, {"TolmsSoldiers.ded", "TolmsSoldiersLod.ded"});
    if (!folderUnder(paths.modelDir, "Monsters/Soldiers"))
        r.remove(paths.modelDir, QStringLiteral("Monsters"));
}

} // namespace

CleanupResult deleteModelPacks(const InstallPaths& paths, const CleanupChoice& choice)
{
    CleanupResult result;
    Remover r(result);
    if (choice.standardModels)
        removeStandardModels(r, paths);
    if (choice.pellamOrrinModels)
        removePellamOrrinModels(r, paths);
    if (choice.orrinpack) {
        r.remove(paths.modelDir, QStringLiteral("Orrinpack"));
        r.remove(paths.modelDefsDir, QStringLiteral("Orrinpack"));
    }
    if (choice.brannockSoldiers)
        removeBrannockSoldiers(r, paths);
    const QString& models = paths.modelDir;
    if (!folderUnder(models, "Hudweapons") && !folderUnder(models, "Orrinpack") &&
        !folderUnder(models, "Pellam"))
        r.removeAll(models, {"shiny.png", "metallic.png"});
    return result;
}

} // namespace z3d
