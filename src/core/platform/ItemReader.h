#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>
#include <QStringList>

namespace z3d {

// Item-by-item reading of the launcher's files, with the classic runtime's field rules: an item
// ends at a comma or the end of the line; leading blanks and tabs are skipped; an item that
// starts with a double quote runs to the closing quote (so it may hold commas), the quotes are
// removed and anything after the closing quote up to the next comma is ignored; an empty line
// yields one empty item.
class ItemReader
{
public:
    // The items of one line ("a, b" -> "a", "b"; "a," -> "a", "").
    static QStringList splitItems(const QString& line);
    // The first item of a line.
    static QString firstItem(const QString& line);
    // value as one item of a line: in double quotes when it holds a comma or starts with a
    // blank, a tab or a quote (what splitItems would otherwise cut or strip), else unchanged.
    static QString asItem(const QString& value);
    // All items of all lines of a text file, in order. error receives the reading error
    // (None, or 53/76/70/75 when the file could not be opened).
    static QStringList readItems(const QString& path, ErrorNumber* error = nullptr);
};

} // namespace z3d
