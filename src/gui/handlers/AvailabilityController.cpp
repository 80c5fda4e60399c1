#include "gui/handlers/AvailabilityController.h"

#include "core/app/LauncherContext.h"
#include "core/library/ScriptedMapTable.h"
#include "core/library/SelectedGame.h"
#include "gui/tabs/GraphicsTab.h"
#include "gui/tabs/ModelsTab.h"
#include "gui/tabs/OptionsTab.h"
#include "gui/tabs/SoundTab.h"
#include "gui/tabs/TabPages.h"
#include "gui/TexturePathController.h"

#include <QCheckBox>

namespace z3d {

AvailabilityController::AvailabilityController(LauncherContext& context, TabPages& pages,
                                               QCheckBox& basicDoom, QCheckBox& hiResTextures,
                                               TexturePathController& texturePaths,
                                               QCheckBox* noMonsters)
    : QObject(&pages), m_context(context), m_pages(pages), m_basicDoom(basicDoom),
      m_hiResTextures(hiResTextures), m_noMonsters(noMonsters), m_texturePaths(texturePaths)
{
    ModelsTab* models = pages.models();
    connect(models, &ModelsTab::modelOptionClicked, this,
            &AvailabilityController::modelOptionClicked);
    connect(models, &ModelsTab::alternativeModelClicked, this,
            &AvailabilityController::alternativeModelClicked);
    connect(&texturePaths, &TexturePathController::textureChosen, this,
            &AvailabilityController::textureChosen);
    connect(pages.options(), &OptionsTab::corpseFadeChanged, this,
            &AvailabilityController::corpseFadeChanged);
}

InstalledResources AvailabilityController::probe() const
{
    InstalledResources found = InstalledResources::probe(
        m_context.paths, m_context.texture.texturePath, m_texturePaths.pathBoxText(),
        m_context.texture.textureSetDir, m_context.selection.currentGameFile);
    // Whether the extra effects are installed is learnt once, when the window loads.
    found.extraFx = m_context.extraFxInstalled;
    return found;
}

OptionChoices AvailabilityController::choices() const
{
    OptionChoices choices;
    choices.basicDoom = m_basicDoom.isChecked();
    choices.hiResTextures = m_hiResTextures.isChecked();
    choices.hiResPatches = m_pages.graphics()->hiResPatchesChosen();
    choices.corpseFadeSeconds = m_pages.options()->corpseFadeSeconds();
    return choices;
}

void AvailabilityController::show(const AvailabilityUpdate& update, const InstalledResources& found)
{
    m_shown = update.available;
    applyToPages();

    if (update.uncheckDetailTextures)
        m_pages.graphics()->uncheckDetailTextures();
    if (update.uncheckResurrectWithFade)
        m_pages.options()->uncheckResurrectWithFade();
    if (update.checkHiResTextures)
        m_hiResTextures.setChecked(true);
    if (update.forceHiResPatches)
        m_context.settings.hiResPatches = true;
    if (update.forceHiResTextures)
        m_context.settings.hiResTextures = true;
    if (update.texturePathTested) {
        m_context.texture.texturePath = found.texturePath;
        m_texturePaths.showTestedPath(found.texturePathValid, found.texturePath);
    }
    if (update.textureSetDirTaken)
        m_context.texture.textureSetDir = found.textureSetDir;
}

void AvailabilityController::applyToPages()
{
    m_pages.graphics()->applyAvailability(m_shown);
    m_pages.options()->applyAvailability(m_shown);
    m_pages.sound()->applyAvailability(m_shown);
    m_pages.models()->applyAvailability(m_shown);
    m_hiResTextures.setEnabled(m_shown.unlocked(m_shown.hiResTextures));
    m_basicDoom.setEnabled(!m_shown.spriteOptionsLocked);
}

ModelWorld AvailabilityController::modelWorld() const
{
    ModelWorld world;
    world.packs = InstalledModelPacks::probe(m_context.paths);
    world.basicDoom = m_basicDoom.isChecked();
    world.noMonsters = m_noMonsters ? m_noMonsters->isChecked() : m_context.settings.noMonsters;
    world.scriptedMapWithModels =
        ScriptedMapTable::isScriptedMap(m_context.paths,
                                        selectedGameName(m_context.selection, m_context.settings))
            .assetsPresent;
    return world;
}

void AvailabilityController::showModels(const ModelUpdate& update)
{
    m_shown = withModels(m_shown, update.available);
    m_pages.models()->showModelChoices(update.choices);
    update.choices.applyTo(m_context.settings);
    applyToPages();
    if (update.importDroppedDefinitions)
        emit droppedDefinitionsDue();
}

void AvailabilityController::modelOptionsAtLoad()
{
    showModels(z3d::modelOptionsAtLoad(m_pages.models()->modelChoices(), modelWorld()));
}

void AvailabilityController::refreshModelOptions()
{
    showModels(
        z3d::refreshModelOptions(m_shown.models, m_pages.models()->modelChoices(), modelWorld()));
}

void AvailabilityController::modelOptionClicked(int index)
{
    showModels(z3d::modelOptionClicked(index, m_shown.models, m_pages.models()->modelChoices(),
                                       modelWorld()));
}

void AvailabilityController::alternativeModelClicked(int index)
{
    showModels(z3d::alternativeModelClicked(index, m_shown.models, m_pages.models()->modelChoices(),
                                            modelWorld()));
}

void AvailabilityController::lockSpriteOptions(bool locked)
{
    if (m_shown.spriteOptionsLocked == locked)
        return;
    m_shown = withSpriteOptionsLocked(m_shown, locked);
    if (locked)
        applyToPages();
    else
        basicDoom();
}

void AvailabilityController::applyAtLoad()
{
    const InstalledResources found = probe();
    show(availabilityAtLoad(found, choices()), found);
}

void AvailabilityController::basicDoom()
{
    const InstalledResources found = probe();
    show(availabilityForBasicDoom(m_shown, found, choices()), found);
    refreshModelOptions();
}

void AvailabilityController::refreshHiResOptions(bool scriptedMap)
{
    const InstalledResources found = probe();
    show(hiResOptionsRefreshed(m_shown, found, choices(), scriptedMap), found);
}

void AvailabilityController::refreshSoundPackOption()
{
    const InstalledResources found = probe();
    show(soundPackRefreshed(m_shown, found, choices()), found);
}

OptionBoxStates AvailabilityController::refreshForLaunch(bool scriptedMap)
{
    const InstalledResources found = probe();
    show(refreshedForLaunch(m_shown, found, choices(), scriptedMap), found);
    refreshModelOptions();
    return m_shown.boxStates();
}

void AvailabilityController::textureChosen(const TextureChoiceOutcome& outcome)
{
    show(availabilityAfterTextureChoice(m_shown, outcome), {});
}

void AvailabilityController::corpseFadeChanged(int seconds)
{
    show(availabilityForCorpseFade(m_shown, seconds), {});
}

} // namespace z3d
