#include "core/inspect/CheckerTool.h"

#include "core/inspect/CheckerOutput.h"
#include "core/inspect/KnownPwadList.h"
#include "core/platform/CommandLine.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/ItemReader.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"
#include "core/services/Processes.h"
#include "core/services/Progress.h"

namespace z3d {

namespace {

// The path between double quotes with nothing after the closing quote. A path holding a
// double quote, or ending in backslashes (which would escape the closing quote), is escaped
// by the argument rules so that the tool still receives it whole.
QString quotedPath(const QString& path)
{
    if (path.contains(u'"'))
        return CommandLine::quote(path); // always quoted: it holds a double quote
    qsizetype trailing = 0;
    while (trailing < path.size() && path.at(path.size() - 1 - trailing) == u'\\')
        ++trailing;
    return u'"' + path + QString(trailing, u'\\') + u'"';
}

} // namespace

bool WadMapList::hasMaps() const
{
    return CheckerOutput::hasMaps(wadCheckList);
}

const QString CheckerTool::kCheckingTitle = QStringLiteral(" Checking");

CheckerTool::CheckerTool(const InstallPaths& paths, Processes& processes, Progress* progress)
    : m_paths(paths), m_processes(processes), m_progress(progress)
{
}

QString CheckerTool::checkingText(qsizetype done, qsizetype total)
{
    return QStringLiteral("Checking file %1 of %2").arg(done).arg(total);
}

QString CheckerTool::commandLine(const QString& command, const QString& path)
{
    return QStringLiteral("Z3Dgfiles ") + command + u' ' + quotedPath(path);
}

QString CheckerTool::outputFilePath() const
{
    return PathResolver::resolveUnder(m_paths.launcherDataDir,
                                      QString::fromLatin1(kOutputFileName));
}

QString CheckerTool::binFolder() const
{
    return PathResolver::resolveUnder(m_paths.installRoot, QStringLiteral("Bin"));
}

std::optional<QString> CheckerTool::keptAnswer(const QString& resolvedPath,
                                               const std::optional<FileStamp>& stamp) const
{
    const auto kept = m_checkwadOutputs.constFind(resolvedPath);
    if (!stamp || kept == m_checkwadOutputs.cend() || *stamp != kept->stamp)
        return std::nullopt;
    return kept->output;
}

void CheckerTool::keepAnswer(const QString& resolvedPath, const std::optional<FileStamp>& stamp,
                             const QString& output)
{
    if (stamp && !output.isEmpty())
        m_checkwadOutputs.insert(resolvedPath, {*stamp, output});
}

QString CheckerTool::run(const QString& command, const QString& path)
{
    const QString resolved = PathResolver::resolve(path);
    if (command != u"CHECKWAD")
        return m_lastOutput = m_processes.runAndWait(commandLine(command, resolved), binFolder());
    // The stamp before the run: a file changed while it is checked is checked again.
    const std::optional<FileStamp> stamp = FileStamp::of(resolved);
    if (const std::optional<QString> kept = keptAnswer(resolved, stamp))
        return m_lastOutput = *kept;
    m_lastOutput = m_processes.runAndWait(commandLine(command, resolved), binFolder());
    keepAnswer(resolved, stamp, m_lastOutput);
    return m_lastOutput;
}

QList<int> CheckerTool::checkWadMapCounts(const QStringList& wadPaths)
{
    QStringList outputs;
    QStringList commandLines;
    QList<qsizetype> toRun;
    QList<std::optional<FileStamp>> stamps;
    QStringList resolvedPaths;
    for (const QString& wad : wadPaths) {
        const QString resolved = PathResolver::resolve(wad);
        resolvedPaths << resolved;
        stamps << FileStamp::of(resolved);
        const std::optional<QString> kept = keptAnswer(resolved, stamps.last());
        outputs << kept.value_or(QString());
        if (!kept) {
            toRun << outputs.size() - 1;
            commandLines << commandLine(QStringLiteral("CHECKWAD"), resolved);
        }
    }
    const qsizetype total = commandLines.size();
    ProgressRun progress(total >= kCountedChecks ? m_progress : nullptr, kCheckingTitle, total);
    const QStringList fresh =
        m_processes.runAllAndWait(commandLines, binFolder(), [&progress, total](qsizetype done) {
            progress.count(checkingText(done, total), done);
        });
    for (qsizetype i = 0; i < toRun.size() && i < fresh.size(); ++i) {
        const qsizetype at = toRun.at(i);
        outputs[at] = fresh.at(i);
        keepAnswer(resolvedPaths.at(at), stamps.at(at), fresh.at(i));
    }

    QList<int> codes;
    for (const QString& output : std::as_const(outputs))
        codes << CheckerOutput::mapCountCode(output);
    if (!outputs.isEmpty()) {
        m_lastOutput = outputs.last();
        keepOutput(m_lastOutput);
    }
    return codes;
}

bool CheckerTool::keepOutput(const QString& output)
{
    // The file is the tool's answer for the selection, often the same as the last one.
    return TextFile::writeLinesUnlessSame(outputFilePath(), {output}) == ErrorNumber::None;
}

QStringList CheckerTool::readBack(const QString& output, bool kept) const
{
    if (kept) {
        ErrorNumber error = ErrorNumber::None;
        const QStringList items = ItemReader::readItems(outputFilePath(), &error);
        if (error == ErrorNumber::None)
            return items;
    }
    QStringList items;
    for (const QString& line : TextFile::splitLines(TextFile::encodeLines({output})))
        items += ItemReader::splitItems(line);
    return items;
}

int CheckerTool::checkWadMapCount(const QString& wadPath)
{
    const QString output = run(QStringLiteral("CHECKWAD"), wadPath);
    keepOutput(output);
    return CheckerOutput::mapCountCode(output);
}

WadMapList CheckerTool::loadWadMapList(const QString& wadPath)
{
    WadMapList result;
    result.output = run(QStringLiteral("CHECKWAD"), wadPath);
    result.outputEmpty = result.output.isEmpty();
    if (result.outputEmpty)
        return result;
    result.wadCheckList = readBack(result.output, keepOutput(result.output));
    result.mapNames = CheckerOutput::mapNames(result.wadCheckList);
    result.mapTitles = CheckerOutput::mapTitles(result.wadCheckList);
    return result;
}

SaveHeaderList CheckerTool::loadSaveHeaders(const QString& saveFolder)
{
    SaveHeaderList result;
    result.output = run(QStringLiteral("GETSAVEHDRS"), saveFolder);
    if (result.output.isEmpty())
        return result;
    const bool kept = keepOutput(result.output);
    result.entries = CheckerOutput::saveEntries(readBack(result.output, kept));
    return result;
}

int CheckerTool::lookUpKnownPwad(const QString& gameFilePath)
{
    m_lastOutput.clear();
    return KnownPwadList::lookUp(m_paths.launcherDataDir, gameFilePath);
}

} // namespace z3d
