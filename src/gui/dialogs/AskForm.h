#pragma once

#include "core/services/Dialogs.h"

#include <QDialog>

#include <memory>

namespace Ui {
class AskForm;
}

namespace z3d {

// The name prompt: a frame captioned with the question, one text box and one button.
//
// Under the frame caption " Name " every typed character turns the button into "OK" (so a
// prompt opened with "Cancel" accepts as soon as the player types) and, unless a custom font is
// in use, is upper-cased. Pressing a button still captioned "Cancel" reports a cancel; closing
// the window by its title bar returns the default text, not cancelled.
class AskForm : public QDialog
{
    Q_OBJECT

public:
    AskForm(bool customFontInUse, QWidget* parent = nullptr);
    ~AskForm() override;

    // Shows the prompt modally and returns the answer.
    NameAnswer ask(const QString& frameCaption, const QString& windowCaption,
                   const QString& buttonCaption, const QString& defaultText);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onButton();
    void selectTextWithoutTrailingBlanks();

    std::unique_ptr<Ui::AskForm> m_ui;
    bool m_customFontInUse;
    NameAnswer m_answer;
};

} // namespace z3d
