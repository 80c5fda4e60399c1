#include "core/launch/EngineCommandLine.h"

namespace z3d {

EngineCommandLine::EngineCommandLine() : m_text(QLatin1String(kEnginePath)) {}

void EngineCommandLine::appendQuoted(const QString& value)
{
    m_text += QLatin1Char('"');
    m_text += value;
    m_text += QLatin1String("\" ");
}

QString EngineCommandLine::arguments() const
{
    const qsizetype start = QLatin1String(kEnginePath).size() + 1;
    return start < m_text.size() ? m_text.mid(start) : QString();
}

} // namespace z3d
