#include "support/RecordingProcesses.h"

namespace z3d::test {

QList<RecordingProcesses::Call> RecordingProcesses::callsOf(Kind kind) const
{
    QList<Call> result;
    for (const Call& call : m_calls) {
        if (call.kind == kind)
            result << call;
    }
    return result;
}

QString RecordingProcesses::runAndWait(const QString& commandLine, const QString& workingFolder)
{
    m_calls << Call{Kind::RunAndWait, commandLine, workingFolder};
    return m_outputs.value(commandLine);
}

bool RecordingProcesses::startProgram(const QString& commandLine, const QString& workingFolder)
{
    m_calls << Call{Kind::Start, commandLine, workingFolder};
    return m_startsSucceed;
}

bool RecordingProcesses::openInTextEditor(const QString& path)
{
    m_calls << Call{Kind::TextEditor, path, {}};
    return m_startsSucceed;
}

int RecordingProcesses::openWithAssociatedProgram(const QString& pathOrUrl)
{
    m_calls << Call{Kind::Associated, pathOrUrl, {}};
    return m_startsSucceed ? 33 : 0;
}

} // namespace z3d::test
