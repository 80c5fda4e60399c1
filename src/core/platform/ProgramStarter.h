#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// What starting a command line would run.
struct ProgramInvocation
{
    QString program;       // the executable actually started (wine for a Windows program)
    QStringList arguments; // with the Windows program's path first when run through wine
    QString workingFolder;
};

// Starts programs by command line without waiting. The program part is taken relative to the
// working folder and resolved without regard to case; a native executable of that name
// without ".exe" is preferred, else the ".exe" (a program written with ".exe" is also
// satisfied by the native one). Away from Windows, a Windows executable (a file starting with
// "MZ") runs through wine found on PATH; without wine nothing starts.
//
// An unquoted program part containing blanks is tried as the shortest run of blank-separated
// words that names a program, as the Windows process start does, so "C:/Program Files/x.exe a"
// still finds the program.
class ProgramStarter
{
public:
    // What start() would run, or nothing when no program can be found or run.
    static std::optional<ProgramInvocation> resolve(const QString& commandLine,
                                                    const QString& workingFolder);
    // Starts commandLine detached in workingFolder; false when nothing was started.
    static bool start(const QString& commandLine, const QString& workingFolder);
    // Starts a program given as a path with ready-split arguments.
    static bool start(const QString& program, const QStringList& arguments,
                      const QString& workingFolder);
    // The file a program path names (relative to workingFolder): the native executable without
    // ".exe" when there is one, else the ".exe"; empty when neither exists.
    static QString findProgram(const QString& program, const QString& workingFolder);
    // The file starts with "MZ".
    static bool isWindowsExecutable(const QString& path);
    // The invocation for an existing program file: through wine away from Windows when it is a
    // Windows executable; nothing when that needs wine and there is none on PATH.
    static std::optional<ProgramInvocation> invocationFor(const QString& programFile,
                                                          const QStringList& arguments,
                                                          const QString& workingFolder);
};

} // namespace z3d
