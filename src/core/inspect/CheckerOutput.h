#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

// The rules by which the launcher reads what the checker tool printed. The tool's CHECKWAD
// output starts with "Number of maps: N" (N left-aligned at characters 17 and 18), then two
// more header lines, then one line per map beginning with the map's lump name padded to five
// characters. Its GETSAVEHDRS output has one item per save: the slot digit, then the
// description. Items are those of the launcher's item-by-item reading (a line without commas
// is one item; a quoted item keeps its commas).
class CheckerOutput
{
public:
    // Items before this index are the CHECKWAD header lines.
    static constexpr int kFirstMapItem = 3;

    // The map count code of a CHECKWAD output: with s the output's characters 17 and 18
    // (counting from 1; fewer when the output is shorter), the numeric value of "1" + s when
    // s ends in a decimal digit, else of "10" + the first character of s. A numeric value
    // reads leading digits, skipping blanks, up to the first other character. So "12" gives
    // 112, "7" and a line end 107, an empty output 10.
    static int mapCountCode(const QString& output);
    // The map names of CHECKWAD items: the first five characters of each item from
    // kFirstMapItem on, trimmed; empty items (the line end after the last map) give none.
    static QStringList mapNames(const QStringList& items);
    // The map titles of CHECKWAD items, one for each name mapNames gives: the text between
    // the first double quote after the name and the item's closing double quote, with the
    // checker's stand-in for a comma (U+201A) shown as a comma again; empty for an item
    // without one (a checker that names no titles).
    static QStringList mapTitles(const QStringList& items);
    // Whether CHECKWAD items list a map: the item at kFirstMapItem exists and is not empty.
    static bool hasMaps(const QStringList& items);
    // The save-list entries of GETSAVEHDRS items: first character + " - " + the rest, for
    // every item longer than its first character (a slot digit alone gives no entry).
    static QStringList saveEntries(const QStringList& items);
    // The leading-digits value described at mapCountCode.
    static int numericValue(const QString& text);
};

} // namespace z3d
