#pragma once

#include "core/models/ModelPacks.h"

#include <array>

namespace z3d {

struct LauncherSettings;

// Indices of ChkModelOpts and chkAltModels.
namespace model_box {
constexpr int kMonstersPlayer = 0;
constexpr int kHudWeapons = 1;
constexpr int kDecorations = 2;
constexpr int kForceOverride = 3;
constexpr int kItemsWeapons = 4;
constexpr int kAllModels = 5;
constexpr int kSplashes = 6;
constexpr int kFlameModels = 7;
constexpr int kCoreEffects = 8;
constexpr int kOrrinWeapons = 1;
constexpr int kOrrinAltWeapons = 2;
constexpr int kReplacements = 3;
constexpr int kBrannock = 4;
// The group boxes are 0 .. kOptionCount - 1, the pack choices kFirstAlternative ..
// kAlternativeCount - 1.
constexpr int kOptionCount = 9;
constexpr int kFirstAlternative = 1;
constexpr int kAlternativeCount = 5;
} // namespace model_box

// The Models page's boxes as checked. A box's check is its setting: the page shows these and
// the settings record takes them, so a rule that unchecks a box also turns its setting off.
// The nine group boxes are ChkModelOpts 0..8 (a checked group box switches that group off);
// the four pack choices are chkAltModels 1..4.
struct ModelChoices
{
    std::array<bool, model_box::kOptionCount> options{};           // ChkModelOpts by index
    std::array<bool, model_box::kAlternativeCount> alternatives{}; // chkAltModels; 0 is unused

    static ModelChoices fromSettings(const LauncherSettings& settings);
    void applyTo(LauncherSettings& settings) const;

    bool operator==(const ModelChoices&) const = default;
};

// Which of the Models page's boxes the installed packs and the other boxes allow. The page
// shows a box enabled only while this allows it and the enhancements group (Basic Doom mode)
// does too.
struct ModelAvailability
{
    std::array<bool, model_box::kOptionCount> options{true, true, true, true, true,
                                                      true, true, true, true};
    // 0 is unused.
    std::array<bool, model_box::kAlternativeCount> alternatives{false, true, true, true, true};
    // " Disable Model Group " as a whole: its caption is greyed while "All models" or "Core
    // effects " is on. Its boxes follow their own entries above.
    bool groupFrame = true;
    // "Extra FX" on the Graphics page, which "All models" and "Core effects " grey too.
    bool extraFx = true;

    bool operator==(const ModelAvailability&) const = default;
};

// What the model decisions read besides the boxes.
struct ModelWorld
{
    InstalledModelPacks packs;
    bool basicDoom = false;  // "Basic Doom mode" is checked
    bool noMonsters = false; // "No monsters" is checked
    // The selected game is a shipped scripted map whose model and texture folders are all
    // present: it brings its own models, so the group boxes are left as they are.
    bool scriptedMapWithModels = false;
};

// A decision's new availability and choices.
struct ModelUpdate
{
    ModelAvailability available;
    ModelChoices choices;
    // The refresh reached the point where files dropped into the Create folder are taken into
    // the definitions list.
    bool importDroppedDefinitions = false;
};

// RefreshModelOptions: greys what is not installed and clears the choices that depend on it.
// Missing packs are never reported.
ModelUpdate refreshModelOptions(const ModelAvailability& current, const ModelChoices& choices,
                                const ModelWorld& world);

// The window's load: the stored "All models" and "Core effects " grey what they switch off,
// then the refresh.
ModelUpdate modelOptionsAtLoad(const ModelChoices& choices, const ModelWorld& world);

// The player clicked ChkModelOpts(index) / chkAltModels(index); choices already hold the new
// check. The box's own rule runs, then the refresh.
ModelUpdate modelOptionClicked(int index, const ModelAvailability& current,
                               const ModelChoices& choices, const ModelWorld& world);
ModelUpdate alternativeModelClicked(int index, const ModelAvailability& current,
                                    const ModelChoices& choices, const ModelWorld& world);

} // namespace z3d
