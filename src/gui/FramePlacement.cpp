#include "gui/FramePlacement.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QTimerEvent>
#include <QWidget>

namespace z3d {

namespace {

// The frame's extents may reach the window after its last move, paint or activation, with no
// event of its own: it is looked for this often, this many times, as well.
constexpr int kLookIntervalMs = 50;
constexpr int kLooks = 60;

// The frame of another window of the launcher that the window manager has framed, as margins
// round its client area: the frame a window not framed yet will get, near enough.
QMargins framedNeighbourMargins(const QWidget& window)
{
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        // Menus and tips have no frame of the window manager's; only windows and dialogs do.
        const Qt::WindowType type = other->windowType();
        if (other == &window || !other->isVisible() ||
            (type != Qt::Window && type != Qt::Dialog))
            continue;
        const QRect frame = other->frameGeometry();
        const QRect client = other->geometry();
        if (frame.size() != client.size())
            return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                            frame.right() - client.right(), frame.bottom() - client.bottom());
    }
    return {};
}

} // namespace

FramePlacement::FramePlacement(QWidget& window, Rule rule)
    : QObject(&window), m_window(window), m_rule(std::move(rule))
{
    window.installEventFilter(this);
    startTimer(kLookIntervalMs);
}

void FramePlacement::place(QWidget& window, Rule rule)
{
    delete window.findChild<FramePlacement*>(QString(), Qt::FindDirectChildrenOnly);
    if (frameKnown(window)) {
        window.move(rule(window.frameGeometry().size()));
        return;
    }
    // Until its frame is known, a window is moved by its client area, and the window manager
    // puts the frame round it where it stands: the client goes where the frame's margins,
    // taken from a framed neighbour, leave it.
    const QMargins margins = framedNeighbourMargins(window);
    const QSize frame = window.size().grownBy(margins);
    window.move(rule(frame) + QPoint(margins.left(), margins.top()));
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
    if (watched == &m_window && mayBeFramed)
        placeWhenFramed();
    return QObject::eventFilter(watched, event);
}

void FramePlacement::timerEvent(QTimerEvent* event)
{
    if (!placeWhenFramed() && ++m_looks >= kLooks) {
        killTimer(event->timerId());
        m_window.removeEventFilter(this);
        deleteLater();
    }
}

bool FramePlacement::placeWhenFramed()
{
    if (!frameKnown(m_window))
        return false;
    m_window.move(m_rule(m_window.frameGeometry().size()));
    m_window.removeEventFilter(this);
    deleteLater();
    return true;
}

} // namespace z3d
