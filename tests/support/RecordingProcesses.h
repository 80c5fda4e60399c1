#pragma once

#include "core/services/Processes.h"

#include <QList>
#include <QMap>
#include <QString>

namespace z3d::test {

// A process service that starts nothing: it records each request and answers as scripted.
class RecordingProcesses : public Processes
{
public:
    enum class Kind
    {
        RunAndWait,
        Start,
        TextEditor,
        Associated
    };

    struct Call
    {
        Kind kind;
        QString commandLine; // command line, or the path / address opened
        QString workingFolder;
    };

    // The text a runAndWait of exactly this command line returns (empty when unscripted).
    void setOutput(const QString& commandLine, const QString& output)
    {
        m_outputs.insert(commandLine, output);
    }
    // Whether starts and opens succeed (they do unless told otherwise).
    void setStartsSucceed(bool succeed) { m_startsSucceed = succeed; }

    const QList<Call>& calls() const { return m_calls; }
    QList<Call> callsOf(Kind kind) const;

    QString runAndWait(const QString& commandLine, const QString& workingFolder) override;
    bool startProgram(const QString& commandLine, const QString& workingFolder) override;
    bool openInTextEditor(const QString& path) override;
    // 33 (success) when starts succeed, else 0.
    int openWithAssociatedProgram(const QString& pathOrUrl) override;

private:
    QList<Call> m_calls;
    QMap<QString, QString> m_outputs;
    bool m_startsSucceed = true;
};

} // namespace z3d::test
