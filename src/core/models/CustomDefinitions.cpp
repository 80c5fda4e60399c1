#include "core/models/CustomDefinitions.h"

#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

#include <QFileInfo>

namespace z3d {

namespace {

const QString kFileName = QStringLiteral("custom.z3d");

QString customFile(const InstallPaths& paths)
{
    return PathResolver::resolveUnder(paths.launcherDataDir, kFileName);
}

bool carries(const QList<DefinitionEntry>& entries, const QString& name)
{
    for (const DefinitionEntry& entry : entries) {
        if (entry.text.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QList<DefinitionEntry> CustomDefinitions::load(const InstallPaths& paths)
{
    QList<DefinitionEntry> entries;
    const TextFileLines read = TextFile::readLines(customFile(paths), kMaxLines);
    for (const QString& line : read.lines) {
        const QString name = line.left(line.size() - 2);
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
            continue;
        if (!PathResolver::fileExists(
                PathResolver::resolveUnder(paths.customDefsDir, name + QLatin1String(".ded"))))
            continue;
        entries << DefinitionEntry{name, line.endsWith(QLatin1Char('1'))};
    }
    return entries;
}

ErrorNumber CustomDefinitions::save(const InstallPaths& paths,
                                    const QList<DefinitionEntry>& entries)
{
    QStringList lines;
    for (const DefinitionEntry& entry : entries)
        lines << entry.text + (entry.selected ? QLatin1String(",1") : QLatin1String(",0"));
    return TextFile::writeLines(customFile(paths), lines);
}

QList<DefinitionEntry> CustomDefinitions::importDropped(const InstallPaths& paths,
                                                        const QList<DefinitionEntry>& entries)
{
    const QString drop = PathResolver::resolveUnder(paths.launcherDir, QStringLiteral("Create"));
    if (!PathResolver::folderExists(drop))
        return {};
    QStringList files = PathResolver::fileNames(drop);
    files.sort(Qt::CaseInsensitive);
    QList<DefinitionEntry> added;
    for (const QString& file : files) {
        const QString name = QFileInfo(file).completeBaseName();
        if (name.isEmpty() || carries(entries, name) || carries(added, name))
            continue;
        added << DefinitionEntry{name, false};
    }
    // Whatever cannot be deleted is offered again next time; the names already in the list
    // are not added twice.
    FileOperations::deleteFolderTree(drop);
    return added;
}

QList<DefinitionEntry> CustomDefinitions::stillPresent(const InstallPaths& paths,
                                                       const QList<DefinitionEntry>& entries)
{
    QList<DefinitionEntry> present;
    for (const DefinitionEntry& entry : entries) {
        const bool ownPath = entry.text.endsWith(QLatin1String(".ded"), Qt::CaseInsensitive);
        const QString file =
            ownPath ? entry.text
                    : PathResolver::join(paths.customDefsDir, entry.text + QLatin1String(".ded"));
        if (PathResolver::fileExists(file))
            present << entry;
    }
    return present;
}

CustomDefinitions::AddOutcome CustomDefinitions::entryForChosenFile(const QString& chosenFile,
                                                                    const QString& customDefsDir)
{
    AddOutcome outcome;
    const QString name = PathResolver::lastComponent(chosenFile);
    for (const char* orrin : {"orrinpack.wad", "Fullpack.ded", "Alternative.ded"}) {
        if (name.compare(QLatin1String(orrin), Qt::CaseInsensitive) == 0) {
            outcome.configurationWarning = true;
            return outcome;
        }
    }
    const bool inCustom =
        PathResolver::samePath(PathResolver::parentFolder(chosenFile), customDefsDir);
    outcome.entry = inCustom ? QFileInfo(name).completeBaseName() : chosenFile;
    return outcome;
}

} // namespace z3d
