#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

#include <functional>

class QWidget;

namespace z3d {

// Places a top-level window by the size of its frame. Until the window manager has framed a
// window, its frame reads as its client area, and a window centred from that sits half a title
// bar off; so the window is placed at once from what is known, and again whenever its frame
// turns out another size in the first few seconds. Moves of the player's own are left alone,
// also one made before the launcher has seen the frame (a slow start): the window then stands
// further from where it was put than any frame could explain, and is not placed again.
class FramePlacement : public QObject
{
    Q_OBJECT

public:
    // The top-left corner of the frame for a frame of the given size.
    using Rule = std::function<QPoint(const QSize& frame)>;

    // Moves window by rule now and, when its frame is not known yet, again once it is. A later
    // placement of the same window replaces a pending one.
    static void place(QWidget& window, Rule rule);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    FramePlacement(QWidget& window, Rule rule, const QPoint& placedAt);
    static bool frameKnown(const QWidget& window);
    // Places the window again when its frame is known and of another size than last placed by.
    void placeWhenFramed();
    // Looks no more: the window stays where it is.
    void stop();

    QWidget& m_window;
    Rule m_rule;
    QSize m_placedFrame;
    // Where the frame's top-left corner was last put (for a window not framed then, where the
    // frame was expected).
    QPoint m_placedAt;
    int m_timer = 0;
    int m_looks = 0;
};

} // namespace z3d
