#include "core/inspect/CheckerTool.h"

#include "core/inspect/CheckerOutput.h"
#include "core/inspect/KnownPwadList.h"
#include "core/platform/CommandLine.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/ItemReader.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"
#include "core/services/Processes.h"

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

CheckerTool::CheckerTool(const InstallPaths& paths, Processes& processes)
    : m_paths(paths), m_processes(processes)
{
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

QString CheckerTool::run(const QString& command, const QString& path)
{
    const QString bin = PathResolver::resolveUnder(m_paths.installRoot, QStringLiteral("Bin"));
    m_lastOutput = m_processes.runAndWait(commandLine(command, PathResolver::resolve(path)), bin);
    return m_lastOutput;
}

bool CheckerTool::keepOutput(const QString& output)
{
    return TextFile::writeLines(outputFilePath(), {output}) == ErrorNumber::None;
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
