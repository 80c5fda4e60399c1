#include "gui/PictureButton.h"

#include "gui/Pictures.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace z3d {

PictureButton::PictureButton(QLabel& picture, const char* normal, const char* pressed)
    : QObject(&picture), m_picture(picture), m_normal(normal), m_pressed(pressed)
{
    if (m_normal)
        Pictures::setWhenShown(m_picture, m_normal);
    m_picture.installEventFilter(this);
}

bool PictureButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (m_pressed)
            m_picture.setPixmap(Pictures::named(m_pressed));
        emit pressed();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (m_pressed)
            m_picture.setPixmap(m_normal ? Pictures::named(m_normal) : QPixmap());
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (m_picture.rect().contains(at))
            emit clicked();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace z3d
