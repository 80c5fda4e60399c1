#pragma once

#include <QListWidget>
#include <QSignalBlocker>
#include <QString>

namespace z3d::list_rows {

// The row of the list whose text (or data of role) equals name without regard to case; -1.
inline int rowNamed(const QListWidget* list, const QString& name, int role = Qt::DisplayRole)
{
    for (int row = 0; row < list->count(); ++row) {
        const QString text = role == Qt::DisplayRole ? list->item(row)->text()
                                                     : list->item(row)->data(role).toString();
        if (text.compare(name, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

// The first selected row; -1 when none is selected.
inline int firstSelectedRow(const QListWidget* list)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            return row;
    }
    return -1;
}

// Selects row alone, as a click would (its selection handler runs).
inline void selectRow(QListWidget* list, int row)
{
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

// Makes a change of the program's own to list (filling, emptying, taking out or putting in
// entries) without running the handlers of a selection: the entry the list selects by itself
// meanwhile (the neighbour of one taken out) was not chosen by the player. The selection the
// program means is made afterwards, with selectRow, and runs its handlers once.
template <class Change> void changeQuietly(QListWidget* list, Change change)
{
    const QSignalBlocker quiet(list);
    change();
}

inline bool isWad(const QString& name)
{
    return name.endsWith(QLatin1String(".wad"), Qt::CaseInsensitive);
}

} // namespace z3d::list_rows
