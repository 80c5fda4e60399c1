#pragma once

#include <QMessageBox>
#include <QPointer>

namespace z3d {

// A message box centred over the launcher's main window, by its frame. It is placed when it is
// shown, once it has taken its final size (a message box sizes itself to its text only then),
// so a long or wide message is centred as well as a short one, and placed again once the window
// manager has framed it.
class PositionedMessageBox : public QMessageBox
{
    Q_OBJECT

public:
    PositionedMessageBox(Icon icon, const QString& title, const QString& text,
                         StandardButtons buttons, QWidget* mainWindow);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
};

} // namespace z3d
