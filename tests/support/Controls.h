#pragma once

#include <QListWidget>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

namespace z3d::test {

// A control of a window found as the player's view of the form names it (its objectName, an
// array member as name + "_" + index). Null, with a warning, when there is none, so the test
// fails where it uses it.
template <class T> T* findControl(const QObject& root, const QString& name)
{
    T* found = root.findChild<T*>(name);
    if (!found)
        qWarning("no control named %s", qPrintable(name));
    return found;
}

template <class T> T* findControl(const QObject& root, const char* array, int index)
{
    return findControl<T>(root, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index));
}

// The entries of a list, top to bottom.
inline QStringList itemTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// The text of a list's first selected entry; empty when none is selected.
inline QString selectedText(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.constFirst()->text();
}

// Selects the entry reading text as a click does: the only one selected, and current.
inline void selectItem(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    list->setCurrentItem(items.constFirst(), QItemSelectionModel::ClearAndSelect);
}

} // namespace z3d::test
