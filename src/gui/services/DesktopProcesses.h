#pragma once

#include "core/app/Processes.h"

namespace z3d {

// Processes on the desktop: programs started through the platform's program starter, text
// files and documents handed to the desktop's associated programs.
class DesktopProcesses : public Processes
{
public:
    QString runAndWait(const QString& commandLine, const QString& workingFolder) override;
    bool startProgram(const QString& commandLine, const QString& workingFolder) override;
    bool openInTextEditor(const QString& path) override;
    bool openWithAssociatedProgram(const QString& pathOrUrl) override;
};

} // namespace z3d
