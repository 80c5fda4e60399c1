#pragma once

#include <QListWidget>
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

inline bool isWad(const QString& name)
{
    return name.endsWith(QLatin1String(".wad"), Qt::CaseInsensitive);
}

} // namespace z3d::list_rows
