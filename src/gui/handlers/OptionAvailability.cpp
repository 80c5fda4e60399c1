#include "gui/handlers/OptionAvailability.h"

#include "core/app/LauncherContext.h"
#include "core/platform/PathResolver.h"
#include "core/settings/TexturePaths.h"
#include "gui/mainwindow.h"
#include "gui/tabs/GraphicsTab.h"
#include "gui/tabs/ModelsTab.h"
#include "gui/tabs/OptionsTab.h"
#include "gui/tabs/SoundTab.h"
#include "gui/tabs/TextColour.h"
#include "gui/TexturePathController.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace z3d {

namespace {

constexpr int kBasicDoom = 0;
constexpr int kHiResTextures = 1;
constexpr int kDetailTextures = 2;
constexpr int kSkyboxes = 3;
constexpr int kHiResPatches = 4;
constexpr int kSoundPack = 6;
constexpr int kExtraFx = 3;

} // namespace

OptionAvailability::OptionAvailability(LauncherContext& context, MainWindow& window,
                                       TexturePathController& texturePaths)
    : m_context(context), m_window(window), m_texturePaths(texturePaths)
{
}

bool OptionAvailability::fileUnder(const char* relative) const
{
    return PathResolver::fileExists(m_context.paths.under(QString::fromLatin1(relative)));
}

bool OptionAvailability::folderUnder(const char* relative) const
{
    return PathResolver::folderExists(m_context.paths.under(QString::fromLatin1(relative)));
}

void OptionAvailability::setEnhancementsEnabled(bool enabled)
{
    ModelsTab* models = m_window.modelsTab();
    for (int i = 0; i < 3; ++i)
        m_window.frameModel(i)->setEnabled(enabled);
    models->definitionsList()->setEnabled(enabled);
    models->addDefinitionButton()->setEnabled(enabled);
    models->removeDefinitionButton()->setEnabled(enabled);
    for (int i = 1; i <= 4; ++i)
        m_window.chkAltModels(i)->setEnabled(enabled);
    for (int i = 0; i <= 8; ++i)
        m_window.chkModelOpts(i)->setEnabled(enabled);
    for (int i : {0, 2, 3})
        m_window.chkEffects(i)->setEnabled(enabled);
    for (int i : {2, 4})
        m_window.chkZ3DOpts(i)->setEnabled(enabled);
    m_window.chkSound(7)->setEnabled(enabled);
    m_window.chkSound(2)->setEnabled(enabled);
    for (int i = 0; i < 2; ++i)
        m_window.ricoButton(i)->setEnabled(enabled);
    m_window.control<QWidget>(QStringLiteral("Ricotext"))->setEnabled(enabled);
    for (const char* name : {"butleft", "butRight", "Corpse", "lblCorpse"})
        m_window.control<QWidget>(QString::fromLatin1(name))->setEnabled(enabled);
    TextColour::greyCaption(m_window.graphicsTab()->effectsFrame(), !enabled);
    TextColour::greyCaption(m_window.control<QGroupBox>(QStringLiteral("CorpseFrame")), !enabled);
}

void OptionAvailability::basicDoom()
{
    const bool basic = m_window.chkMain(kBasicDoom)->isChecked();
    GraphicsTab* graphics = m_window.graphicsTab();
    if (basic) {
        setEnhancementsEnabled(false);
        m_window.chkGraphics(kDetailTextures)->setEnabled(false);
        m_window.chkMain(kHiResTextures)->setEnabled(false);
        m_texturePaths.setPathControlsEnabled(false);
        graphics->texturePathButton()->setEnabled(false);
        m_window.chkZ3DOpts(3)->setEnabled(false);
        m_window.chkGraphics(kSkyboxes)->setEnabled(false);
        m_window.skyOpt(0)->setEnabled(false);
        m_window.skyOpt(1)->setEnabled(false);
        m_window.chkSound(kSoundPack)->setEnabled(false);
        return;
    }

    // The model boxes follow the installed model packs once those are known; until then they
    // are offered. Each of the others comes back only when its resource exists.
    setEnhancementsEnabled(true);
    m_window.chkEffects(kExtraFx)->setEnabled(m_context.extraFxInstalled);
    m_window.chkZ3DOpts(3)->setEnabled(OptionsTab::shownValue(m_window.optionsTab()->corpseBox()) >
                                       0);
    m_window.chkGraphics(kDetailTextures)->setEnabled(fileUnder("data/dtex/detail.wad"));
    const bool skyboxes = folderUnder("data/Skyboxes");
    m_window.chkGraphics(kSkyboxes)->setEnabled(skyboxes);
    m_window.skyOpt(0)->setEnabled(skyboxes);
    m_window.skyOpt(1)->setEnabled(skyboxes);
    m_window.chkSound(kSoundPack)->setEnabled(fileUnder("data/hv_doom_sfx.wad"));
    graphics->texturePathButton()->setEnabled(true);
    const bool valid = m_texturePaths.revalidate();
    m_window.chkMain(kHiResTextures)->setEnabled(valid);
    m_texturePaths.setPathControlsEnabled(valid && m_window.chkMain(kHiResTextures)->isChecked());
}

void OptionAvailability::refreshHiResOptions(bool scriptedMap)
{
    if (m_window.chkMain(kBasicDoom)->isChecked() || scriptedMap)
        return;
    QCheckBox* patches = m_window.chkGraphics(kHiResPatches);
    if (fileUnder("data/patches/stbar.png") && !patches->isChecked()) {
        // The box stays as the player left it; the engine gets the patches all the same.
        patches->setEnabled(true);
        m_context.settings.hiResPatches = true;
    }
    if (m_texturePaths.revalidate()) {
        m_window.chkMain(kHiResTextures)->setEnabled(true);
        m_context.settings.hiResTextures = true;
    }
    const PatchesCheck patchSet = TexturePaths::patchesAvailable(
        m_context.texture.texturePath, m_context.texture.textureSetDir, m_context.paths);
    m_context.texture.textureSetDir = patchSet.textureSetDir;
    if (patchSet.available)
        patches->setEnabled(true);
    if (fileUnder("data/dtex/detail.wad"))
        m_window.chkGraphics(kDetailTextures)->setEnabled(true);
}

void OptionAvailability::refreshSoundPackOption()
{
    if (m_window.chkMain(kBasicDoom)->isChecked())
        return;
    if (fileUnder("data/hv_doom_sfx.wad"))
        m_window.chkSound(kSoundPack)->setEnabled(true);
}

} // namespace z3d
