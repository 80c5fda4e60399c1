#include "core/launch/OptionAvailability.h"

#include "core/launch/LaunchProbe.h"
#include "core/platform/PathResolver.h"

#include <QFileInfo>

namespace z3d {

namespace {

// The group switch also covers "Extra FX"; switching back on, the caller narrows it to the
// installed extra effects.
void setEnhancements(OptionAvailability& available, bool enabled)
{
    available.enhancements = enabled;
    available.extraFx = enabled;
}

// The greying of "Basic Doom mode". "High resolution patches" is not part of it.
void switchOffForBasicDoom(OptionAvailability& available)
{
    setEnhancements(available, false);
    available.detailTextures = false;
    available.hiResTextures = false;
    available.texturePathControls = false;
    available.texturePathButton = false;
    available.resurrectWithFade = false;
    available.skyboxes = false;
    available.soundPack = false;
}

// The texture path test re-applied to the path box: a failure disables the box and
// "High resolution textures"; a success changes no enabled state.
void retestTexturePath(AvailabilityUpdate& update, const InstalledResources& found)
{
    update.texturePathTested = true;
    if (!found.texturePathValid) {
        update.available.hiResTextures = false;
        update.available.texturePathControls = false;
    }
}

} // namespace

InstalledResources InstalledResources::probe(const InstallPaths& paths, const QString& texturePath,
                                             const QString& pathBoxText,
                                             const QString& textureSetDir,
                                             const QString& selectedGameFile)
{
    InstalledResources found;
    found.extraFx = PathResolver::fileExists(
        PathResolver::resolveUnder(paths.addonDefsDir, QStringLiteral("ExtraFX.ded")));
    found.detailTextures =
        PathResolver::fileExists(paths.under(QStringLiteral("data/dtex/detail.wad")));
    found.skyboxes = PathResolver::folderExists(paths.under(QStringLiteral("data/Skyboxes")));
    found.soundPack = PathResolver::fileExists(paths.under(QStringLiteral("data/hv_doom_sfx.wad")));
    found.patchFile =
        PathResolver::fileExists(paths.under(QStringLiteral("data/patches/stbar.png")));

    // The patch set is looked for beside the TexturePath the path test settles on.
    const TexturePathCheck check = TexturePaths::texturePathValid(texturePath, pathBoxText, paths);
    found.texturePathValid = check.valid;
    found.texturePath = check.texturePath;
    const PatchesCheck patches =
        TexturePaths::patchesAvailable(check.texturePath, textureSetDir, paths);
    found.patchesAvailable = patches.available;
    found.textureSetDir = patches.textureSetDir;

    found.gameHasOwnHiResFolders =
        !selectedGameFile.isEmpty() &&
        LaunchProbe::hasOwnHiResFolders(paths.installRoot,
                                        QFileInfo(selectedGameFile).completeBaseName());
    return found;
}

OptionChoices OptionChoices::fromSettings(const LauncherSettings& settings)
{
    return {settings.basicDoomMode, settings.hiResTextures, settings.hiResPatches,
            settings.corpseFadeSeconds};
}

bool OptionAvailability::modelOption(int index) const
{
    return unlocked(enhancements && models.options.at(index));
}

bool OptionAvailability::alternativeModel(int index) const
{
    return enhancements && models.alternatives.at(index);
}

OptionBoxStates OptionAvailability::boxStates() const
{
    using namespace model_box;
    OptionBoxStates boxes;
    boxes.orrinWeapons = alternativeModel(kOrrinWeapons);
    boxes.orrinAltWeapons = alternativeModel(kOrrinAltWeapons);
    boxes.replacements = alternativeModel(kReplacements);
    boxes.allModels = modelOption(kAllModels);
    boxes.forceOverride = modelOption(kForceOverride);
    boxes.hudWeapons = modelOption(kHudWeapons);
    boxes.decorations = modelOption(kDecorations);
    boxes.itemsWeapons = modelOption(kItemsWeapons);
    boxes.splashes = modelOption(kSplashes);
    boxes.flameModels = modelOption(kFlameModels);
    boxes.extraFx = extraFxOffered();
    boxes.soundPack = soundPack;
    return boxes;
}

AvailabilityUpdate availabilityAtLoad(const InstalledResources& found, const OptionChoices& choices)
{
    // The steps run in the load's order; a later one overrides an earlier one.
    AvailabilityUpdate update;
    OptionAvailability& available = update.available;
    available.extraFx = found.extraFx;
    // Applying the stored settings to the boxes toggles "Basic Doom mode" only when it is on.
    if (choices.basicDoom)
        switchOffForBasicDoom(available);

    retestTexturePath(update, found);
    if (!choices.hiResTextures)
        available.texturePathControls = false;
    if (choices.basicDoom) {
        available.texturePathButton = false;
        available.texturePathControls = false;
    }

    // Under "Basic Doom mode" the patch box keeps the state it had, which is enabled.
    update.textureSetDirTaken = true;
    if (!found.patchesAvailable || found.gameHasOwnHiResFolders)
        available.hiResPatches = false;
    else if (!choices.basicDoom)
        available.hiResPatches = true;

    if (!found.detailTextures) {
        update.uncheckDetailTextures = true;
        available.detailTextures = false;
    }
    if (!found.skyboxes)
        available.skyboxes = false;
    if (choices.basicDoom)
        available.detailTextures = false;
    available.soundPack = found.soundPack && !choices.basicDoom;

    if (choices.corpseFadeSeconds == 0) {
        update.uncheckResurrectWithFade = true;
        available.resurrectWithFade = false;
    }
    return update;
}

AvailabilityUpdate availabilityForBasicDoom(const OptionAvailability& current,
                                            const InstalledResources& found,
                                            const OptionChoices& choices)
{
    AvailabilityUpdate update{current};
    OptionAvailability& available = update.available;
    if (choices.basicDoom) {
        switchOffForBasicDoom(available);
        return update;
    }
    setEnhancements(available, true);
    available.extraFx = found.extraFx;
    available.resurrectWithFade = choices.corpseFadeSeconds > 0;
    available.detailTextures = found.detailTextures;
    available.skyboxes = found.skyboxes;
    available.soundPack = found.soundPack;
    available.texturePathButton = true;
    retestTexturePath(update, found);
    available.hiResTextures = found.texturePathValid;
    available.texturePathControls = found.texturePathValid && choices.hiResTextures;
    return update;
}

AvailabilityUpdate hiResOptionsRefreshed(const OptionAvailability& current,
                                         const InstalledResources& found,
                                         const OptionChoices& choices, bool scriptedMap)
{
    AvailabilityUpdate update{current};
    if (choices.basicDoom || scriptedMap)
        return update;
    OptionAvailability& available = update.available;
    // The patch box stays as the player left it; the engine gets the patches all the same.
    if (found.patchFile && !choices.hiResPatches) {
        available.hiResPatches = true;
        update.forceHiResPatches = true;
    }
    retestTexturePath(update, found);
    if (found.texturePathValid) {
        available.hiResTextures = true;
        update.forceHiResTextures = true;
    }
    update.textureSetDirTaken = true;
    if (found.patchesAvailable)
        available.hiResPatches = true;
    if (found.detailTextures)
        available.detailTextures = true;
    return update;
}

AvailabilityUpdate soundPackRefreshed(const OptionAvailability& current,
                                      const InstalledResources& found, const OptionChoices& choices)
{
    AvailabilityUpdate update{current};
    if (!choices.basicDoom && found.soundPack)
        update.available.soundPack = true;
    return update;
}

AvailabilityUpdate refreshedForLaunch(const OptionAvailability& current,
                                      const InstalledResources& found, const OptionChoices& choices,
                                      bool scriptedMap)
{
    AvailabilityUpdate update = hiResOptionsRefreshed(current, found, choices, scriptedMap);
    update.available = soundPackRefreshed(update.available, found, choices).available;
    return update;
}

AvailabilityUpdate availabilityAfterTextureChoice(const OptionAvailability& current,
                                                  const TextureChoiceOutcome& outcome)
{
    AvailabilityUpdate update{current};
    OptionAvailability& available = update.available;
    if (outcome.patches != ControlChange::Unchanged)
        available.hiResPatches = outcome.patches == ControlChange::Enable;
    available.hiResTextures = outcome.valid;
    available.texturePathControls = outcome.valid;
    update.checkHiResTextures = outcome.valid;
    return update;
}

AvailabilityUpdate availabilityForCorpseFade(const OptionAvailability& current, int seconds)
{
    AvailabilityUpdate update{current};
    update.available.resurrectWithFade = seconds != 0;
    update.uncheckResurrectWithFade = seconds == 0;
    return update;
}

OptionAvailability withModels(const OptionAvailability& current, const ModelAvailability& models)
{
    OptionAvailability available = current;
    available.models = models;
    return available;
}

OptionAvailability withSpriteOptionsLocked(const OptionAvailability& current, bool locked)
{
    OptionAvailability available = current;
    available.spriteOptionsLocked = locked;
    return available;
}

} // namespace z3d
