#include "gui/TexturePathController.h"

#include "core/app/LauncherContext.h"
#include "core/services/Dialogs.h"
#include "core/settings/FolderBrowserTitle.h"
#include "core/settings/TexturePaths.h"
#include "gui/mainwindow.h"
#include "gui/tabs/GraphicsTab.h"
#include "gui/tabs/TextColour.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace z3d {

TexturePathController::TexturePathController(LauncherContext& context, MainWindow& window)
    : QObject(&window), m_context(context), m_window(window)
{
    GraphicsTab* page = m_window.graphicsTab();
    connect(page->texturePathButton(), &QPushButton::clicked, this,
            &TexturePathController::texButtonClick);
    connect(page->texturePathBox(), &QLineEdit::textChanged, this,
            &TexturePathController::hiResTextChanged);
}

void TexturePathController::setPathControlsEnabled(bool enabled)
{
    GraphicsTab* page = m_window.graphicsTab();
    TextColour::greyCaption(page->texturePathFrame(), !enabled);
    page->texturePathBox()->setEnabled(enabled);
}

void TexturePathController::showInvalid()
{
    QLineEdit* box = m_window.graphicsTab()->texturePathBox();
    m_updatingBox = true;
    box->setText(QString::fromLatin1(TexturePaths::kInvalidPathText));
    m_updatingBox = false;
    m_window.chkMain(1)->setEnabled(false);
    setPathControlsEnabled(false);
}

void TexturePathController::applyAtLoad()
{
    revalidate();
    if (!m_window.chkMain(1)->isChecked())
        setPathControlsEnabled(false);
    if (m_window.chkMain(0)->isChecked()) {
        m_window.graphicsTab()->texturePathButton()->setEnabled(false);
        m_window.graphicsTab()->texturePathBox()->setEnabled(false);
    }
}

bool TexturePathController::revalidate()
{
    QLineEdit* box = m_window.graphicsTab()->texturePathBox();
    const TexturePathCheck check =
        TexturePaths::texturePathValid(m_context.texture.texturePath, box->text(), m_context.paths);
    m_context.texture.texturePath = check.texturePath;
    if (!check.valid) {
        showInvalid();
        return false;
    }
    m_updatingBox = true;
    box->setText(check.texturePath);
    m_updatingBox = false;
    return true;
}

void TexturePathController::texButtonClick()
{
    GraphicsTab* page = m_window.graphicsTab();
    QLineEdit* box = page->texturePathBox();
    const QString title = FolderBrowserTitle::make(
        m_context.texture.texturePath, QString::fromLatin1(FolderBrowserTitle::kTextureSentence));
    const std::optional<QString> chosen = m_context.dialogs->browseForFolder(title);

    const TextureChoiceOutcome outcome =
        TexturePaths::chooseFolder(m_context.texture.texturePath, m_context.texture.textureSetDir,
                                   box->text(), chosen, m_context.paths);
    m_context.texture.texturePath = outcome.texturePath;
    m_context.texture.textureSetDir = outcome.textureSetDir;

    m_updatingBox = true;
    box->setText(outcome.boxText);
    m_updatingBox = false;
    if (outcome.patches != ControlChange::Unchanged)
        m_window.chkGraphics(4)->setEnabled(outcome.patches == ControlChange::Enable);
    if (outcome.valid) {
        m_window.chkMain(1)->setChecked(true);
        m_window.chkMain(1)->setEnabled(true);
        setPathControlsEnabled(true);
    } else {
        m_window.chkMain(1)->setEnabled(false);
        setPathControlsEnabled(false);
    }
    if (m_context.texture.windowLoaded)
        m_window.control<QWidget>(QStringLiteral("FileOutput"))->setFocus();
}

void TexturePathController::hiResTextChanged()
{
    if (m_updatingBox)
        return;
    m_context.texture.texturePath = TexturePaths::pathBoxChanged(
        m_context.texture.texturePath, m_window.graphicsTab()->texturePathBox()->text(),
        m_context.paths);
}

} // namespace z3d
