#include "gui/tooltips/ToolTipWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace z3d {

namespace {

constexpr int kBorder = 1;
// Below the pointer's hot spot, clear of a standard arrow, so the tip never lies under the
// mouse (which would take the mouse off the tool and hide the tip again).
const QPoint kBelowCursor(2, 16);
constexpr int kAboveCursor = 4;
// Between a picture and its caption.
constexpr int kPictureGap = 3;
// Between a tip and the entry it is beside.
constexpr int kBesideGap = 4;

} // namespace

ToolTipWindow::ToolTipWindow(QWidget& owner)
    : QWidget(&owner, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFont(QToolTip::font());
    setColours(QColor(), QColor());
}

void ToolTipWindow::setColours(const QColor& back, const QColor& fore)
{
    QPalette colours = QToolTip::palette();
    if (back.isValid())
        colours.setColor(QPalette::ToolTipBase, back);
    if (fore.isValid())
        colours.setColor(QPalette::ToolTipText, fore);
    setPalette(colours);
    update();
}

void ToolTipWindow::setMaxTextWidth(int pixels)
{
    m_maxTextWidth = pixels;
}

void ToolTipWindow::setTextMargins(const QMargins& margins)
{
    m_margins = margins;
}

int ToolTipWindow::textFlags() const
{
    return Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs |
           (m_maxTextWidth > 0 ? Qt::TextWordWrap : 0);
}

QRect ToolTipWindow::textRect() const
{
    const int pictureHeight = m_picture.isNull() ? 0 : m_picture.height() + kPictureGap;
    return rect().marginsRemoved(m_margins +
                                 QMargins(kBorder, kBorder + pictureHeight, kBorder, kBorder));
}

void ToolTipWindow::showText(const QString& text, const QPoint& cursor)
{
    show(text, QImage(), cursor);
}

void ToolTipWindow::showPicture(const QImage& picture, const QString& caption, const QPoint& cursor)
{
    show(caption, picture, cursor);
}

void ToolTipWindow::layOut(const QString& text, const QImage& picture)
{
    m_text = text;
    m_text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    m_picture = picture;
    setWindowTitle(m_text);

    const int wrapWidth =
        m_maxTextWidth > 0 ? std::max(m_maxTextWidth, m_picture.width()) : QWIDGETSIZE_MAX;
    const QRect bounds =
        fontMetrics().boundingRect(QRect(0, 0, wrapWidth, QWIDGETSIZE_MAX), textFlags(), m_text);
    const int pictureHeight = m_picture.isNull() ? 0 : m_picture.height() + kPictureGap;
    resize(std::max(bounds.width(), m_picture.width()) + m_margins.left() + m_margins.right() +
               2 * kBorder,
           pictureHeight + bounds.height() + m_margins.top() + m_margins.bottom() + 2 * kBorder);
}

void ToolTipWindow::show(const QString& text, const QImage& picture, const QPoint& cursor)
{
    layOut(text, picture);
    QPoint place = cursor + kBelowCursor;
    if (const QScreen* screen = QGuiApplication::screenAt(cursor)) {
        const QRect area = screen->availableGeometry();
        if (place.x() + width() > area.right())
            place.setX(std::max(area.left(), area.right() - width()));
        if (place.y() + height() > area.bottom())
            place.setY(cursor.y() - height() - kAboveCursor);
        place.setY(std::max(place.y(), area.top()));
    }
    appearAt(place);
}

void ToolTipWindow::showBeside(const QImage& picture, const QString& caption, const QRect& area)
{
    layOut(caption, picture);
    QPoint place(area.right() + kBesideGap, area.top());
    if (const QScreen* screen = QGuiApplication::screenAt(area.center())) {
        const QRect screenArea = screen->availableGeometry();
        if (place.x() + width() > screenArea.right())
            place.setX(std::max(screenArea.left(), area.left() - width() - kBesideGap));
        place.setY(std::clamp(place.y(), screenArea.top(),
                              std::max(screenArea.top(), screenArea.bottom() - height())));
    }
    appearAt(place);
}

void ToolTipWindow::appearAt(const QPoint& place)
{
    move(place);
    QWidget::show();
    update();
}

void ToolTipWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_picture.isNull()) {
        const QRect inside =
            rect().marginsRemoved(m_margins + QMargins(kBorder, kBorder, kBorder, kBorder));
        painter.drawImage(inside.left() + (inside.width() - m_picture.width()) / 2, inside.top(),
                          m_picture);
    }
    painter.drawText(textRect(), textFlags(), m_text);
}

} // namespace z3d
