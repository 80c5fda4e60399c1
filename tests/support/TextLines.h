#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace z3d::test {

// The lines of a file the launcher wrote, each ended by CR LF; the last line's ending gives
// no empty line after it.
inline QStringList crLfLines(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace z3d::test
