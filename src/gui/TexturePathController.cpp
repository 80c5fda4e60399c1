#include "gui/TexturePathController.h"

#include "core/app/LauncherContext.h"
#include "core/services/Dialogs.h"
#include "core/settings/FolderBrowserTitle.h"
#include "gui/handlers/LauncherShell.h"
#include "gui/tabs/GraphicsTab.h"

namespace z3d {

TexturePathController::TexturePathController(LauncherContext& context, GraphicsTab& page,
                                             LauncherShell& shell)
    : QObject(&page), m_context(context), m_page(page), m_shell(shell)
{
    connect(&page, &GraphicsTab::texturePathBrowseWanted, this,
            &TexturePathController::texButtonClick);
    connect(&page, &GraphicsTab::texturePathChanged, this,
            &TexturePathController::hiResTextChanged);
}

QString TexturePathController::pathBoxText() const
{
    return m_page.texturePathText();
}

void TexturePathController::showInBox(const QString& text)
{
    m_updatingBox = true;
    m_page.showTexturePath(text);
    m_updatingBox = false;
}

void TexturePathController::showTestedPath(bool valid, const QString& path)
{
    showInBox(valid ? path : QString::fromLatin1(TexturePaths::kInvalidPathText));
}

void TexturePathController::texButtonClick()
{
    const QString title = FolderBrowserTitle::make(
        m_context.texture.texturePath, QString::fromLatin1(FolderBrowserTitle::kTextureSentence));
    const std::optional<QString> chosen =
        m_context.dialogs->browseForFolder(title, m_context.texture.texturePath);

    const TextureChoiceOutcome outcome =
        TexturePaths::chooseFolder(m_context.texture.texturePath, m_context.texture.textureSetDir,
                                   pathBoxText(), chosen, m_context.paths);
    m_context.texture.texturePath = outcome.texturePath;
    m_context.texture.textureSetDir = outcome.textureSetDir;
    showInBox(outcome.boxText);
    emit textureChosen(outcome);
    if (m_context.texture.windowLoaded)
        m_shell.takeFocusFromControls();
}

void TexturePathController::hiResTextChanged()
{
    if (m_updatingBox)
        return;
    m_context.texture.texturePath =
        TexturePaths::pathBoxChanged(m_context.texture.texturePath, pathBoxText(), m_context.paths);
}

} // namespace z3d
