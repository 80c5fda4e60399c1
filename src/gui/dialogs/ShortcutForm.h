#pragma once

#include "core/desktop/ShortcutChoices.h"
#include "core/models/ModelPackCleanup.h"

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
//
// In its cleanup mode, caption "Model Pack Cleanup", the window shows the four packs instead
// (ModelDelFrame, chkModDel 0..3, all unchecked at each showing); the button reads "Cleanup"
// while any is checked, else "Cancel". The mode ends with the window.
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

    // Shows the window modally in its cleanup mode and returns the ticked packs; none when
    // the button read "Cancel" or the window was closed otherwise.
    CleanupChoice askForCleanup();

    QCheckBox* shortcutBox(int index) const;
    // The window's tips on (the launcher's "Disable tooltip text" off) or off.
    void showToolTips(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void applyButtonRule();
    void onButton();
    // CheckDelete: the button's caption from the pack boxes.
    void checkDelete();
    CleanupChoice tickedPacks() const;

    std::unique_ptr<Ui::ShortcutForm> m_ui;
    ShortcutChoices m_choices;
    bool m_cleanupMode = false;
    CleanupChoice m_cleanup;
};

} // namespace z3d
