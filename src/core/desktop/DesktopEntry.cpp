#include "core/desktop/DesktopEntry.h"

#include <algorithm>

namespace z3d {

namespace {

bool isReserved(QChar c)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    return reserved.contains(c);
}

// Characters below U+0020 other than tab, LF and CR, and DEL, have no escape in a string.
bool isUnrepresentable(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0x7f;
}

bool representable(const QString& value)
{
    for (const QChar c : value) {
        if (isUnrepresentable(c))
            return false;
    }
    return true;
}

} // namespace

QString DesktopEntry::quoteArgument(const QString& argument)
{
    QString quoted;
    const bool needsQuotes =
        argument.isEmpty() || std::any_of(argument.cbegin(), argument.cend(), isReserved);
    if (needsQuotes)
        quoted += u'"';
    for (const QChar c : argument) {
        if (needsQuotes && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            quoted += u'\\';
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    if (needsQuotes)
        quoted += u'"';
    return quoted;
}

QString DesktopEntry::execCommand(const QStringList& command)
{
    QStringList quoted;
    quoted.reserve(command.size());
    for (const QString& argument : command)
        quoted << quoteArgument(argument);
    return quoted.join(u' ');
}

QString DesktopEntry::escapeString(const QString& value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else if (c == u' ' && i == 0)
            escaped += QStringLiteral("\\s"); // a reader drops blanks after the '='
        else
            escaped += c;
    }
    return escaped;
}

std::optional<QByteArray> DesktopEntry::text(const DesktopEntryFields& fields)
{
    if (fields.command.isEmpty())
        return std::nullopt;
    const QString exec = execCommand(fields.command);
    for (const QString* value :
         {&fields.name, &exec, &fields.workingFolder, &fields.icon, &fields.comment}) {
        if (!representable(*value))
            return std::nullopt;
    }
    for (const QString& category : fields.categories) {
        if (category.isEmpty() || category.contains(u';') || !representable(category))
            return std::nullopt;
    }
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Version=1.0\n");
    text += QStringLiteral("Name=") + escapeString(fields.name) + u'\n';
    if (!fields.comment.isEmpty())
        text += QStringLiteral("Comment=") + escapeString(fields.comment) + u'\n';
    text += QStringLiteral("Exec=") + escapeString(exec) + u'\n';
    if (!fields.workingFolder.isEmpty())
        text += QStringLiteral("Path=") + escapeString(fields.workingFolder) + u'\n';
    if (!fields.icon.isEmpty())
        text += QStringLiteral("Icon=") + escapeString(fields.icon) + u'\n';
    text += QStringLiteral("Terminal=false\n");
    if (!fields.categories.isEmpty())
        text += QStringLiteral("Categories=") + escapeString(fields.categories.join(u';')) + u';' +
                u'\n';
    return text.toUtf8();
}

} // namespace z3d
