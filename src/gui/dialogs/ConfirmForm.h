#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class ConfirmForm;
}

namespace z3d {

// The model-pack cleanup's question, caption "Model pack cleanup": two caution lines, the box
// ChkConfirm "Don't ask this in the future" and the buttons "Continue" and "Cancel". Closing
// the window otherwise is "Cancel".
class ConfirmForm : public QDialog
{
    Q_OBJECT

public:
    explicit ConfirmForm(QWidget* parent = nullptr);
    ~ConfirmForm() override;

    // Shows the window modally; true for "Continue".
    bool askToContinue();

signals:
    // The player changed "Don't ask this in the future"; the choice holds whichever button
    // is then pressed.
    void dontAskChanged(bool dontAsk);

private:
    std::unique_ptr<Ui::ConfirmForm> m_ui;
};

} // namespace z3d
