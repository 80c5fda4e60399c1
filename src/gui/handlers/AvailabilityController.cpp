#include "gui/handlers/AvailabilityController.h"

#include "core/app/LauncherContext.h"
#include "gui/mainwindow.h"
#include "gui/tabs/GraphicsTab.h"
#include "gui/tabs/ModelsTab.h"
#include "gui/tabs/OptionsTab.h"
#include "gui/tabs/SoundTab.h"
#include "gui/TexturePathController.h"

#include <QCheckBox>

namespace z3d {

namespace {

constexpr int kBasicDoom = 0;
constexpr int kHiResTextures = 1;

} // namespace

AvailabilityController::AvailabilityController(LauncherContext& context, MainWindow& window,
                                               TexturePathController& texturePaths)
    : QObject(&window), m_context(context), m_window(window), m_texturePaths(texturePaths)
{
    connect(&texturePaths, &TexturePathController::textureChosen, this,
            &AvailabilityController::textureChosen);
    connect(window.optionsTab(), &OptionsTab::corpseFadeChanged, this,
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
    choices.basicDoom = m_window.chkMain(kBasicDoom)->isChecked();
    choices.hiResTextures = m_window.chkMain(kHiResTextures)->isChecked();
    choices.hiResPatches = m_window.graphicsTab()->hiResPatchesChosen();
    choices.corpseFadeSeconds = m_window.optionsTab()->corpseFadeSeconds();
    return choices;
}

void AvailabilityController::show(const AvailabilityUpdate& update, const InstalledResources& found)
{
    m_shown = update.available;
    m_window.graphicsTab()->applyAvailability(m_shown);
    m_window.optionsTab()->applyAvailability(m_shown);
    m_window.soundTab()->applyAvailability(m_shown);
    m_window.modelsTab()->applyAvailability(m_shown);
    m_window.chkMain(kHiResTextures)->setEnabled(m_shown.hiResTextures);

    if (update.uncheckDetailTextures)
        m_window.graphicsTab()->uncheckDetailTextures();
    if (update.uncheckResurrectWithFade)
        m_window.optionsTab()->uncheckResurrectWithFade();
    if (update.checkHiResTextures)
        m_window.chkMain(kHiResTextures)->setChecked(true);
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
