#include "gui/tooltips/ToolTips.h"

#include "gui/tooltips/ToolTipWindow.h"

#include <QCursor>
#include <QEvent>
#include <QMargins>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace z3d {

namespace {

// The launcher's look, as useLauncherLook describes it.
constexpr int kLauncherTipWidth = 240;
constexpr std::array<int, 3> kLauncherDelays{800, 20000, 300}; // reshow, auto-pop, initial
constexpr std::array<int, 4> kLauncherMargins{5, 2, 5, 2};     // left, top, right, bottom

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

ToolTips::ToolTips(QWidget& form) : QObject(&form), m_form(form)
{
    m_showTimer.setSingleShot(true);
    m_popTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, &ToolTips::showTip);
    connect(&m_popTimer, &QTimer::timeout, this, &ToolTips::hideTip);
}

ToolTips::~ToolTips() = default;

ToolTips& ToolTips::of(QWidget& form)
{
    if (auto* kept = form.findChild<ToolTips*>(QString(), Qt::FindDirectChildrenOnly))
        return *kept;
    return *new ToolTips(form);
}

void ToolTips::useLauncherLook()
{
    m_delays = kLauncherDelays;
    m_margins = kLauncherMargins;
    setMaxTipWidth(kLauncherTipWidth);
    setToolTipHeader(QString());
}

QString ToolTips::withHeader(const QString& text) const
{
    if (!m_headerShown || m_header.isEmpty())
        return text;
    return m_header + kLineBreak + text;
}

bool ToolTips::addTool(QWidget* control, const QString& text)
{
    if (!control || m_tools.contains(control))
        return false;
    m_tools.insert(control, withHeader(text));
    control->installEventFilter(this);
    // Only the address is used, as the key of a control being destroyed. By then a hovered
    // control's guard is already cleared, so no hovered tool means the tip was its.
    connect(control, &QObject::destroyed, this, [this, control] {
        if (m_tools.remove(control) && !m_hovered) {
            m_showTimer.stop();
            hideTip();
        }
    });
    return true;
}

bool ToolTips::removeTool(QWidget* control)
{
    if (!control || !m_tools.remove(control))
        return false;
    control->removeEventFilter(this);
    control->disconnect(this);
    if (m_hovered == control)
        leaveTool();
    return true;
}

bool ToolTips::hasToolTip(const QWidget* control) const
{
    return m_tools.contains(const_cast<QWidget*>(control));
}

int ToolTips::toolCount() const
{
    return static_cast<int>(m_tools.size());
}

QString ToolTips::toolText(const QWidget* control) const
{
    return m_tools.value(const_cast<QWidget*>(control));
}

void ToolTips::setToolText(QWidget* control, const QString& text)
{
    if (text.isEmpty()) {
        removeTool(control);
        return;
    }
    const auto tool = m_tools.find(control);
    if (tool != m_tools.end())
        *tool = withHeader(text);
}

int ToolTips::delayTime(Delay kind) const
{
    return m_delays.at(static_cast<int>(kind) - 1);
}

void ToolTips::setDelayTime(Delay kind, int milliseconds)
{
    m_delays.at(static_cast<int>(kind) - 1) = std::max(0, milliseconds);
}

void ToolTips::setMaxTipWidth(int pixels)
{
    m_maxTipWidth = pixels;
    applyLook();
}

int ToolTips::margin(Side side) const
{
    return m_margins.at(static_cast<int>(side));
}

void ToolTips::setMargin(Side side, int pixels)
{
    m_margins.at(static_cast<int>(side)) = pixels;
    applyLook();
}

QColor ToolTips::backColor() const
{
    return m_back.isValid() ? m_back : QToolTip::palette().color(QPalette::ToolTipBase);
}

void ToolTips::setBackColor(const QColor& colour)
{
    m_back = colour;
    applyLook();
}

QColor ToolTips::foreColor() const
{
    return m_fore.isValid() ? m_fore : QToolTip::palette().color(QPalette::ToolTipText);
}

void ToolTips::setForeColor(const QColor& colour)
{
    m_fore = colour;
    applyLook();
}

void ToolTips::applyLook()
{
    if (!m_window)
        return;
    m_window->setColours(m_back, m_fore);
    m_window->setMaxTextWidth(m_maxTipWidth);
    m_window->setTextMargins(QMargins(m_margins[0], m_margins[1], m_margins[2], m_margins[3]));
}

bool ToolTips::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Enter:
        enterTool(control);
        break;
    case QEvent::Leave:
        if (m_hovered == control)
            leaveTool();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::Hide:
        // The tip stays away until the mouse enters a tool again.
        if (m_hovered == control) {
            m_showTimer.stop();
            m_sinceTipLeft.invalidate();
            hideTip();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ToolTips::enterTool(QWidget* control)
{
    const bool tipShown = m_window && m_window->isVisible();
    const bool reshow = tipShown || (m_sinceTipLeft.isValid() &&
                                     !m_sinceTipLeft.hasExpired(delayTime(Delay::Reshow)));
    hideTip();
    m_sinceTipLeft.invalidate();
    m_hovered = control;
    m_showTimer.start(delayTime(reshow ? Delay::Reshow : Delay::Initial));
}

void ToolTips::leaveTool()
{
    if (m_window && m_window->isVisible())
        m_sinceTipLeft.start();
    m_showTimer.stop();
    hideTip();
    m_hovered = nullptr;
}

void ToolTips::showTip()
{
    if (!m_hovered || !m_hovered->isVisible())
        return;
    const QString text = m_tools.value(m_hovered);
    if (text.isEmpty())
        return;
    window().showText(text, QCursor::pos());
    m_popTimer.start(delayTime(Delay::AutoPop));
}

ToolTipWindow& ToolTips::window()
{
    if (!m_window) {
        m_window = new ToolTipWindow(m_form);
        applyLook();
    }
    return *m_window;
}

void ToolTips::hideTip()
{
    m_popTimer.stop();
    if (m_window)
        m_window->hide();
}

} // namespace z3d
