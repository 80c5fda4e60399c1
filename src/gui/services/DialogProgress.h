#pragma once

#include "core/services/Progress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <memory>

class QProgressDialog;

namespace z3d {

// Long work in a progress dialog over the main window: the dialog appears once the work has
// lasted about half a second, names the file being written (or the count of items done) and
// the share done, and keeps every window painted while it is up. The dialog has no Cancel
// button and neither Escape nor its title bar close it: for work that allows it, they ask the
// work to stop, and the dialog goes with the work's end.
//
// A question asked during the work (a password, a message box) must be answerable: while one
// is open the dialog steps aside, hidden and never shown, and it comes back with the work's
// next step once every question is closed. The dialog is shown by this object only, from the
// work's own steps: no timer of its own can raise it over a question's window.
class DialogProgress : public Progress
{
public:
    DialogProgress();
    ~DialogProgress() override;

    // The window the dialog is centred over and modal to.
    void setMainWindow(QWidget* mainWindow);

    void begin(const QString& title, qint64 total) override;
    void advance(const QString& fileName, qint64 doneBytes) override;
    void advanceCount(const QString& text, qint64 done) override;
    void end() override;
    void allowCancel() override;
    bool cancelRequested() const override;

    // Asks the work under way to stop, when it allows that (the system asks the launcher to
    // end); nothing otherwise.
    void cancel();

    // A question opens over the work: the dialog hides until as many comeBack() calls.
    void stepAside();
    void comeBack();

    // The dialog of the work under way (shown or not yet); null between works.
    QProgressDialog* dialog() const { return m_dialog.get(); }

    static constexpr int kShowAfterMs = 500;
    // The longest the windows go unpainted while the dialog is up and the share stands still.
    static constexpr int kRepaintAfterMs = 100;
    // The bar counts in thousandths of the work.
    static constexpr int kSteps = 1000;
    static constexpr int kMinimumWidth = 320;
    // The label over the bar, with the file's name as its argument.
    static QString writingText(const QString& fileName);

private:
    void moveTo(const QString& label, qint64 done);

    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_clock;
    QElapsedTimer m_sincePainted;
    qint64 m_total = 0;
    int m_step = 0;
    int m_questionsOpen = 0;
    bool m_cancellable = false;
    bool m_cancelRequested = false;
    QString m_label;
};

} // namespace z3d
