#include "gui/services/PositionedMessageBox.h"

#include "gui/FramePlacement.h"
#include "gui/services/DialogGeometry.h"

namespace z3d {

PositionedMessageBox::PositionedMessageBox(Icon icon, const QString& title, const QString& text,
                                           StandardButtons buttons, QWidget* mainWindow)
    : QMessageBox(icon, title, text, buttons, mainWindow), m_mainWindow(mainWindow)
{
}

void PositionedMessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    if (!m_mainWindow || !m_mainWindow->isVisible())
        return;
    const QRect mainWindow = m_mainWindow->frameGeometry();
    FramePlacement::place(
        *this, [mainWindow](const QSize& frame) { return centredOver(mainWindow, frame); });
}

} // namespace z3d
