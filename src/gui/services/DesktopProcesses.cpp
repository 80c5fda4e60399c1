#include "gui/services/DesktopProcesses.h"

#include "core/platform/PathResolver.h"
#include "core/platform/ProgramStarter.h"
#include "core/services/Dialogs.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QProcess>

#include <cerrno>
#include <cstring>

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

QString DesktopProcesses::runAndWait(const QString& commandLine, const QString& workingFolder)
{
    const std::optional<ProgramInvocation> invocation =
        ProgramStarter::resolve(commandLine, workingFolder);
    if (!invocation) {
        reportFailure(QStringLiteral("CreateProcess failed. Error: "), kFileNotFound);
        return {};
    }

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setWorkingDirectory(invocation->workingFolder);
    process.start(invocation->program, invocation->arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        const int error = systemErrorNumber(process.errorString());
        reportFailure(isPipeFailure(error) ? QStringLiteral("CreatePipe failed. Error: ")
                                           : QStringLiteral("CreateProcess failed. Error: "),
                      error);
        return {};
    }

    QByteArray bytes;
    const auto drain = [&process, &bytes] {
        while (process.bytesAvailable() > 0) {
            const QByteArray piece = process.read(kReadPieceBytes);
            if (piece.isEmpty())
                break;
            bytes += piece;
        }
    };
    const QDeadlineTimer deadline(m_runTimeoutMs);
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
