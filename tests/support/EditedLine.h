#pragma once

#include <QString>

#include <initializer_list>

namespace z3d::test {

// One change to a command line: the pieces `from` become `to`; an empty `to` drops them.
struct LineEdit
{
    QString from;
    QString to;
};

// `added` stands right after `anchor`.
inline LineEdit after(const QString& anchor, const QString& added)
{
    return {anchor, anchor + QLatin1Char(' ') + added};
}

inline LineEdit drop(const QString& pieces)
{
    return {pieces, {}};
}

// A command line of blank-ended pieces (`-a -b "x y" `) with the edits applied in turn. Each
// `from` names whole pieces that stand exactly once in the line as it is then; where one does
// not, the result says so, and so never equals a line the launcher assembles.
inline QString edited(const QString& baseline, std::initializer_list<LineEdit> edits)
{
    const QChar blank(QLatin1Char(' '));
    QString line = blank + baseline;
    for (const LineEdit& edit : edits) {
        const QString from = blank + edit.from + blank;
        if (line.count(from) != 1)
            return QStringLiteral("<not once in the line: %1>").arg(edit.from);
        line.replace(from, edit.to.isEmpty() ? QString(blank) : blank + edit.to + blank);
    }
    return line.mid(1);
}

} // namespace z3d::test
