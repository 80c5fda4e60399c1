#include "gui/services/WidgetDialogs.h"

#include "gui/dialogs/AskForm.h"
#include "gui/dialogs/FolderBrowser.h"
#include "gui/services/DialogGeometry.h"
#include "gui/services/DialogProgress.h"
#include "gui/services/MessageBoxStyle.h"
#include "gui/services/PositionedMessageBox.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace z3d {

namespace {

// "*.zip;*.wad;" becomes "Doom levels - zip or wad files (*.zip *.wad)".
QStringList qtNameFilters(const QStringList& pairs)
{
    QStringList filters;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        QStringList patterns = pairs.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        filters << QStringLiteral("%1 (%2)").arg(pairs.at(i), patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

} // namespace

class WidgetDialogs::Question
{
public:
    explicit Question(DialogProgress* progress) : m_progress(progress)
    {
        if (m_progress)
            m_progress->stepAside();
    }
    ~Question()
    {
        if (m_progress)
            m_progress->comeBack();
    }
    Question(const Question&) = delete;
    Question& operator=(const Question&) = delete;

private:
    DialogProgress* m_progress;
};

WidgetDialogs::WidgetDialogs(std::function<bool()> advancedLayout,
                             std::function<bool()> customFontInUse)
    : m_advancedLayout(std::move(advancedLayout)), m_customFontInUse(std::move(customFontInUse))
{
}

void WidgetDialogs::setMainWindow(QWidget* mainWindow)
{
    m_mainWindow = mainWindow;
}

void WidgetDialogs::setProgress(DialogProgress* progress)
{
    m_progress = progress;
}

int WidgetDialogs::messageBox(const QString& text, int style, const QString& title)
{
    const Question question(m_progress);
    const MessageBoxStyle mapped = MessageBoxStyle::fromStyleSum(style);
    PositionedMessageBox box(mapped.icon, title, text, mapped.buttons, m_mainWindow);
    box.setDefaultButton(mapped.defaultButton);
    if (mapped.escapeButton != QMessageBox::NoButton)
        box.setEscapeButton(mapped.escapeButton);
    if (mapped.applicationModal)
        box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    auto* clicked = box.clickedButton();
    const QMessageBox::StandardButton pressed =
        clicked ? box.standardButton(clicked) : mapped.escapeButton;
    return messageBoxResultCode(pressed);
}

std::optional<QString> WidgetDialogs::openFile(const OpenFileRequest& request)
{
    const Question question(m_progress);
    QFileDialog dialog(m_mainWindow, request.title, request.initialFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog,
                     request.placement == DialogPlacement::Hooked);
    dialog.setOption(QFileDialog::DontResolveSymlinks);
    const QStringList filters = qtNameFilters(request.filters);
    dialog.setNameFilters(filters);
    // The dialogs open on the second filter when there is one.
    if (filters.size() > 1)
        dialog.selectNameFilter(filters.at(1));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (request.placement == DialogPlacement::Hooked && m_mainWindow) {
        const bool advanced = m_advancedLayout && m_advancedLayout();
        dialog.move(hookedFileDialogPosition(m_mainWindow->frameGeometry(), advanced));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<QString> WidgetDialogs::browseForFolder(const QString& instruction,
                                                      const QString& startFolder)
{
    const Question question(m_progress);
    FolderBrowser browser(instruction, startFolder, m_mainWindow);
    if (browser.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString folder = browser.selectedFolder();
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

NameAnswer WidgetDialogs::askName(const QString& frameCaption, const QString& windowCaption,
                                  const QString& buttonCaption, const QString& defaultText)
{
    const Question question(m_progress);
    AskForm form(m_customFontInUse && m_customFontInUse(), m_mainWindow);
    return form.ask(frameCaption, windowCaption, buttonCaption, defaultText);
}

std::optional<QString> WidgetDialogs::inputBox(const QString& prompt, const QString& title,
                                               const QString& defaultText)
{
    const Question question(m_progress);
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_mainWindow, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

} // namespace z3d
