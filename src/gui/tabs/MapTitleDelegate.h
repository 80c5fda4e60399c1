#pragma once

#include <QStyledItemDelegate>

namespace z3d {

// Draws a map-list entry as its name with the map's title beside it, the title in a fainter
// colour and elided to the room left. The entry's text stays the name alone; the title is the
// item's TitleRole data.
class MapTitleDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int TitleRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace z3d
