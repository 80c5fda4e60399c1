#include "core/models/ModelPacks.h"

#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

namespace z3d {

namespace {

bool folderUnder(const QString& base, const char* relative)
{
    return PathResolver::folderExists(PathResolver::resolveUnder(base, QLatin1String(relative)));
}

bool fileUnder(const QString& base, const char* relative)
{
    return PathResolver::fileExists(PathResolver::resolveUnder(base, QLatin1String(relative)));
}

} // namespace

InstalledModelPacks InstalledModelPacks::probe(const InstallPaths& paths)
{
    const QString& models = paths.modelDir;
    const QString& defs = paths.modelDefsDir;
    InstalledModelPacks packs;
    packs.modelDir = PathResolver::folderExists(models);
    packs.coreEffects =
        folderUnder(models, "CoreEffects") && fileUnder(paths.baseDefsDir, "CoreEffects.ded");
    packs.hudWeapons =
        folderUnder(models, "HudWeapons/chainsaw") && fileUnder(defs, "HudWeapons.ded");
    packs.monstersImp = folderUnder(models, "Monsters/Imp");
    packs.monsters = packs.monstersImp && fileUnder(defs, "Monsters.ded");
    packs.decorations = folderUnder(models, "Decorations") && fileUnder(defs, "Decorations.ded");
    packs.itemsWeapons = folderUnder(models, "Items") && fileUnder(defs, "items.ded");
    packs.splashes = folderUnder(models, "Splashes") && fileUnder(defs, "Splashes.ded");
    packs.flameModelsDed = fileUnder(defs, "FlameModels.ded");
    packs.flameModels = folderUnder(models, "Flames") && packs.flameModelsDed;

    const bool orrinpack = folderUnder(models, "Orrinpack");
    packs.fullpackDed = fileUnder(paths.orrinpackDefsDir, "Fullpack.ded");
    packs.alternativeDed = fileUnder(paths.orrinpackDefsDir, "Alternative.ded");
    packs.orrinWeapons = orrinpack && packs.fullpackDed;
    packs.orrinAltWeapons = orrinpack && packs.alternativeDed;

    packs.tolmsSoldiersDed = fileUnder(paths.addonDefsDir, "TolmsSoldiers.ded");
    packs.brannock = folderUnder(models, "Monsters/Soldiers2") && packs.tolmsSoldiersDed;

    packs.hudWeaponsFolder = folderUnder(models, "HudWeapons");
    packs.pellamHang7 = fileUnder(models, "Pellam/Gore/hang7.dmd");
    packs.pellamHang1 = fileUnder(models, "Pellam/Gore/hang1.png");
    return packs;
}

} // namespace z3d
