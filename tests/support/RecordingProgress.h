#pragma once

#include "core/services/Progress.h"

#include <QList>
#include <QString>

namespace z3d::test {

// A progress that shows nothing and records what it was told.
class RecordingProgress : public Progress
{
public:
    struct Step
    {
        QString fileName;
        qint64 doneBytes;
    };

    void begin(const QString& title, qint64 total) override
    {
        m_titles.append(title);
        m_total = total;
        m_steps.clear();
        m_cancellable = false;
        ++m_open;
    }
    void advance(const QString& fileName, qint64 doneBytes) override
    {
        m_steps.append({fileName, doneBytes});
    }
    // Recorded as a step with the text in place of the file's name.
    void advanceCount(const QString& text, qint64 done) override { m_steps.append({text, done}); }
    void end() override { --m_open; }
    void allowCancel() override { m_cancellable = true; }
    // The player cancels once fileName is being written, when the work allows that.
    bool cancelRequested() const override
    {
        return m_cancellable && !m_cancelOn.isEmpty() && !m_steps.isEmpty() &&
               m_steps.constLast().fileName == m_cancelOn;
    }
    void cancelOn(const QString& fileName) { m_cancelOn = fileName; }

    // The titles of every work begun, in order.
    const QStringList& titles() const { return m_titles; }
    // The total and the steps of the last work begun.
    qint64 total() const { return m_total; }
    const QList<Step>& steps() const { return m_steps; }
    // Works begun and not yet ended.
    int open() const { return m_open; }

    // The files of the last work in the order they were first named.
    QStringList fileNames() const
    {
        QStringList names;
        for (const Step& step : m_steps) {
            if (names.isEmpty() || names.constLast() != step.fileName)
                names.append(step.fileName);
        }
        return names;
    }
    // The done counts of the last work never went back.
    bool neverWentBack() const
    {
        for (qsizetype i = 1; i < m_steps.size(); ++i) {
            if (m_steps.at(i).doneBytes < m_steps.at(i - 1).doneBytes)
                return false;
        }
        return true;
    }

private:
    QStringList m_titles;
    qint64 m_total = 0;
    QList<Step> m_steps;
    int m_open = 0;
    bool m_cancellable = false;
    QString m_cancelOn;
};

} // namespace z3d::test
