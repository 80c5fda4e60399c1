#include "gui/handlers/AvailabilityController.h"

#include "core/app/LauncherContext.h"
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
                                               TexturePathController& texturePaths)
    : QObject(&pages), m_context(context), m_pages(pages), m_basicDoom(basicDoom),
      m_hiResTextures(hiResTextures), m_texturePaths(texturePaths)
{
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
    m_pages.graphics()->applyAvailability(m_shown);
    m_pages.options()->applyAvailability(m_shown);
    m_pages.sound()->applyAvailability(m_shown);
    m_pages.models()->applyAvailability(m_shown);
    m_hiResTextures.setEnabled(m_shown.hiResTextures);

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

void AvailabilityController::applyAtLoad()
{
    const InstalledResources found = probe();
    show(availabilityAtLoad(found, choices()), found);
}

void AvailabilityController::basicDoom()
{
    const InstalledResources found = probe();
    show(availabilityForBasicDoom(m_shown, found, choices()), found);
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
