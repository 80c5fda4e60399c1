#include "core/library/GameRecordLines.h"

#include "core/platform/ItemReader.h"
#include "core/platform/TextFile.h"

#include <algorithm>

namespace z3d {

namespace {

struct MapLine
{
    QString file;
    QString map;
};

QString withoutTrailingSpace(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

MapLine parseMapLine(const QString& line)
{
    if (line.endsWith(u' ') && !line.endsWith(QLatin1String("  ")))
        return {line.chopped(1), {}};
    const QString text = withoutTrailingSpace(line);
    const qsizetype blank = text.lastIndexOf(u' ');
    if (blank < 0)
        return {text, {}};
    return {withoutTrailingSpace(text.left(blank)), text.mid(blank + 1)};
}

bool isFor(const MapLine& line, const QString& file)
{
    return line.file.compare(file, Qt::CaseInsensitive) == 0;
}

bool holdsSpace(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

// A line that would not read back whole: it holds a line break, or is longer than a reader
// takes.
bool writable(const QString& line)
{
    return !line.contains(u'\r') && !line.contains(u'\n') &&
           TextFile::encodeLines({line}).size() <= TextFile::kMaxLineBytes + 2;
}

} // namespace

std::optional<QString> GameRecordLines::valueLine(const QString& value)
{
    const QString line = ItemReader::asValue(value);
    return writable(line) ? std::optional<QString>(line) : std::nullopt;
}

std::optional<QString> GameRecordLines::value(const QString& firstLine)
{
    const QString value = ItemReader::readValue(firstLine);
    return value.isEmpty() ? std::nullopt : std::optional<QString>(value);
}

std::optional<QStringList> GameRecordLines::withSelection(const QStringList& items,
                                                          const QString& file, const QString& map)
{
    if (withoutTrailingSpace(file) != file || holdsSpace(map))
        return std::nullopt;
    const QString chosen = ItemReader::asItem(file + u' ' + map);
    QStringList lines;
    bool replaced = false;
    for (const QString& item : items) {
        if (!isFor(parseMapLine(item), file)) {
            lines << ItemReader::asItem(item);
        } else if (!replaced) {
            lines << chosen;
            replaced = true;
        }
    }
    if (!replaced)
        lines << chosen;
    if (!std::all_of(lines.begin(), lines.end(), writable))
        return std::nullopt;
    return lines;
}

std::optional<QString> GameRecordLines::mapFor(const QStringList& items, const QString& file)
{
    QString wanted;
    for (const QString& item : items) {
        const MapLine line = parseMapLine(item);
        if (isFor(line, file))
            wanted = line.map;
    }
    if (wanted.isEmpty())
        return std::nullopt;
    return wanted;
}

} // namespace z3d
