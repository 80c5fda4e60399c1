#include "core/library/ZipLibraryList.h"

#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"

namespace z3d {

namespace {

const QLatin1String kZipEnding(".zip");

} // namespace

GamesListEntries ZipLibraryList::list(const QString& folder, bool customFontInUse)
{
    GamesListEntries entries;
    if (folder.isEmpty())
        return entries;
    // Only the library folder itself is created, never a path of missing parents.
    if (!PathResolver::folderExists(folder) &&
        FileOperations::createFolder(folder) != ErrorNumber::None)
        return entries;
    for (const QString& file : PathResolver::fileNames(folder)) {
        if (!file.endsWith(kZipEnding, Qt::CaseInsensitive))
            continue;
        const QString name = file.chopped(kZipEnding.size());
        if (name.isEmpty())
            continue;
        entries.append({displayText(name, customFontInUse), name, GameKind::ZipArchive});
    }
    sortByDisplay(entries);
    return entries;
}

QString ZipLibraryList::displayText(const QString& baseName, bool customFontInUse)
{
    if (!customFontInUse)
        return baseName.toUpper();
    if (baseName.isEmpty())
        return baseName;
    // The first letter may be a surrogate pair outside the basic plane.
    const qsizetype first = baseName.at(0).isHighSurrogate() && baseName.size() > 1 ? 2 : 1;
    return baseName.left(first).toUpper() + baseName.mid(first);
}

} // namespace z3d
