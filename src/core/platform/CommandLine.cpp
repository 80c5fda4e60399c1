#include "core/platform/CommandLine.h"

namespace z3d {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

CommandLine::Parts CommandLine::splitProgram(const QString& commandLine)
{
    Parts parts;
    const qsizetype n = commandLine.size();
    qsizetype i = 0;
    while (i < n && isBlank(commandLine.at(i)))
        ++i;
    if (i < n && commandLine.at(i) == u'"') {
        parts.programQuoted = true;
        const qsizetype start = i + 1;
        qsizetype close = commandLine.indexOf(u'"', start);
        if (close < 0)
            close = n;
        parts.program = commandLine.mid(start, close - start);
        i = close < n ? close + 1 : n;
    } else {
        const qsizetype start = i;
        while (i < n && !isBlank(commandLine.at(i)))
            ++i;
        parts.program = commandLine.mid(start, i - start);
    }
    while (i < n && isBlank(commandLine.at(i)))
        ++i;
    parts.arguments = commandLine.mid(i);
    return parts;
}

QStringList CommandLine::splitArguments(const QString& arguments)
{
    QStringList args;
    QString current;
    const qsizetype n = arguments.size();
    qsizetype i = 0;
    int backslashes = 0;
    int quotes = 0; // 1 inside a quoted part
    bool started = false;
    while (i < n && isBlank(arguments.at(i)))
        ++i;
    while (i < n) {
        const QChar c = arguments.at(i);
        if (isBlank(c) && quotes == 0) {
            args.append(current);
            current.clear();
            started = false;
            backslashes = 0;
            while (i < n && isBlank(arguments.at(i)))
                ++i;
            continue;
        }
        started = true;
        if (c == u'\\') {
            current.append(c);
            ++backslashes;
            ++i;
        } else if (c == u'"') {
            if (backslashes % 2 == 0) {
                current.chop(backslashes / 2);
                ++quotes;
            } else {
                current.chop(backslashes / 2 + 1);
                current.append(u'"');
            }
            backslashes = 0;
            ++i;
            // Quotes in a row: the third of a run gives a literal quote and leaves the quoted
            // part; an even run closes it.
            while (i < n && arguments.at(i) == u'"') {
                if (++quotes == 3) {
                    current.append(u'"');
                    quotes = 0;
                }
                ++i;
            }
            if (quotes == 2)
                quotes = 0;
        } else {
            current.append(c);
            backslashes = 0;
            ++i;
        }
    }
    if (started)
        args.append(current);
    return args;
}

QStringList CommandLine::split(const QString& commandLine)
{
    const Parts parts = splitProgram(commandLine);
    if (parts.program.isEmpty() && !parts.programQuoted && parts.arguments.isEmpty())
        return {};
    QStringList result{parts.program};
    result += splitArguments(parts.arguments);
    return result;
}

QString CommandLine::quote(const QString& argument)
{
    const bool needsQuotes = argument.isEmpty() || argument.contains(u' ') ||
                             argument.contains(u'\t') || argument.contains(u'"');
    if (!needsQuotes)
        return argument;
    QString out = QStringLiteral("\"");
    int backslashes = 0;
    for (const QChar c : argument) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        if (c == u'"') {
            out += QString(backslashes * 2 + 1, u'\\');
            out += u'"';
        } else {
            out += QString(backslashes, u'\\');
            out += c;
        }
        backslashes = 0;
    }
    out += QString(backslashes * 2, u'\\');
    out += u'"';
    return out;
}

} // namespace z3d
