#include "gui/FramePlacement.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QTimerEvent>
#include <QWidget>

#include <cstdlib>
#include <optional>

namespace z3d {

namespace {

// The frame's extents may reach the window after its last move, paint or activation, with no
// event of its own: it is looked for this often, this many times, as well. While the window
// manager takes the window in, the frame may first read wrong (measured round a client size the
// window had for a moment), so the window is placed again whenever its frame's size changes
// within that time.
constexpr int kLookIntervalMs = 50;
constexpr int kLooks = 60;

// No window manager's frame is this wide on any side: a frame that reads wider was measured
// round a client size the window had for a moment (while the window manager took it in, its
// client briefly read 100x30), and Qt may keep that reading.
constexpr int kWidestFrameSide = 128;

// The window manager's frame round the window's client area, once it is known and plausible.
std::optional<QMargins> frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame.size() == client.size())
        return std::nullopt;
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    for (const int side : {margins.left(), margins.top(), margins.right(), margins.bottom()}) {
        if (side < 0 || side > kWidestFrameSide)
            return std::nullopt;
    }
    return margins;
}

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
        if (const std::optional<QMargins> margins = frameMargins(*other))
            return *margins;
    }
    return {};
}

} // namespace

FramePlacement::FramePlacement(QWidget& window, Rule rule, const QPoint& placedAt)
    : QObject(&window), m_window(window), m_rule(std::move(rule)), m_placedAt(placedAt)
{
    window.installEventFilter(this);
    m_timer = startTimer(kLookIntervalMs);
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
    const QPoint placedAt = rule(frame);
    window.move(placedAt + QPoint(margins.left(), margins.top()));
    new FramePlacement(window, std::move(rule), placedAt);
}

bool FramePlacement::frameKnown(const QWidget& window)
{
    return frameMargins(window).has_value();
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

void FramePlacement::timerEvent(QTimerEvent*)
{
    placeWhenFramed();
    if (++m_looks >= kLooks)
        stop();
}

void FramePlacement::stop()
{
    if (m_timer == 0)
        return;
    killTimer(m_timer);
    m_timer = 0;
    m_window.removeEventFilter(this);
    deleteLater();
}

void FramePlacement::placeWhenFramed()
{
    if (m_timer == 0 || !frameKnown(m_window))
        return;
    // A frame of the size last placed by needs nothing: a move of the player's own stays.
    const QRect frame = m_window.frameGeometry();
    if (frame.size() == m_placedFrame)
        return;
    // A frame put round the window where it stood lies off the place expected by no more than
    // a frame's width; further off, the player has moved the window since, and it stays.
    const QPoint off = frame.topLeft() - m_placedAt;
    if (std::abs(off.x()) > kWidestFrameSide || std::abs(off.y()) > kWidestFrameSide) {
        stop();
        return;
    }
    m_placedFrame = frame.size();
    m_placedAt = m_rule(frame.size());
    m_window.move(m_placedAt);
}

} // namespace z3d
