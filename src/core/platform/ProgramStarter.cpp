#include "core/platform/ProgramStarter.h"

#include "core/platform/CommandLine.h"
#include "core/platform/PathResolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace z3d {

namespace {

bool isRunnableNative(const QString& path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false; // Windows runs nothing without an executable extension
#else
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
#endif
}

QString absoluteIn(const QString& program, const QString& workingFolder)
{
    const QString p = PathResolver::normalizeSeparators(program);
    if (QDir::isAbsolutePath(p) || workingFolder.isEmpty())
        return p;
    return PathResolver::join(workingFolder, p);
}

} // namespace

QString ProgramStarter::findProgram(const QString& program, const QString& workingFolder)
{
    if (program.trimmed().isEmpty())
        return {};
    const QString path = absoluteIn(program, workingFolder);
    const bool hasExe = path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive);
    const QString stem = hasExe ? path.chopped(4) : path;

    const QString native = PathResolver::resolve(stem);
    if (isRunnableNative(native))
        return native;
    const QString exe = PathResolver::resolve(stem + QStringLiteral(".exe"));
    if (QFileInfo(exe).isFile())
        return exe;
    if (!hasExe && QFileInfo(native).isFile())
        return native; // a named file that is not executable: let wine or the system judge
    // A bare name is looked for on PATH, as the system's process start does.
    if (!program.contains(u'/') && !program.contains(u'\\')) {
        const QString onPath = QStandardPaths::findExecutable(hasExe ? program : stem);
        if (!onPath.isEmpty())
            return onPath;
        if (hasExe)
            return QStandardPaths::findExecutable(program.chopped(4));
    }
    return {};
}

bool ProgramStarter::isWindowsExecutable(const QString& path)
{
    QFile file(PathResolver::resolve(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(2) == "MZ";
}

std::optional<ProgramInvocation> ProgramStarter::invocationFor(const QString& programFile,
                                                               const QStringList& arguments,
                                                               const QString& workingFolder)
{
    const QString folder =
        workingFolder.isEmpty() ? QDir::currentPath() : PathResolver::resolve(workingFolder);
#ifndef Q_OS_WIN
    if (isWindowsExecutable(programFile)) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty())
            return std::nullopt;
        return ProgramInvocation{wine, QStringList{programFile} + arguments, folder};
    }
#endif
    return ProgramInvocation{programFile, arguments, folder};
}

std::optional<ProgramInvocation> ProgramStarter::resolve(const QString& commandLine,
                                                         const QString& workingFolder)
{
    const CommandLine::Parts parts = CommandLine::splitProgram(commandLine);
    QString program = findProgram(parts.program, workingFolder);
    QString arguments = parts.arguments;
    if (program.isEmpty() && !parts.programQuoted) {
        // An unquoted path with blanks: take more words until they name a program.
        const QString text = commandLine.trimmed();
        qsizetype blank = text.indexOf(u' ');
        while (program.isEmpty() && blank >= 0) {
            blank = text.indexOf(u' ', blank + 1);
            const QString candidate = blank < 0 ? text : text.left(blank);
            program = findProgram(candidate, workingFolder);
            if (!program.isEmpty())
                arguments = blank < 0 ? QString() : text.mid(blank + 1);
        }
    }
    if (program.isEmpty())
        return std::nullopt;
    return invocationFor(program, CommandLine::splitArguments(arguments), workingFolder);
}

bool ProgramStarter::start(const QString& commandLine, const QString& workingFolder)
{
    const std::optional<ProgramInvocation> run = resolve(commandLine, workingFolder);
    if (!run)
        return false;
    return QProcess::startDetached(run->program, run->arguments, run->workingFolder);
}

bool ProgramStarter::start(const QString& program, const QStringList& arguments,
                           const QString& workingFolder)
{
    const QString file = findProgram(program, workingFolder);
    if (file.isEmpty())
        return false;
    const std::optional<ProgramInvocation> run = invocationFor(file, arguments, workingFolder);
    if (!run)
        return false;
    return QProcess::startDetached(run->program, run->arguments, run->workingFolder);
}

} // namespace z3d
