#pragma once

#include "gui/tooltips/ListTipProvider.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

class QAbstractItemView;

namespace z3d {

class ToolTips;

// Tips for the entries of a list, drawn in the form's tip window with the form's tip timing:
// an entry's tip shows once the mouse has rested on it for the initial delay (the reshow delay
// while another entry's tip shows), beside the mouse; and once the player has moved to it with
// the keys, beside the entry. A key, a button, the wheel, the mouse leaving the list or the
// list's entries changing closes it, and it goes by itself after the auto-pop delay. While tips
// are off nothing shows. What an entry's tip holds is the provider's to say; over an entry with
// a tip the list's own Qt tooltip gives way, elsewhere it shows as before.
class ListTips : public QObject
{
    Q_OBJECT

public:
    // Owned by list; provider decides the tips of list's entries.
    ListTips(QAbstractItemView& list, std::unique_ptr<ListTipProvider> provider);
    ~ListTips() override;

    // The form's tips, or nullptr while tooltips are off.
    void setToolTips(ToolTips* tips);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Place
    {
        Mouse,
        Entry
    };

    void restOn(int row, Place place);
    void afterKey(int rowBefore);
    // The tip of the rested row, asked of the provider once per rest.
    const std::optional<ListTip>& restedTip();
    bool hasTip(int row);
    void showTip();
    void hideTip();
    void forget();

    QAbstractItemView& m_list;
    std::unique_ptr<ListTipProvider> m_provider;
    QPointer<ToolTips> m_tips;
    // The row waiting for or showing its tip, -1 when none, and where its tip goes.
    int m_row = -1;
    Place m_place = Place::Mouse;
    // Where the mouse last moved to on the list (global).
    QPoint m_mouseAt;
    bool m_asked = false;
    std::optional<ListTip> m_tip;
    // The text of the tip this object put in the tip window, while it shows there.
    std::optional<QString> m_shown;
    QTimer m_showTimer;
    QTimer m_popTimer;
};

} // namespace z3d
