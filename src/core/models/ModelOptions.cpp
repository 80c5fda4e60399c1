#include "core/models/ModelOptions.h"

#include "core/settings/LauncherSettings.h"

namespace z3d {

using namespace model_box;

namespace {

// The settings behind ChkModelOpts 0..8 and chkAltModels 1..4, in index order.
std::array<bool LauncherSettings::*, 9> optionSettings()
{
    return {&LauncherSettings::modelOptMonstersPlayer, &LauncherSettings::modelOptHudWeapons,
            &LauncherSettings::modelOptDecorations,    &LauncherSettings::modelOptForceOverride,
            &LauncherSettings::modelOptItemsWeapons,   &LauncherSettings::modelOptAllModels,
            &LauncherSettings::modelOptSplashes,       &LauncherSettings::modelOptFlameModels,
            &LauncherSettings::modelOptCoreEffects};
}

std::array<bool LauncherSettings::*, 5> alternativeSettings()
{
    return {nullptr, &LauncherSettings::orrinWeapons, &LauncherSettings::orrinAltWeapons,
            &LauncherSettings::pellamOrrinModels, &LauncherSettings::brannockSoldiers};
}

// The six groups whose packs the refresh tests, with the pack test of each.
struct Group
{
    int box;
    bool InstalledModelPacks::*installed;
};

constexpr Group kGroups[] = {
    {kHudWeapons, &InstalledModelPacks::hudWeapons},
    {kMonstersPlayer, &InstalledModelPacks::monsters},
    {kDecorations, &InstalledModelPacks::decorations},
    {kItemsWeapons, &InstalledModelPacks::itemsWeapons},
    {kSplashes, &InstalledModelPacks::splashes},
    {kFlameModels, &InstalledModelPacks::flameModels},
};

// The Brannock soldiers need the standard imp's folder beside their own definitions.
bool brannockOffered(const ModelChoices& choices, const ModelWorld& world)
{
    return world.packs.tolmsSoldiersDed && world.packs.monstersImp && !world.noMonsters &&
           !choices.options[kMonstersPlayer];
}

// The pack choices and group boxes as "All models" and "Core effects " leave them when they
// are switched off: each comes back where its files are.
void offerModelGroups(ModelAvailability& a, const ModelChoices& choices, const ModelWorld& world)
{
    const InstalledModelPacks& packs = world.packs;
    if (packs.pellamHang1)
        a.alternatives[kReplacements] = true;
    const bool hudChecked = choices.options[kHudWeapons];
    if (packs.fullpackDed && !hudChecked)
        a.alternatives[kOrrinWeapons] = true;
    if (packs.alternativeDed && !hudChecked)
        a.alternatives[kOrrinAltWeapons] = true;
    if (brannockOffered(choices, world))
        a.alternatives[kBrannock] = true;
    a.groupFrame = true;
    a.extraFx = true;
    a.options[kMonstersPlayer] = !world.noMonsters;
    for (const int box :
         {kHudWeapons, kDecorations, kForceOverride, kItemsWeapons, kSplashes, kFlameModels})
        a.options[box] = true;
}

void withdrawModelGroups(ModelAvailability& a)
{
    a.groupFrame = false;
    a.extraFx = false;
    for (int alt = 1; alt < 5; ++alt)
        a.alternatives[alt] = false;
    for (const int box : {kMonstersPlayer, kForceOverride, kHudWeapons, kDecorations, kItemsWeapons,
                          kSplashes, kFlameModels})
        a.options[box] = false;
}

// DisableModels. Without a ModelDir nothing changes.
void disableModels(ModelAvailability& a, const ModelChoices& choices, const ModelWorld& world)
{
    if (!world.packs.modelDir)
        return;
    if (choices.options[kAllModels])
        withdrawModelGroups(a);
    else
        offerModelGroups(a, choices, world);
}

// CoreEffects: with the core effects off every other model choice goes, "All models" too.
void coreEffects(ModelAvailability& a, const ModelChoices& choices, const ModelWorld& world)
{
    if (choices.options[kCoreEffects]) {
        withdrawModelGroups(a);
        a.options[kAllModels] = false;
        return;
    }
    a.options[kAllModels] = true;
    disableModels(a, choices, world);
}

// One pack choice that needs its pack and the hud weapons' folder.
void offerPackChoice(ModelUpdate& u, int alt, bool allowed)
{
    u.available.alternatives[alt] = allowed;
    if (!allowed)
        u.choices.alternatives[alt] = false;
}

} // namespace

ModelChoices ModelChoices::fromSettings(const LauncherSettings& settings)
{
    ModelChoices choices;
    const auto options = optionSettings();
    for (std::size_t i = 0; i < options.size(); ++i)
        choices.options[i] = settings.*options[i];
    const auto alternatives = alternativeSettings();
    for (std::size_t i = 1; i < alternatives.size(); ++i)
        choices.alternatives[i] = settings.*alternatives[i];
    return choices;
}

void ModelChoices::applyTo(LauncherSettings& settings) const
{
    const auto options = optionSettings();
    for (std::size_t i = 0; i < options.size(); ++i)
        settings.*options[i] = this->options[i];
    const auto alternatives = alternativeSettings();
    for (std::size_t i = 1; i < alternatives.size(); ++i)
        settings.*alternatives[i] = this->alternatives[i];
}

ModelUpdate refreshModelOptions(const ModelAvailability& current, const ModelChoices& choices,
                                const ModelWorld& world)
{
    ModelUpdate u{current, choices};
    ModelAvailability& a = u.available;
    ModelChoices& c = u.choices;
    const InstalledModelPacks& packs = world.packs;

    // Without its pack the core effects stay off for the engine. Checking the box by code
    // greys what it greys when the player checks it.
    if (!packs.coreEffects) {
        c.options[kCoreEffects] = true;
        coreEffects(a, c, world);
        a.options[kCoreEffects] = false;
    }
    if (world.basicDoom || c.options[kCoreEffects] || c.options[kAllModels])
        return u;

    const bool hudFolder = packs.hudWeaponsFolder;
    if (world.noMonsters) {
        a.options[kMonstersPlayer] = false;
        a.alternatives[kBrannock] = false;
    }
    u.importDroppedDefinitions = true;

    // A disabled replacements box keeps its check: the command line asks for the box too.
    a.alternatives[kReplacements] = packs.pellamHang7 && hudFolder;

    const bool hudOff = c.options[kHudWeapons];
    offerPackChoice(u, kOrrinWeapons, !hudOff && packs.orrinWeapons && hudFolder);
    offerPackChoice(u, kOrrinAltWeapons, !hudOff && packs.orrinAltWeapons && hudFolder);

    if (c.options[kMonstersPlayer] || !packs.brannock || !hudFolder)
        offerPackChoice(u, kBrannock, false);
    else if (!world.noMonsters)
        a.alternatives[kBrannock] = true;

    if (world.scriptedMapWithModels)
        return u;
    int missing = 0;
    for (const Group& group : kGroups) {
        if (!(packs.*group.installed)) {
            a.options[group.box] = false;
            ++missing;
            if (group.box == kMonstersPlayer)
                a.alternatives[kBrannock] = false;
        } else {
            a.options[group.box] = group.box != kMonstersPlayer || !world.noMonsters;
        }
    }
    const bool anyGroup = missing < static_cast<int>(std::size(kGroups));
    a.options[kAllModels] = anyGroup;
    a.options[kForceOverride] = anyGroup;
    return u;
}

ModelUpdate modelOptionsAtLoad(const ModelChoices& choices, const ModelWorld& world)
{
    ModelAvailability a;
    if (choices.options[kAllModels])
        disableModels(a, choices, world);
    if (choices.options[kCoreEffects])
        coreEffects(a, choices, world);
    return refreshModelOptions(a, choices, world);
}

ModelUpdate modelOptionClicked(int index, const ModelAvailability& current,
                               const ModelChoices& choices, const ModelWorld& world)
{
    ModelAvailability a = current;
    const bool checked = choices.options[index];
    switch (index) {
    case kMonstersPlayer:
        if (checked)
            a.alternatives[kBrannock] = false;
        else if (world.packs.tolmsSoldiersDed && world.packs.monstersImp &&
                 !choices.options[kAllModels])
            a.alternatives[kBrannock] = true;
        break;
    case kHudWeapons:
        // The Orrinpack weapons replace the hud weapons, so they go with them.
        if (checked) {
            a.alternatives[kOrrinWeapons] = false;
            a.alternatives[kOrrinAltWeapons] = false;
        } else {
            a.alternatives[kOrrinWeapons] = world.packs.fullpackDed;
            a.alternatives[kOrrinAltWeapons] = world.packs.alternativeDed;
        }
        break;
    case kAllModels:
        disableModels(a, choices, world);
        break;
    case kCoreEffects:
        coreEffects(a, choices, world);
        break;
    default:
        break;
    }
    return refreshModelOptions(a, choices, world);
}

ModelUpdate alternativeModelClicked(int index, const ModelAvailability& current,
                                    const ModelChoices& choices, const ModelWorld& world)
{
    // The two weapon packs exclude each other, and either needs the hud weapons' models.
    if ((index == kOrrinWeapons || index == kOrrinAltWeapons) && choices.alternatives[index]) {
        ModelChoices c = choices;
        c.alternatives[index == kOrrinWeapons ? kOrrinAltWeapons : kOrrinWeapons] = false;
        if (c.options[kHudWeapons]) {
            c.options[kHudWeapons] = false;
            return modelOptionClicked(kHudWeapons, current, c, world);
        }
        return refreshModelOptions(current, c, world);
    }
    return refreshModelOptions(current, choices, world);
}

} // namespace z3d
