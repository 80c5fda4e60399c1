#pragma once

#include <QStyledItemDelegate>

namespace z3d {

// For a list of one-line text rows told that its rows are all of one size
// (QListView::setUniformItemSizes). Such a list lays its rows out from one row's size rather
// than measuring each, which with thousands of rows is most of the time showing the list
// takes; but the row it measures is the first, so a longer name further down would be cut
// off with no way to scroll to its end. Here every row is given the size of the widest, so
// the list still scrolls sideways exactly as far as a list that measured each row.
//
// The widest row is found without measuring each: the rows are ranked by the sum of their
// characters' advances, and only the first few are measured. The sum differs from the shaped
// text's width only by the font's kerning, so the list may scroll a pixel or two short of, or
// past, a name that the ranking placed just below the measured ones.
class WidestRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace z3d
