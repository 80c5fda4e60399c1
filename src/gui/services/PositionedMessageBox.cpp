#include "gui/services/PositionedMessageBox.h"

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
    if (m_mainWindow && m_mainWindow->isVisible())
        move(centredOver(m_mainWindow->frameGeometry(), frameGeometry().size()));
}

} // namespace z3d
