#pragma once

#include "core/services/Progress.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QProgressDialog;

namespace z3d {

// Long file work in a progress dialog over the main window: the dialog appears once the work
// has lasted about half a second (or promises to), names the file being written and the share
// done, and keeps every window painted while it is up. The work cannot be stopped, so the
// dialog has no Cancel button and neither Escape nor its title bar close it.
class DialogProgress : public Progress
{
public:
    DialogProgress();
    ~DialogProgress() override;

    // The window the dialog is centred over and modal to.
    void setMainWindow(QWidget* mainWindow);

    void begin(const QString& title, qint64 totalBytes) override;
    void advance(const QString& fileName, qint64 doneBytes) override;
    void end() override;

    // The dialog of the work under way (shown or not yet); null between works.
    QProgressDialog* dialog() const { return m_dialog.get(); }

    static constexpr int kShowAfterMs = 500;
    // The bar counts in thousandths of the work.
    static constexpr int kSteps = 1000;
    static constexpr int kMinimumWidth = 320;
    // The label over the bar, with the file's name as its argument.
    static QString writingText(const QString& fileName);

private:
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<QProgressDialog> m_dialog;
    qint64 m_total = 0;
    int m_step = 0;
    QString m_fileName;
};

} // namespace z3d
