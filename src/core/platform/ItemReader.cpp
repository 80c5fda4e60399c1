#include "core/platform/ItemReader.h"

#include "core/platform/TextFile.h"

namespace z3d {

QStringList ItemReader::splitItems(const QString& line)
{
    QStringList items;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && (line.at(i) == u' ' || line.at(i) == u'\t'))
            ++i;
        if (i < n && line.at(i) == u'"') {
            const qsizetype start = i + 1;
            qsizetype close = line.indexOf(u'"', start);
            if (close < 0)
                close = n;
            items.append(line.mid(start, close - start));
            const qsizetype comma = close < n ? line.indexOf(u',', close + 1) : -1;
            if (comma < 0)
                break;
            i = comma + 1;
            continue;
        }
        const qsizetype comma = line.indexOf(u',', i);
        if (comma < 0) {
            items.append(line.mid(i));
            break;
        }
        items.append(line.mid(i, comma - i));
        i = comma + 1;
    }
    return items;
}

QString ItemReader::firstItem(const QString& line)
{
    return splitItems(line).value(0);
}

QString ItemReader::asItem(const QString& value)
{
    const bool plain = !value.contains(u',') && !value.startsWith(u' ') &&
                       !value.startsWith(u'\t') && !value.startsWith(u'"');
    return plain ? value : u'"' + value + u'"';
}

QStringList ItemReader::readItems(const QString& path, ErrorNumber* error)
{
    const TextFileLines file = TextFile::readLines(path);
    if (error)
        *error = file.error;
    QStringList items;
    for (const QString& line : file.lines)
        items += splitItems(line);
    return items;
}

} // namespace z3d
