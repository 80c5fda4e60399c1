#include "gui/services/MessageBoxStyle.h"

#include <algorithm>
#include <array>

namespace z3d {

namespace {

struct ButtonSet
{
    std::array<QMessageBox::StandardButton, 3> buttons;
    QMessageBox::StandardButton escape;
};

// Indexed by the low three bits of the style sum.
const std::array<ButtonSet, 6> kButtonSets{{
    {{QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::NoButton}, QMessageBox::Ok},
    {{QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::NoButton}, QMessageBox::Cancel},
    {{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}, QMessageBox::NoButton},
    {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, QMessageBox::Cancel},
    {{QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton}, QMessageBox::NoButton},
    {{QMessageBox::Retry, QMessageBox::Cancel, QMessageBox::NoButton}, QMessageBox::Cancel},
}};

// Indexed by the icon bits of the style sum (16, 32, 48, 64) over 16; other sums show none.
const std::array<QMessageBox::Icon, 5> kIcons{QMessageBox::NoIcon, QMessageBox::Critical,
                                              QMessageBox::Question, QMessageBox::Warning,
                                              QMessageBox::Information};

// The buttons of the return codes 1 to 7.
const std::array<QMessageBox::StandardButton, 7> kResultButtons{
    QMessageBox::Ok,     QMessageBox::Cancel, QMessageBox::Abort, QMessageBox::Retry,
    QMessageBox::Ignore, QMessageBox::Yes,    QMessageBox::No};

} // namespace

MessageBoxStyle MessageBoxStyle::fromStyleSum(int style)
{
    MessageBoxStyle result;
    const int buttonBits = style & 0x7;
    const ButtonSet& set = kButtonSets[buttonBits < 6 ? buttonBits : 0];
    for (QMessageBox::StandardButton b : set.buttons) {
        if (b != QMessageBox::NoButton)
            result.buttons |= b;
    }
    result.escapeButton = set.escape;
    // 0, 256 and 512 choose the first, second or third button as the default one.
    const int defaultIndex = (style >> 8) & 0x3;
    result.defaultButton = set.buttons[defaultIndex < 3 ? defaultIndex : 0];
    if (result.defaultButton == QMessageBox::NoButton)
        result.defaultButton = set.buttons[0];

    const int iconIndex = (style & 0x70) >> 4;
    result.icon = iconIndex < int(kIcons.size()) ? kIcons[iconIndex] : QMessageBox::NoIcon;
    // System modal and task modal both block the whole launcher.
    result.applicationModal = (style & (4096 | 8192)) != 0;
    return result;
}

int messageBoxResultCode(QMessageBox::StandardButton button)
{
    const auto found = std::find(kResultButtons.begin(), kResultButtons.end(), button);
    return found == kResultButtons.end() ? 2 : int(found - kResultButtons.begin()) + 1;
}

} // namespace z3d
