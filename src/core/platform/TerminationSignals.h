#pragma once

#include <QObject>

class QSocketNotifier;

namespace z3d {

// Turns the requests to end the process that the system sends (SIGTERM at a logout or
// shutdown, SIGHUP when the terminal goes away, SIGINT for Ctrl+C) into a Qt signal delivered
// by the event loop, so the launcher can end as if its window were closed.
//
// The signal handler only writes the signal number into a socket pair (the self-pipe); the
// notifier reads it in the event loop, where any work is safe. One object per process: a
// second one takes the handlers over. While it lives, the three signals no longer end the
// process by themselves; its destructor restores their default action. Requests that arrive
// while no event loop runs are delivered when one runs again. On a system without these
// signals the object does nothing.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // Whether the handlers were installed.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    // signalNumber is the system's number of the request (SIGTERM, SIGHUP or SIGINT).
    void terminationRequested(int signalNumber);

private:
    void readPending();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace z3d
