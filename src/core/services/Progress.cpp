#include "core/services/Progress.h"

namespace z3d {

ProgressRun::ProgressRun(Progress* progress, const QString& title, qint64 totalBytes,
                         bool cancellable)
    : m_progress(progress)
{
    if (!m_progress)
        return;
    m_progress->begin(title, totalBytes);
    if (cancellable)
        m_progress->allowCancel();
}

ProgressRun::~ProgressRun()
{
    if (m_progress)
        m_progress->end();
}

void ProgressRun::update(const QString& fileName, qint64 fileBytes)
{
    if (m_progress)
        m_progress->advance(fileName, m_finished + fileBytes);
}

void ProgressRun::count(const QString& text, qint64 done)
{
    if (m_progress)
        m_progress->advanceCount(text, done);
}

void ProgressRun::finishFile(qint64 fileBytes)
{
    m_finished += fileBytes;
}

} // namespace z3d
