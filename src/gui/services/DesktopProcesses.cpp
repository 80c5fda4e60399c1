#include "gui/services/DesktopProcesses.h"

#include "core/platform/PathResolver.h"
#include "core/platform/ProgramStarter.h"
#include "core/services/Dialogs.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>

namespace z3d {

namespace {

// The system's "file not found", the same number on Windows and POSIX systems.
constexpr int kFileNotFound = 2;
// The shell's result for a document it opened (any value above 32 means success).
constexpr int kShellSuccess = 33;

// QProcess reports a failed start as text ending in the system's message for the error;
// the number is recovered by matching that message. 0 when it matches none.
int systemErrorNumber(const QString& message)
{
    for (int number = 1; number < 256; ++number) {
        const QString text = QString::fromLocal8Bit(std::strerror(number));
        if (!text.isEmpty() && message.endsWith(text, Qt::CaseInsensitive))
            return number;
    }
    return 0;
}

// Running out of descriptors is what makes the pipe fail before any process is made.
bool isPipeFailure(int errorNumber)
{
    return errorNumber == EMFILE || errorNumber == ENFILE;
}

QUrl urlFor(const QString& pathOrUrl)
{
    const QUrl url(pathOrUrl);
    // A one-letter scheme is a drive ("C:/Games"), not an address.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(PathResolver::resolve(pathOrUrl));
}

} // namespace

DesktopProcesses::DesktopProcesses(Dialogs& dialogs, int runTimeoutMs)
    : m_dialogs(dialogs), m_runTimeoutMs(runTimeoutMs),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
}

void DesktopProcesses::reportFailure(const QString& what, int errorNumber)
{
    m_dialogs.messageBox(what + QString::number(errorNumber), MsgButtonsOk, QString());
}

std::unique_ptr<QProcess> DesktopProcesses::startChild(const QString& commandLine,
                                                       const QString& workingFolder)
{
    const std::optional<ProgramInvocation> invocation =
        ProgramStarter::resolve(commandLine, workingFolder);
    if (!invocation) {
        reportFailure(QStringLiteral("CreateProcess failed. Error: "), kFileNotFound);
        return nullptr;
    }

    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setWorkingDirectory(invocation->workingFolder);
    process->start(invocation->program, invocation->arguments, QIODevice::ReadOnly);
    if (!process->waitForStarted(-1)) {
        const int error = systemErrorNumber(process->errorString());
        reportFailure(isPipeFailure(error) ? QStringLiteral("CreatePipe failed. Error: ")
                                           : QStringLiteral("CreateProcess failed. Error: "),
                      error);
        return nullptr;
    }
    return process;
}

QString DesktopProcesses::collectOutput(QProcess& process, const QDeadlineTimer& deadline)
{
    QByteArray bytes;
    const auto drain = [&process, &bytes] {
        while (process.bytesAvailable() > 0) {
            const QByteArray piece = process.read(kReadPieceBytes);
            if (piece.isEmpty())
                break;
            bytes += piece;
        }
    };
    while (true) {
        drain();
        if (process.state() == QProcess::NotRunning)
            break;
        if (deadline.hasExpired()) {
            process.kill();
            process.waitForFinished(-1);
            break;
        }
        // Returns on new output, at the program's end (its remaining output is then kept) or
        // at the deadline.
        process.waitForReadyRead(int(qMax(qint64(1), deadline.remainingTime())));
    }
    drain();
    // Whole bytes are converted at once so a character split between pieces stays whole.
    return QString::fromLocal8Bit(bytes);
}

void DesktopProcesses::stopWaiting()
{
    m_stopped = true;
}

QString DesktopProcesses::runAndWait(const QString& commandLine, const QString& workingFolder)
{
    if (m_stopped)
        return {};
    const std::unique_ptr<QProcess> process = startChild(commandLine, workingFolder);
    return process ? collectOutput(*process, QDeadlineTimer(m_runTimeoutMs)) : QString();
}

QStringList DesktopProcesses::runAllAndWait(const QStringList& commandLines,
                                            const QString& workingFolder,
                                            const FinishedCount& finished)
{
    struct Child
    {
        qsizetype index;
        std::unique_ptr<QProcess> process;
        QDeadlineTimer deadline;
    };
    const qsizetype width = std::max(1, QThread::idealThreadCount());
    QStringList outputs(commandLines.size());
    std::deque<Child> running;
    qsizetype next = 0;
    qsizetype done = 0;
    while ((next < commandLines.size() || !running.empty()) && !m_stopped) {
        while (next < commandLines.size() && qsizetype(running.size()) < width && !m_stopped) {
            std::unique_ptr<QProcess> process = startChild(commandLines.at(next), workingFolder);
            if (process)
                running.push_back({next, std::move(process), QDeadlineTimer(m_runTimeoutMs)});
            else if (finished)
                finished(++done);
            ++next;
        }
        if (running.empty())
            continue;
        // The oldest child is read to its end; the others keep running meanwhile, and their
        // output waits in their pipes (a full pipe only pauses the child).
        Child& oldest = running.front();
        outputs[oldest.index] = collectOutput(*oldest.process, oldest.deadline);
        running.pop_front();
        if (finished)
            finished(++done);
    }
    for (Child& child : running) {
        child.process->kill();
        child.process->waitForFinished(-1);
    }
    return outputs;
}

bool DesktopProcesses::startProgram(const QString& commandLine, const QString& workingFolder)
{
    return ProgramStarter::start(commandLine, workingFolder);
}

bool DesktopProcesses::openInTextEditor(const QString& path)
{
    return m_openUrl(QUrl::fromLocalFile(PathResolver::resolve(path)));
}

int DesktopProcesses::openWithAssociatedProgram(const QString& pathOrUrl)
{
    const QUrl url = urlFor(pathOrUrl);
    if (url.isLocalFile() && !PathResolver::exists(url.toLocalFile()))
        return kFileNotFound;
    if (m_openUrl(url))
        return kShellSuccess;
    m_dialogs.messageBox(QStringLiteral("Unable to find associated file.   "), MsgIconCritical,
                         QStringLiteral(" Shell error"));
    return 0;
}

} // namespace z3d
