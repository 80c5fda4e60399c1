#include "gui/tooltips/ListTips.h"

#include "gui/tooltips/ToolTips.h"
#include "gui/tooltips/ToolTipWindow.h"

#include <QAbstractItemView>
#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>

namespace z3d {

ListTips::ListTips(QAbstractItemView& list, std::unique_ptr<ListTipProvider> provider)
    : QObject(&list), m_list(list), m_provider(std::move(provider))
{
    m_showTimer.setSingleShot(true);
    m_popTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, &ListTips::showTip);
    connect(&m_popTimer, &QTimer::timeout, this, &ListTips::hideTip);
    m_list.viewport()->setMouseTracking(true);
    m_list.viewport()->installEventFilter(this);
    m_list.installEventFilter(this);
    // A row's tip is of the entry that was there: a list filled anew has other entries.
    if (QAbstractItemModel* model = m_list.model()) {
        connect(model, &QAbstractItemModel::modelReset, this, &ListTips::forget);
        connect(model, &QAbstractItemModel::layoutChanged, this, &ListTips::forget);
        connect(model, &QAbstractItemModel::rowsInserted, this, &ListTips::forget);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ListTips::forget);
    }
}

ListTips::~ListTips() = default;

void ListTips::setToolTips(ToolTips* tips)
{
    if (!tips)
        forget();
    m_tips = tips;
}

bool ListTips::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: events also come while the list is being destroyed.
    switch (event->type()) {
    case QEvent::MouseMove:
        // Qt also sends moves where the mouse stands (a window appeared or went): those leave
        // a tip chosen with the keys in place.
        if (const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            watched == m_list.viewport() && at != m_mouseAt) {
            m_mouseAt = at;
            restOn(m_list.indexAt(m_list.viewport()->mapFromGlobal(at)).row(), Place::Mouse);
        }
        break;
    case QEvent::ToolTip:
        if (watched == m_list.viewport() && m_tips &&
            hasTip(m_list.indexAt(static_cast<QHelpEvent*>(event)->pos()).row()))
            return true;
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        restOn(-1, Place::Mouse);
        break;
    case QEvent::KeyPress:
        if (watched == &m_list) {
            // The list moves its current entry once the key has passed here.
            const int before = m_list.currentIndex().row();
            QTimer::singleShot(0, this, [this, before] { afterKey(before); });
        }
        [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        // The tip stays away until the mouse rests on another entry.
        m_showTimer.stop();
        hideTip();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ListTips::afterKey(int rowBefore)
{
    const int row = m_list.currentIndex().row();
    if (row == rowBefore || row < 0)
        return;
    m_row = -1;
    restOn(row, Place::Entry);
}

void ListTips::restOn(int row, Place place)
{
    if (row == m_row)
        return;
    const bool shown = m_shown.has_value();
    m_row = row;
    m_place = place;
    m_asked = false;
    m_tip.reset();
    m_showTimer.stop();
    hideTip();
    if (row >= 0 && m_tips)
        m_showTimer.start(
            m_tips->delayTime(shown ? ToolTips::Delay::Reshow : ToolTips::Delay::Initial));
}

void ListTips::forget()
{
    restOn(-1, Place::Mouse);
}

const std::optional<ListTip>& ListTips::restedTip()
{
    if (!m_asked) {
        m_tip = m_provider->tipOf(m_row);
        m_asked = true;
    }
    return m_tip;
}

bool ListTips::hasTip(int row)
{
    if (row < 0)
        return false;
    if (row == m_row)
        return restedTip().has_value();
    return m_provider->tipOf(row).has_value();
}

void ListTips::showTip()
{
    if (!m_tips || m_row < 0 || !m_list.isVisible())
        return;
    const std::optional<ListTip>& tip = restedTip();
    if (!tip)
        return;
    const QString caption = tip->lines.join(u'\n');
    ToolTipWindow& window = m_tips->window();
    if (m_place == Place::Entry) {
        const QRect entry = m_list.visualRect(m_list.model()->index(m_row, 0));
        window.showBeside(tip->picture, caption,
                          QRect(m_list.viewport()->mapToGlobal(entry.topLeft()), entry.size()));
    } else {
        window.showPicture(tip->picture, caption, QCursor::pos());
    }
    m_shown = window.text();
    m_popTimer.start(m_tips->delayTime(ToolTips::Delay::AutoPop));
}

void ListTips::hideTip()
{
    m_popTimer.stop();
    // The window is the form's: another control's tip may have taken it over since.
    if (m_shown && m_tips && m_tips->tipWindow() && m_tips->tipWindow()->text() == *m_shown)
        m_tips->window().hide();
    m_shown.reset();
}

} // namespace z3d
