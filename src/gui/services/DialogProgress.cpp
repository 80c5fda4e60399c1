#include "gui/services/DialogProgress.h"

#include <QCloseEvent>
#include <QProgressDialog>

#include <algorithm>

namespace z3d {

namespace {

// A progress dialog that stays until its work ends.
class WorkDialog : public QProgressDialog
{
public:
    using QProgressDialog::QProgressDialog;

    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
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

void DialogProgress::begin(const QString& title, qint64 totalBytes)
{
    m_total = std::max<qint64>(totalBytes, 0);
    m_step = 0;
    m_fileName.clear();
    auto dialog = std::make_unique<WorkDialog>(m_mainWindow);
    dialog->setWindowTitle(title);
    // Wide enough for the title and a long file name without the bar looking cramped.
    dialog->setMinimumWidth(kMinimumWidth);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setCancelButton(nullptr);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(kShowAfterMs);
    dialog->setRange(0, kSteps);
    dialog->setValue(0); // starts the clock the dialog's appearance is measured from
    m_dialog = std::move(dialog);
}

void DialogProgress::advance(const QString& fileName, qint64 doneBytes)
{
    if (!m_dialog)
        return;
    if (fileName != m_fileName) {
        m_fileName = fileName;
        m_dialog->setLabelText(writingText(fileName));
    }
    const double share =
        m_total > 0 ? double(std::clamp<qint64>(doneBytes, 0, m_total)) / m_total : 0.0;
    const int step = static_cast<int>(share * kSteps);
    // Only a change moves the bar: the dialog processes events at each new value it shows.
    if (step != m_step) {
        m_step = step;
        m_dialog->setValue(step);
    }
}

void DialogProgress::end()
{
    m_dialog.reset();
}

} // namespace z3d
