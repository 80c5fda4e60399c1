#include "core/inspect/MapContentsText.h"

#include "core/inspect/MapContents.h"

namespace z3d {

namespace {

const QString kSeparator = QStringLiteral(" \u00B7 ");

QString counted(int count, const char* one, const char* many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

QString printable(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            shown += c;
    }
    return shown.trimmed();
}

QString parTime(const QString& par)
{
    bool whole = false;
    const int seconds = par.toInt(&whole);
    if (!whole || seconds < 0)
        return printable(par);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

} // namespace

int MapContentsText::skillOf(int entry, int lastSkill)
{
    constexpr int kFirst = 1;
    constexpr int kLast = 5;
    if (entry >= kFirst && entry <= kLast)
        return entry;
    return lastSkill >= kFirst && lastSkill <= kLast ? lastSkill : 3;
}

QString MapContentsText::skillName(const QString& entryText)
{
    const qsizetype dash = entryText.indexOf(QLatin1String(" - "));
    return dash < 0 ? entryText.trimmed() : entryText.mid(dash + 3).trimmed();
}

QStringList MapContentsText::lines(const MapContents& contents, const QString& skillName)
{
    QStringList lines{counted(contents.monsters, "monster", "monsters") + kSeparator +
                      counted(contents.items, "item", "items") + kSeparator +
                      counted(contents.secrets, "secret", "secrets")};
    if (!skillName.isEmpty())
        lines.front() += QStringLiteral(" (") + skillName + u')';
    QStringList links;
    if (const QString next = printable(contents.next); !next.isEmpty())
        links << QStringLiteral("Next: ") + next;
    if (const QString secret = printable(contents.secretNext); !secret.isEmpty())
        links << QStringLiteral("Secret: ") + secret;
    if (const QString par = parTime(contents.par); !par.isEmpty())
        links << QStringLiteral("Par ") + par;
    if (!links.isEmpty())
        lines << links.join(kSeparator);
    return lines;
}

} // namespace z3d
