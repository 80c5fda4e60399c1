#pragma once

#include "core/services/Processes.h"

#include <QUrl>

#include <functional>
#include <memory>

class QDeadlineTimer;
class QProcess;

namespace z3d {

class Dialogs;

// Processes on the desktop: programs started through the platform's program starter (the
// program part resolved without regard to case, Windows programs through wine), text files
// and documents handed to the desktop's associated programs.
//
// runAndWait reads the child's standard output and error from one channel, in pieces of at
// most 256 bytes, until the child has ended and its output is drained, and converts the bytes
// from the local 8-bit encoding. (A child that closes its output and lives on is waited for
// until it ends or the time-out; one that ends while a program it started still holds the
// output is not waited for beyond its own end.) A child still running after the time-out is killed
// and what it printed so far is the result, so a hung tool cannot freeze the launcher for good.
// Failures to start are reported through the dialog service as the platform reports them:
// "CreatePipe failed. Error: " or "CreateProcess failed. Error: " and the system error number.
// runAllAndWait keeps as many children running at once as the machine has cores, each with
// its own time-out, and reports failures to start in the order of the command lines. Its
// finished count may let the windows run (a progress window), so the launcher can be asked
// to end meanwhile: then stopWaiting() ends the wait.
class DesktopProcesses : public Processes
{
public:
    static constexpr int kDefaultRunTimeoutMs = 60'000;
    static constexpr int kReadPieceBytes = 256;

    // Opens an address with the desktop; false when nothing could open it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit DesktopProcesses(Dialogs& dialogs, int runTimeoutMs = kDefaultRunTimeoutMs);

    // The launcher is ending (asked to by the system while it waited for programs): the
    // programs waited for are ended, and from now on nothing more is run and every wait
    // returns at once with no output.
    void stopWaiting();

    // Replaces QDesktopServices::openUrl (tests make the desktop refuse).
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    QString runAndWait(const QString& commandLine, const QString& workingFolder) override;
    QStringList runAllAndWait(const QStringList& commandLines, const QString& workingFolder,
                              const FinishedCount& finished = {}) override;
    bool startProgram(const QString& commandLine, const QString& workingFolder) override;
    bool openInTextEditor(const QString& path) override;
    // 33 when the desktop took the document; 2 for a local file that does not exist; 0 after
    // " Shell error" when the desktop could not open it.
    int openWithAssociatedProgram(const QString& pathOrUrl) override;

private:
    void reportFailure(const QString& what, int errorNumber);
    // The started child, or null after its failure was reported.
    std::unique_ptr<QProcess> startChild(const QString& commandLine, const QString& workingFolder);
    // Reads the child's output until it ends or its deadline passes (then it is killed).
    static QString collectOutput(QProcess& process, const QDeadlineTimer& deadline);

    Dialogs& m_dialogs;
    int m_runTimeoutMs;
    UrlOpener m_openUrl;
    bool m_stopped = false;
};

} // namespace z3d
