#include "gui/PictureButton.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace z3d {

PictureButton::PictureButton(QLabel& picture, QPixmap normal, QPixmap pressed)
    : QObject(&picture), m_picture(picture), m_normal(std::move(normal)),
      m_pressed(std::move(pressed))
{
    if (!m_normal.isNull())
        m_picture.setPixmap(m_normal);
    m_picture.installEventFilter(this);
}

bool PictureButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (!m_pressed.isNull())
            m_picture.setPixmap(m_pressed);
        emit pressed();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (!m_pressed.isNull())
            m_picture.setPixmap(m_normal);
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (m_picture.rect().contains(at))
            emit clicked();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace z3d
