#pragma once

#include <QString>

namespace z3d {

// How far a long piece of work (an extraction, an install, a copy, a check of many files) has
// got. The window layer shows it once the work has lasted a moment; the work never waits for
// it. Only work that allows it can be stopped through it, and then only between its steps.
class Progress
{
public:
    virtual ~Progress() = default;

    // Work of total bytes (or items, for work that counts) begins; title names it.
    virtual void begin(const QString& title, qint64 total) = 0;
    // fileName is being written, and doneBytes of the total are finished.
    virtual void advance(const QString& fileName, qint64 doneBytes) = 0;
    // For work that counts items: text tells how far it has got, and done items of the total
    // are finished.
    virtual void advanceCount(const QString& text, qint64 done) = 0;
    // The work is over, finished or failed.
    virtual void end() = 0;
    // The work begun last may be stopped: the player can ask for that (and the launcher does,
    // when the system asks it to end).
    virtual void allowCancel() {}
    // Whether the work under way was asked to stop; never for work that did not allow it.
    virtual bool cancelRequested() const { return false; }
};

// One piece of work reported on a Progress that may be absent: begun when made, ended when
// destroyed, whichever way the work leaves. It adds up the files: each file reports its own
// bytes, and the total counts the files finished before it.
class ProgressRun
{
public:
    ProgressRun(Progress* progress, const QString& title, qint64 totalBytes,
                bool cancellable = false);
    ~ProgressRun();
    ProgressRun(const ProgressRun&) = delete;
    ProgressRun& operator=(const ProgressRun&) = delete;

    // fileName has fileBytes written so far.
    void update(const QString& fileName, qint64 fileBytes);
    // The current file is finished with fileBytes; the next one counts on from there.
    void finishFile(qint64 fileBytes);
    // For work that counts items: done of them are finished, as text says.
    void count(const QString& text, qint64 done);
    // The work, made cancellable, was asked to stop: it ends at its next step.
    bool cancelled() const { return m_progress && m_progress->cancelRequested(); }

private:
    Progress* m_progress;
    qint64 m_finished = 0;
};

} // namespace z3d
