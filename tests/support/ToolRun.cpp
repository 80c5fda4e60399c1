#include "ToolRun.h"

#include <QProcess>

namespace z3d::test {

namespace {

constexpr int kDeadlineMs = 120000;

} // namespace

ToolRun runTool(const QString& program, const QStringList& arguments, const QString& workingFolder)
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun run;
    if (process.waitForFinished(kDeadlineMs) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
        run.output = process.readAll();
    }
    return run;
}

} // namespace z3d::test
