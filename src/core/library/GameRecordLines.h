#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// The text of the game records, apart from the files that hold it. Every record is lines read
// item by item (ItemReader); what is written here reads back equal, and what could not is
// refused (none), so the caller leaves the record as it was.
//
// One-value records (a game's last map, a user directory's last file, a save slot) hold their
// value as the first line's item: quoted when it holds a comma or a quote or has white space
// at either end, which an unquoted item loses.
//
// A user directory's map record holds one item per wad, "<file> <map>", the map empty when none
// was selected. A map name holds no blank, so the map is what follows the last blank. A line
// ending in more than one blank, or with blanks before the map, was made by hand: it is read
// with those blanks dropped. File names compare without regard to case.
class GameRecordLines
{
public:
    // The line of a one-value record; none when value could not come back from one line (a
    // line break in it, or longer than a reader takes).
    static std::optional<QString> valueLine(const QString& value);
    // The value of a one-value record's first line; none when it is empty.
    static std::optional<QString> value(const QString& firstLine);

    // The lines of a user directory's map record whose items were items, with file's first
    // item replaced by "<file> <map>" (appended when file has none) and its later items gone.
    // None when that item could not be read back: a file name ending in white space, a map
    // holding any, or a line that could not be written.
    static std::optional<QStringList> withSelection(const QStringList& items, const QString& file,
                                                    const QString& map);
    // The map of the last item for file; none when there is none or it names no map.
    static std::optional<QString> mapFor(const QStringList& items, const QString& file);
};

} // namespace z3d
