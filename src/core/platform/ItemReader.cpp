#include "core/platform/ItemReader.h"

#include "core/platform/TextFile.h"

namespace z3d {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The quoted item whose opening quote is at open: its text, and the index after its closing
// quote (the line's size when it has none).
qsizetype readQuoted(const QString& line, qsizetype open, QString& item)
{
    const qsizetype n = line.size();
    qsizetype i = open + 1;
    while (i < n) {
        qsizetype quote = line.indexOf(u'"', i);
        if (quote < 0)
            quote = n;
        item += QStringView(line).mid(i, quote - i);
        if (quote + 1 < n && line.at(quote + 1) == u'"') {
            item += u'"';
            i = quote + 2;
            continue;
        }
        return quote < n ? quote + 1 : n;
    }
    return n;
}

} // namespace

QStringList ItemReader::splitItems(const QString& line)
{
    QStringList items;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && isBlank(line.at(i)))
            ++i;
        if (i < n && line.at(i) == u'"') {
            QString item;
            const qsizetype after = readQuoted(line, i, item);
            items.append(item);
            const qsizetype comma = line.indexOf(u',', after);
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
    const bool plain = !value.contains(u',') && !value.contains(u'"') &&
                       !(value.size() > 0 && isBlank(value.front()));
    if (plain)
        return value;
    QString quoted;
    quoted.reserve(value.size() + 2);
    quoted += u'"';
    for (const QChar c : value) {
        quoted += c;
        if (c == u'"')
            quoted += u'"';
    }
    quoted += u'"';
    return quoted;
}

QString ItemReader::asValue(const QString& value)
{
    const QString item = asItem(value);
    const bool trimmedWhenPlain = item == value && value.trimmed() != value;
    return trimmedWhenPlain ? u'"' + value + u'"' : item;
}

QString ItemReader::readValue(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && isBlank(line.at(i)))
        ++i;
    if (i < line.size() && line.at(i) == u'"') {
        QString item;
        readQuoted(line, i, item);
        return item;
    }
    return firstItem(line).trimmed();
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
