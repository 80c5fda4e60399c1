#include "gui/services/DesktopProcesses.h"

#include "core/platform/ProgramStarter.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace z3d {

namespace {

// A console tool that never ends must not freeze the launcher for good: after this long it is
// ended and what it printed so far is the result.
constexpr int kRunTimeoutMs = 120'000;

QUrl urlFor(const QString& pathOrUrl)
{
    const QUrl url(pathOrUrl);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(pathOrUrl);
}

} // namespace

QString DesktopProcesses::runAndWait(const QString& commandLine, const QString& workingFolder)
{
    const auto invocation = ProgramStarter::resolve(commandLine, workingFolder);
    if (!invocation)
        return {};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(invocation->workingFolder);
    process.start(invocation->program, invocation->arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return {};
    process.closeWriteChannel();
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    return QString::fromLocal8Bit(process.readAll());
}

bool DesktopProcesses::startProgram(const QString& commandLine, const QString& workingFolder)
{
    return ProgramStarter::start(commandLine, workingFolder);
}

bool DesktopProcesses::openInTextEditor(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopProcesses::openWithAssociatedProgram(const QString& pathOrUrl)
{
    return QDesktopServices::openUrl(urlFor(pathOrUrl));
}

} // namespace z3d
