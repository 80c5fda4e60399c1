#pragma once

#include "gui/services/DesktopProcesses.h"

#include "support/RecordingProcesses.h"

namespace z3d::test {

// Records what the launcher opens and starts, but runs the real checker so that the lists
// are filled from real files.
class CheckingProcesses : public RecordingProcesses
{
public:
    explicit CheckingProcesses(Dialogs& dialogs) : m_real(dialogs) {}
    QString runAndWait(const QString& commandLine, const QString& workingFolder) override
    {
        return m_real.runAndWait(commandLine, workingFolder);
    }

private:
    DesktopProcesses m_real;
};

} // namespace z3d::test
