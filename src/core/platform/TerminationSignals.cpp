#include "core/platform/TerminationSignals.h"

#include <QSocketNotifier>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace z3d {

#if defined(Q_OS_UNIX)

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// [0] is written by the handler, [1] read by the notifier. Never closed: a late signal after
// the object is gone must still find a valid descriptor (its byte is then simply not read).
int g_pipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    // A full buffer loses nothing that matters: one pending request ends the launcher.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
    errno = savedErrno;
}

bool openPipe()
{
    if (g_pipe[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
        return false;
    for (const int fd : g_pipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls resume: the rest of the program never sees EINTR from these.
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (!openPipe())
        return;
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
    setHandler(onTerminationSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (m_notifier)
        setHandler(SIG_DFL);
}

void TerminationSignals::readPending()
{
    char bytes[16];
    const ssize_t count = ::read(g_pipe[1], bytes, sizeof bytes);
    for (ssize_t i = 0; i < count; ++i)
        emit terminationRequested(static_cast<unsigned char>(bytes[i]));
}

#else

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::readPending() {}

#endif

} // namespace z3d
