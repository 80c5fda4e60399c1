#include "gui/services/MessageBoxStyle.h"

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

    switch (style & 0x70) {
    case 16:
        result.icon = QMessageBox::Critical;
        break;
    case 32:
        result.icon = QMessageBox::Question;
        break;
    case 48:
        result.icon = QMessageBox::Warning;
        break;
    case 64:
        result.icon = QMessageBox::Information;
        break;
    default:
        result.icon = QMessageBox::NoIcon;
        break;
    }
    // System modal and task modal both block the whole launcher.
    result.applicationModal = (style & (4096 | 8192)) != 0;
    return result;
}

int messageBoxResultCode(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return 1;
    case QMessageBox::Cancel:
        return 2;
    case QMessageBox::Abort:
        return 3;
    case QMessageBox::Retry:
        return 4;
    case QMessageBox::Ignore:
        return 5;
    case QMessageBox::Yes:
        return 6;
    case QMessageBox::No:
        return 7;
    default:
        return 2;
    }
}

} // namespace z3d
