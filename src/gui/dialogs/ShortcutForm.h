#pragma once

#include "core/desktop/ShortcutChoices.h"

#include <QDialog>

#include <memory>

class QCheckBox;

namespace Ui {
class ShortcutForm;
}

namespace z3d {

// The shortcut window in its shortcut mode, caption "Create Shortcut": where the shortcuts go
// (chkShortcut_0 " Add Start Menu Shortcut", chkShortcut_1 " Add Desktop Shortcut") and whether
// the chosen map becomes part of them (ChkMapNum " Include map in Shortcut").
//
// Every showing starts with all three boxes unchecked. The button reads "Create" while either
// shortcut box is checked, and the map box is enabled only then; otherwise the button reads
// "Cancel". The button hides the window; when it read "Cancel" the answer is cancelled (and
// includes no map), as it is when the window is closed by its title bar or Escape.
class ShortcutForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kShortcutBoxCount = 2;
    static constexpr int kStartMenuBox = 0;
    static constexpr int kDesktopBox = 1;

    explicit ShortcutForm(QWidget* parent = nullptr);
    ~ShortcutForm() override;

    // Shows the window modally with gameLabel (ShortcutNames::windowLabel) in its name label and
    // returns the player's choices.
    ShortcutChoices askForShortcut(const QString& gameLabel);

    QCheckBox* shortcutBox(int index) const;
    // The window's tips on (the launcher's "Disable tooltip text" off) or off.
    void showToolTips(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void applyButtonRule();
    void onButton();

    std::unique_ptr<Ui::ShortcutForm> m_ui;
    ShortcutChoices m_choices;
};

} // namespace z3d
