#include "core/launch/EngineCommandLine.h"

#include "core/platform/CommandLine.h"

namespace z3d {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

EngineCommandLine::EngineCommandLine() : m_text(QLatin1String(kEnginePath)) {}

bool EngineCommandLine::canQuote(const QString& value)
{
    return !value.contains(u'"') && !value.endsWith(u'\\');
}

void EngineCommandLine::extend(const QString& text)
{
    if (!m_open)
        m_meant.append(QString());
    m_open = true;
    m_meant.last().append(text);
}

void EngineCommandLine::append(const QString& piece)
{
    m_text += piece;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= piece.size(); ++i) {
        if (i < piece.size() && !isBlank(piece.at(i)))
            continue;
        if (i > start)
            extend(piece.mid(start, i - start));
        if (i < piece.size())
            m_open = false;
        start = i + 1;
    }
}

void EngineCommandLine::appendQuoted(const QString& value)
{
    if (!canQuote(value) && !m_unquotable)
        m_unquotable = value;
    m_text += QLatin1Char('"');
    m_text += value;
    m_text += QLatin1String("\" ");
    extend(value);
    m_open = false;
}

void EngineCommandLine::appendPlayerText(const QString& text)
{
    const QString piece = text + QLatin1Char(' ');
    m_text += piece;
    const QStringList arguments = CommandLine::splitArguments(piece);
    if (arguments.isEmpty())
        return;
    // Text that does not start with a blank continues the argument under way.
    const bool joins = m_open && !isBlank(piece.front());
    m_open = false;
    if (joins)
        m_meant.last() += arguments.first();
    m_meant += joins ? arguments.mid(1) : arguments;
}

bool EngineCommandLine::splitsBack() const
{
    return CommandLine::split(m_text) == QStringList{QLatin1String(kEnginePath)} + m_meant;
}

QString EngineCommandLine::arguments() const
{
    const qsizetype start = QLatin1String(kEnginePath).size() + 1;
    return start < m_text.size() ? m_text.mid(start) : QString();
}

} // namespace z3d
