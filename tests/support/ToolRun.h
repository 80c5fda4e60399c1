#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace z3d::test {

// How a program run to its end finished: its exit code (-1 when it crashed or did not end
// within a couple of minutes) and what it printed, standard output and error together.
struct ToolRun
{
    int exitCode = -1;
    QByteArray output;
};

// Runs program with arguments, in workingFolder when one is given, and waits for its end.
ToolRun runTool(const QString& program, const QStringList& arguments,
                const QString& workingFolder = QString());

} // namespace z3d::test
