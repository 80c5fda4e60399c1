#include "core/inspect/CheckerOutput.h"

namespace z3d {

namespace {

bool isDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

int CheckerOutput::numericValue(const QString& text)
{
    int value = 0;
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        if (!isDecimalDigit(c))
            break;
        // The codes are at most three digits; anything longer is not a count.
        if (value > 100'000'000)
            break;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

int CheckerOutput::mapCountCode(const QString& output)
{
    const QString s = output.mid(16, 2);
    if (!s.isEmpty() && isDecimalDigit(s.back()))
        return numericValue(QStringLiteral("1") + s);
    return numericValue(QStringLiteral("10") + s.left(1));
}

QStringList CheckerOutput::mapNames(const QStringList& items)
{
    QStringList names;
    for (qsizetype i = kFirstMapItem; i < items.size(); ++i) {
        const QString name = items.at(i).left(5).trimmed();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

QStringList CheckerOutput::mapTitles(const QStringList& items)
{
    QStringList titles;
    for (qsizetype i = kFirstMapItem; i < items.size(); ++i) {
        const QString& item = items.at(i);
        if (item.left(5).trimmed().isEmpty())
            continue;
        const qsizetype open = item.indexOf(u'"', 5);
        const bool quoted = open >= 0 && item.size() > open + 1 && item.endsWith(u'"');
        QString title = quoted ? item.mid(open + 1, item.size() - open - 2) : QString();
        titles.append(title.replace(QChar(0x201A), u','));
    }
    return titles;
}

bool CheckerOutput::hasMaps(const QStringList& items)
{
    return items.size() > kFirstMapItem && !items.at(kFirstMapItem).isEmpty();
}

QStringList CheckerOutput::saveEntries(const QStringList& items)
{
    QStringList entries;
    for (const QString& item : items) {
        if (item.size() > 1)
            entries.append(item.left(1) + QStringLiteral(" - ") + item.mid(1));
    }
    return entries;
}

} // namespace z3d
