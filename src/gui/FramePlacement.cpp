#include "gui/FramePlacement.h"

#include <QEvent>
#include <QWidget>

namespace z3d {

FramePlacement::FramePlacement(QWidget& window, Rule rule)
    : QObject(&window), m_window(window), m_rule(std::move(rule))
{
    window.installEventFilter(this);
}

void FramePlacement::place(QWidget& window, Rule rule)
{
    delete window.findChild<FramePlacement*>(QString(), Qt::FindDirectChildrenOnly);
    window.move(rule(window.frameGeometry().size()));
    if (!frameKnown(window))
        new FramePlacement(window, std::move(rule));
}

bool FramePlacement::frameKnown(const QWidget& window)
{
    return window.frameGeometry().size() != window.size();
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event)
{
    // The frame comes with the window's mapping; the window need not move for it (the window
    // manager may grow the frame round the window where it stands), but it is drawn then.
    const QEvent::Type type = event->type();
    const bool mayBeFramed = type == QEvent::Move || type == QEvent::Resize ||
                             type == QEvent::Paint || type == QEvent::WindowActivate;
    if (watched == &m_window && mayBeFramed && frameKnown(m_window)) {
        m_window.move(m_rule(m_window.frameGeometry().size()));
        deleteLater();
        m_window.removeEventFilter(this);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace z3d
