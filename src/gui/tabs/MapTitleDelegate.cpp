#include "gui/tabs/MapTitleDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace z3d {

namespace {

// Between the name and the title, in widths of a blank.
constexpr int kGapBlanks = 2;
// The title's share of the text colour's opacity.
constexpr double kTitleOpacity = 0.7;

} // namespace

void MapTitleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QString title = index.data(TitleRole).toString();
    if (title.isEmpty())
        return;

    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    const int left = text.left() + margin + item.fontMetrics.horizontalAdvance(item.text) +
                     kGapBlanks * item.fontMetrics.horizontalAdvance(u' ');
    const QRect room(left, text.top(), text.right() - margin - left, text.height());
    if (room.width() <= 0)
        return;

    const bool selected = item.state & QStyle::State_Selected;
    QColor colour =
        item.palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
    colour.setAlphaF(kTitleOpacity);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(colour);
    painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                      item.fontMetrics.elidedText(title, Qt::ElideRight, room.width()));
    painter->restore();
}

} // namespace z3d
