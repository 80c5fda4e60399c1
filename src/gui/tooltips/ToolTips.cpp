#include "gui/tooltips/ToolTips.h"

#include "gui/tooltips/ToolTipWindow.h"

#include <QCursor>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace z3d {

namespace {

constexpr int kLauncherTipWidth = 240;
constexpr int kLauncherInitialMs = 300;
constexpr int kLauncherReshowMs = 800;
constexpr int kLauncherAutoPopMs = 20000;
constexpr int kLauncherSideMargin = 5;
constexpr int kLauncherEdgeMargin = 2;

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
    setMaxTipWidth(kLauncherTipWidth);
    setDelayTime(Delay::AutoPop, kLauncherAutoPopMs);
    setDelayTime(Delay::Reshow, kLauncherReshowMs);
    setDelayTime(Delay::Initial, kLauncherInitialMs);
    setMargin(Side::Bottom, kLauncherEdgeMargin);
    setMargin(Side::Top, kLauncherEdgeMargin);
    setMargin(Side::Left, kLauncherSideMargin);
    setMargin(Side::Right, kLauncherSideMargin);
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
    switch (kind) {
    case Delay::Reshow:
        return m_reshowMs;
    case Delay::AutoPop:
        return m_autoPopMs;
    case Delay::Initial:
        return m_initialMs;
    }
    return 0;
}

void ToolTips::setDelayTime(Delay kind, int milliseconds)
{
    const int delay = std::max(0, milliseconds);
    switch (kind) {
    case Delay::Reshow:
        m_reshowMs = delay;
        break;
    case Delay::AutoPop:
        m_autoPopMs = delay;
        break;
    case Delay::Initial:
        m_initialMs = delay;
        break;
    }
}

void ToolTips::setMaxTipWidth(int pixels)
{
    m_maxTipWidth = pixels;
    applyLook();
}

int ToolTips::margin(Side side) const
{
    switch (side) {
    case Side::Left:
        return m_margins.left();
    case Side::Top:
        return m_margins.top();
    case Side::Right:
        return m_margins.right();
    case Side::Bottom:
        return m_margins.bottom();
    }
    return 0;
}

void ToolTips::setMargin(Side side, int pixels)
{
    switch (side) {
    case Side::Left:
        m_margins.setLeft(pixels);
        break;
    case Side::Top:
        m_margins.setTop(pixels);
        break;
    case Side::Right:
        m_margins.setRight(pixels);
        break;
    case Side::Bottom:
        m_margins.setBottom(pixels);
        break;
    }
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
    m_window->setTextMargins(m_margins);
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
    const bool reshow =
        tipShown || (m_sinceTipLeft.isValid() && !m_sinceTipLeft.hasExpired(m_reshowMs));
    hideTip();
    m_sinceTipLeft.invalidate();
    m_hovered = control;
    m_showTimer.start(reshow ? m_reshowMs : m_initialMs);
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
    if (!m_window) {
        m_window = new ToolTipWindow(m_form);
        applyLook();
    }
    m_window->showText(text, QCursor::pos());
    m_popTimer.start(m_autoPopMs);
}

void ToolTips::hideTip()
{
    m_popTimer.stop();
    if (m_window)
        m_window->hide();
}

} // namespace z3d
