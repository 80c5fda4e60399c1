#pragma once

#include "core/launch/OptionAvailability.h"

#include <QObject>

class QCheckBox;

namespace z3d {

struct LauncherContext;
class TabPages;
class TexturePathController;

// Keeps the options' availability and shows it: at each moment that decides it (the load,
// "Basic Doom mode", a tab's refresh, a launch, the texture choice, the corpse fade) it probes
// what the installation holds, lets the core decide, hands the result to the pages and the
// main window and carries out what the moment changes besides (boxes it unchecks, settings it
// forces, the texture path it tests). The launch reads the boxes' states from here, never from
// the widgets.
class AvailabilityController : public QObject
{
    Q_OBJECT

public:
    // basicDoom, hiResTextures and noMonsters are the main window's "Basic Doom mode", "High
    // resolution textures" and "No monsters" boxes.
    AvailabilityController(LauncherContext& context, TabPages& pages, QCheckBox& basicDoom,
                           QCheckBox& hiResTextures, TexturePathController& texturePaths,
                           QCheckBox* noMonsters = nullptr);

    // The load step's part: Extra FX, the texture path, the patch, detail, sky-box and sound
    // pack options and the stored corpse fade.
    void applyAtLoad();
    // "Basic Doom mode" was switched on or off.
    void basicDoom();
    // The Options and Graphics tabs' refresh; skipped in Basic Doom mode and for a scripted
    // map.
    void refreshHiResOptions(bool scriptedMap = false);
    // The Sound tab's refresh; skipped in Basic Doom mode.
    void refreshSoundPackOption();
    // A launch's preamble (after the settings were gathered): both refreshes; the states of
    // the boxes the command line depends on.
    OptionBoxStates refreshForLaunch(bool scriptedMap);
    // The texture path's browse button has settled on a folder (or kept the old one).
    void textureChosen(const TextureChoiceOutcome& outcome);
    // The corpse-fade seconds changed.
    void corpseFadeChanged(int seconds);

    // The Models page: the stored "All models" and "Core effects " at load, then the
    // refresh; the refresh alone (a tab, a main option box, a command); the player's clicks.
    void modelOptionsAtLoad();
    void refreshModelOptions();
    void modelOptionClicked(int index);
    void alternativeModelClicked(int index);
    // A shipped scripted map was chosen (locked) or another game (unlocked).
    void lockSpriteOptions(bool locked);

    const OptionAvailability& shown() const { return m_shown; }

signals:
    // The model refresh reached the point where the Create folder's files join the
    // definitions list.
    void droppedDefinitionsDue();

private:
    ModelWorld modelWorld() const;
    void showModels(const ModelUpdate& update);
    void applyToPages();
    InstalledResources probe() const;
    OptionChoices choices() const;
    void show(const AvailabilityUpdate& update, const InstalledResources& found);

    LauncherContext& m_context;
    TabPages& m_pages;
    QCheckBox& m_basicDoom;
    QCheckBox& m_hiResTextures;
    QCheckBox* m_noMonsters;
    TexturePathController& m_texturePaths;
    OptionAvailability m_shown;
};

} // namespace z3d
