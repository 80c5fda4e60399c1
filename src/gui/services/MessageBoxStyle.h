#pragma once

#include <QMessageBox>

namespace z3d {

// How a message-box style sum (buttons + icon + flags) maps onto a QMessageBox.
struct MessageBoxStyle
{
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool applicationModal = false;

    static MessageBoxStyle fromStyleSum(int style);
};

// The launcher's return code (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No) of a
// pressed button; a box closed without a button answers as its escape button would.
int messageBoxResultCode(QMessageBox::StandardButton button);

} // namespace z3d
