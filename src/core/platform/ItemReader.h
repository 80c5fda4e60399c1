#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>
#include <QStringList>

namespace z3d {

// Item-by-item reading of the launcher's files, with the classic runtime's field rules: an item
// ends at a comma or the end of the line; leading blanks and tabs are skipped; an item that
// starts with a double quote runs to the closing quote (so it may hold commas), the quotes are
// removed and anything after the closing quote up to the next comma is ignored; an empty line
// yields one empty item. Inside a quoted item two double quotes in a row stand for one, so a
// value holding both a quote and a comma comes back whole (the classic writer never doubled
// a quote: its quoted items read as before).
class ItemReader
{
public:
    // The items of one line ("a, b" -> "a", "b"; "a," -> "a", "").
    static QStringList splitItems(const QString& line);
    // The first item of a line.
    static QString firstItem(const QString& line);
    // value as one item of a line: in double quotes, each quote inside doubled, when it holds
    // a comma or a quote or starts with a blank or a tab (what splitItems would otherwise cut
    // or strip), else unchanged.
    static QString asItem(const QString& value);
    // value as the only item of a line that readValue reads back: asItem, quoted also when it
    // starts or ends with white space.
    static QString asValue(const QString& value);
    // The first item of a line as a value: a quoted item as it stands, an unquoted one without
    // white space at either end.
    static QString readValue(const QString& line);
    // All items of all lines of a text file, in order. error receives the reading error
    // (None, or 53/76/70/75 when the file could not be opened).
    static QStringList readItems(const QString& path, ErrorNumber* error = nullptr);
};

} // namespace z3d
