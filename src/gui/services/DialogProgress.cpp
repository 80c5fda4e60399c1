#include "gui/services/DialogProgress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressDialog>

#include <algorithm>
#include <functional>
#include <limits>

namespace z3d {

namespace {

// A progress dialog that stays until its work ends; Escape and its close button only ask the
// work to stop.
class WorkDialog : public QProgressDialog
{
public:
    WorkDialog(QWidget* parent, std::function<void()> cancel)
        : QProgressDialog(parent), m_cancel(std::move(cancel))
    {
    }

    void reject() override { m_cancel(); }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        m_cancel();
    }

private:
    std::function<void()> m_cancel;
};

} // namespace

DialogProgress::DialogProgress() = default;

DialogProgress::~DialogProgress() = default;

void DialogProgress::setMainWindow(QWidget* mainWindow)
{
    m_mainWindow = mainWindow;
}

QString DialogProgress::writingText(const QString& fileName)
{
    return QStringLiteral("Writing %1").arg(fileName);
}

void DialogProgress::begin(const QString& title, qint64 total)
{
    m_total = std::max<qint64>(total, 0);
    m_step = 0;
    m_label.clear();
    m_cancellable = false;
    m_cancelRequested = false;
    auto dialog = std::make_unique<WorkDialog>(m_mainWindow, [this] { cancel(); });
    dialog->setWindowTitle(title);
    // Wide enough for the title and a long file name without the bar looking cramped.
    dialog->setMinimumWidth(kMinimumWidth);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setCancelButton(nullptr);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    // The dialog's own clock would show it from any event loop, a question's included.
    dialog->setMinimumDuration(std::numeric_limits<int>::max());
    dialog->setRange(0, kSteps);
    dialog->setValue(0);
    m_dialog = std::move(dialog);
    m_clock.start();
    m_sincePainted.start();
}

void DialogProgress::advance(const QString& fileName, qint64 doneBytes)
{
    moveTo(writingText(fileName), doneBytes);
}

void DialogProgress::advanceCount(const QString& text, qint64 done)
{
    moveTo(text, done);
}

void DialogProgress::moveTo(const QString& label, qint64 done)
{
    if (!m_dialog)
        return;
    if (label != m_label) {
        m_label = label;
        m_dialog->setLabelText(label);
    }
    const double share = m_total > 0 ? double(std::clamp<qint64>(done, 0, m_total)) / m_total : 0.0;
    const int step = static_cast<int>(share * kSteps);
    bool changed = step != m_step;
    if (changed) {
        m_step = step;
        m_dialog->setValue(step);
    }
    if (m_questionsOpen > 0)
        return;
    if (!m_dialog->isVisible()) {
        if (m_clock.elapsed() < kShowAfterMs)
            return;
        m_dialog->show();
        changed = true;
    }
    if (changed || m_sincePainted.elapsed() >= kRepaintAfterMs) {
        m_sincePainted.restart();
        QCoreApplication::processEvents();
    }
}

void DialogProgress::end()
{
    m_dialog.reset();
    m_cancellable = false;
    m_cancelRequested = false;
}

void DialogProgress::allowCancel()
{
    m_cancellable = m_dialog != nullptr;
}

bool DialogProgress::cancelRequested() const
{
    return m_cancelRequested;
}

void DialogProgress::cancel()
{
    m_cancelRequested = m_cancellable;
}

void DialogProgress::stepAside()
{
    ++m_questionsOpen;
    if (m_dialog)
        m_dialog->hide();
}

void DialogProgress::comeBack()
{
    m_questionsOpen = std::max(0, m_questionsOpen - 1);
}

} // namespace z3d
