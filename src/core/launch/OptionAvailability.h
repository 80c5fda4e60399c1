#pragma once

#include "core/launch/LaunchInputs.h"
#include "core/models/ModelOptions.h"
#include "core/platform/InstallPaths.h"
#include "core/settings/LauncherSettings.h"
#include "core/settings/TexturePaths.h"

#include <QString>

namespace z3d {

// Which options the player can use, decided without a widget. "Basic Doom mode" switches off
// every port enhancement; the options backed by installed resources (Extra FX, detail
// textures, sky boxes, the sound pack, texture and patch sets) are offered only while those
// resources exist. The window probes the disk once per moment (InstalledResources::probe),
// passes the boxes as they stand (OptionChoices) and shows the result.
//
// Which moment uses which function:
//   availabilityAtLoad              the main window's load: the Extra FX probe, the Basic Doom
//                                   greying the stored settings bring, the texture path,
//                                   patch, detail, sky-box and sound-pack steps and the stored
//                                   corpse fade.
//   availabilityForBasicDoom        the "Basic Doom mode" box was toggled.
//   hiResOptionsRefreshed           the "Options" or "Graphics" tab was clicked.
//   soundPackRefreshed              the "Sound" tab was clicked.
//   refreshedForLaunch              the preamble of a launch (also of a shortcut), after the
//                                   settings were gathered; the boxStates() of its result
//                                   are what the launch reads instead of the boxes.
//   availabilityAfterTextureChoice  the texture-path button's folder browser closed.
//   availabilityForCorpseFade       a corpse-fade button changed the seconds.
// Each takes the availability the window shows now where the moment leaves some options as
// they are; its result is the complete new availability.

// What the installation holds that an option depends on. Every lookup goes through
// PathResolver, so names match without regard to case.
struct InstalledResources
{
    bool extraFx = false;        // AddonDefsDir + "ExtraFX.ded"
    bool detailTextures = false; // data/dtex/detail.wad
    bool skyboxes = false;       // the folder data/Skyboxes
    bool soundPack = false;      // data/hv_doom_sfx.wad
    bool patchFile = false;      // data/patches/stbar.png
    // The texture path test (TexturePaths::texturePathValid) and the TexturePath it settles
    // on: the path box shows it when valid, else the invalid-path notice.
    bool texturePathValid = false;
    QString texturePath;
    // The patch set test (TexturePaths::patchesAvailable) on that TexturePath, and the
    // TextureSetDir it yields.
    bool patchesAvailable = false;
    QString textureSetDir;
    // The selected game brings its own high-resolution folders
    // (LaunchProbe::hasOwnHiResFolders on its file's base name).
    bool gameHasOwnHiResFolders = false;

    // texturePath, pathBoxText and textureSetDir are the current TexturePath, the path box's
    // text and TextureSetDir; selectedGameFile is the full path of the selected game's main
    // file (empty: none). Reads the disk only.
    static InstalledResources probe(const InstallPaths& paths, const QString& texturePath,
                                    const QString& pathBoxText, const QString& textureSetDir,
                                    const QString& selectedGameFile);
};

// The boxes the availability depends on, as they stand (at load: the stored settings).
struct OptionChoices
{
    bool basicDoom = false;     // "Basic Doom mode" is checked
    bool hiResTextures = false; // "High resolution textures" is checked
    bool hiResPatches = false;  // "High resolution patches" is checked
    int corpseFadeSeconds = 0;  // the corpse-fade box's value

    static OptionChoices fromSettings(const LauncherSettings& settings);
};

// The enabled state of each option or control group; false means disabled (greyed).
struct OptionAvailability
{
    // The enhancements "Basic Doom mode" switches off as one group: the three model frames,
    // the definitions list with its two buttons, the four alternative-model boxes, the nine
    // model option boxes, "Dynamic lighting" and "Water splashes" (effects 0 and 2), "Water
    // dynamics" and "Underwater fake glow" (Z3D options 2 and 4), " Enable ricochets" and
    // " Disable weapon switching sounds" (sound 2 and 7), the ricochet buttons and value, and
    // the corpse-fade buttons, box and label. The effects and corpse frame captions are greyed
    // while the group is off.
    bool enhancements = true;
    bool extraFx = true;           // "Extra FX" (effects 3)
    bool resurrectWithFade = true; // "Resurrect with fade" (Z3D options 3)
    bool detailTextures = true;    // "Detail textures" (graphics 2)
    bool skyboxes = true;          // "Skyboxes" (graphics 3) and both sky-box options
    bool hiResPatches = true;      // "High resolution patches" (graphics 4)
    bool hiResTextures = true;     // "High resolution textures" (main 1)
    // The path box; the " High Resolution Texture Path " frame caption is greyed when off.
    bool texturePathControls = true;
    bool texturePathButton = true;
    bool soundPack = true; // " High resolution sound pack " (sound 6)

    // The Models page's boxes as the installed packs and the other model boxes allow them;
    // each is shown enabled only while the enhancements group is too.
    ModelAvailability models;
    // A shipped scripted map is selected: it brings its own models and textures, so "Basic
    // Doom mode", "Core effects ", the definitions frame, the nine model group boxes,
    // "Dynamic lighting", "Water splashes", the sky-box options, "High resolution patches"
    // and the high-resolution texture controls are locked whatever the entries above say.
    bool spriteOptionsLocked = false;

    // Whether a Models page box, "Extra FX", and the controls the scripted-map lock covers,
    // are enabled as shown.
    bool modelOption(int index) const;
    bool alternativeModel(int index) const;
    bool extraFxOffered() const { return extraFx && models.extraFx; }
    bool unlocked(bool enabled) const { return enabled && !spriteOptionsLocked; }

    // The enabled states the command line depends on.
    OptionBoxStates boxStates() const;

    bool operator==(const OptionAvailability&) const = default;
};

// A moment's new availability and what else it changes.
struct AvailabilityUpdate
{
    OptionAvailability available;
    // Boxes the moment unchecks or checks.
    bool uncheckDetailTextures = false;    // detail.wad is missing (load)
    bool uncheckResurrectWithFade = false; // a corpse fade of 0 leaves nothing to fade
    bool checkHiResTextures = false;       // a valid texture folder was chosen
    // Settings turned on for the engine while the box stays as the player left it.
    bool forceHiResPatches = false;  // settings.hiResPatches
    bool forceHiResTextures = false; // settings.hiResTextures
    // The texture path test ran: TexturePath takes the resources' texturePath and the path
    // box shows it (or the invalid-path notice).
    bool texturePathTested = false;
    // TextureSetDir takes the resources' textureSetDir.
    bool textureSetDirTaken = false;
};

// The load. Only the Extra FX probe comes before the settings; the rest follows them.
AvailabilityUpdate availabilityAtLoad(const InstalledResources& found,
                                      const OptionChoices& choices);

// "Basic Doom mode" toggled. On, every enhancement and resource-backed option is disabled;
// off, each comes back only when its resource exists. "High resolution patches" is left as
// it is either way. Extra FX follows found.extraFx: pass what the load found, since the load
// remembers whether the extra effects are installed.
AvailabilityUpdate availabilityForBasicDoom(const OptionAvailability& current,
                                            const InstalledResources& found,
                                            const OptionChoices& choices);

// Re-enables the texture, patch and detail options whose resources exist; skipped in Basic
// Doom mode and for a scripted map. Only ever enables, except that a failing texture path
// test disables "High resolution textures" and the path box.
AvailabilityUpdate hiResOptionsRefreshed(const OptionAvailability& current,
                                         const InstalledResources& found,
                                         const OptionChoices& choices, bool scriptedMap);

// Re-enables the sound pack when it is installed; skipped in Basic Doom mode.
AvailabilityUpdate soundPackRefreshed(const OptionAvailability& current,
                                      const InstalledResources& found,
                                      const OptionChoices& choices);

// hiResOptionsRefreshed, then soundPackRefreshed, as a launch runs them.
AvailabilityUpdate refreshedForLaunch(const OptionAvailability& current,
                                      const InstalledResources& found, const OptionChoices& choices,
                                      bool scriptedMap);

// The texture-path button's outcome (TexturePaths::chooseFolder).
AvailabilityUpdate availabilityAfterTextureChoice(const OptionAvailability& current,
                                                  const TextureChoiceOutcome& outcome);

// The corpse-fade seconds changed: "Resurrect with fade" is usable only above 0.
AvailabilityUpdate availabilityForCorpseFade(const OptionAvailability& current, int seconds);

// The model boxes' part, decided by the model rules (refreshModelOptions and the click
// rules): the rest of current stays.
OptionAvailability withModels(const OptionAvailability& current, const ModelAvailability& models);

// KillSpriteOptions (locked) and RestoreSpriteOptions: a shipped scripted map was chosen, or
// another game. Lifting the lock leaves the rest for the Basic Doom and model refreshes to
// decide again.
OptionAvailability withSpriteOptionsLocked(const OptionAvailability& current, bool locked);

} // namespace z3d
