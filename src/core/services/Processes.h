#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace z3d {

// Everything the launcher starts outside itself. The command line is kept whole (it is what
// the launch log and shortcuts record) and split into arguments only when a program starts.
class Processes
{
public:
    virtual ~Processes() = default;

    // Runs a console program hidden, standard output and error on one pipe, and returns all
    // it printed. Empty text when it printed nothing or could not be started.
    virtual QString runAndWait(const QString& commandLine, const QString& workingFolder) = 0;
    // Told how many of the programs have finished, after each one.
    using FinishedCount = std::function<void(qsizetype finished)>;
    // runAndWait for each command line, all in workingFolder; the outputs in the order of
    // commandLines. An implementation may run several at once: the programs must not depend
    // on each other's effects. Failures to start are reported as runAndWait reports them.
    virtual QStringList runAllAndWait(const QStringList& commandLines, const QString& workingFolder,
                                      const FinishedCount& finished = {})
    {
        QStringList outputs;
        for (const QString& commandLine : commandLines) {
            outputs << runAndWait(commandLine, workingFolder);
            if (finished)
                finished(outputs.size());
        }
        return outputs;
    }
    // Starts a program without waiting; false when nothing could be started.
    virtual bool startProgram(const QString& commandLine, const QString& workingFolder) = 0;
    // Shows a text file in the text editor.
    virtual bool openInTextEditor(const QString& path) = 0;
    // Opens a document or address with the program the desktop associates with it. Returns
    // the shell's result code: above 32 means success; 2 when a local file does not exist;
    // 0 when the desktop could not open it (the player has been told).
    virtual int openWithAssociatedProgram(const QString& pathOrUrl) = 0;
};

} // namespace z3d
