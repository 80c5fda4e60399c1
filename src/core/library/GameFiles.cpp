#include "core/library/GameFiles.h"

#include "core/library/NameOrder.h"
#include "core/library/SideFileTidy.h"
#include "core/platform/PathResolver.h"

#include <QSet>

#include <array>

namespace z3d {

namespace {

// The commercial game files and the model pack's wad: loaded by other means, never listed.
constexpr std::array<const char*, 6> kNeverListed{"Doom2.wad", "Doom.wad", "Plutonia.wad",
                                                  "Doom1.wad", "Tnt.wad",  "orrinpack.wad"};
// The scripted maps' script, definition and sound files (no extension).
constexpr std::array<const char*, 3> kAlwaysListed{"scp_zoff", "scp_defn", "sndinfo"};
// Compared with a name's last four characters.
constexpr std::array<const char*, 8> kCompanionEndings{".txt", ".htm", "html", ".doc",
                                                       ".deh", ".bex", ".ded", ".lmp"};

template <std::size_t N>
bool equalsOneOf(const QString& name, const std::array<const char*, N>& names)
{
    for (const char* candidate : names) {
        if (name.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

bool GameFiles::isGameFile(const QString& fileName, bool wadFilesOnly)
{
    if (equalsOneOf(fileName, kNeverListed))
        return false;
    if (equalsOneOf(fileName, kAlwaysListed))
        return true;
    if (fileName.endsWith(QLatin1String(".wad"), Qt::CaseInsensitive))
        return true;
    if (wadFilesOnly)
        return false;
    for (const char* ending : kCompanionEndings) {
        if (fileName.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

GameFileList GameFiles::listGameFiles(const QString& folder, bool wadFilesOnly)
{
    const QString resolved = PathResolver::resolve(folder);
    QSet<QString> accepted;
    for (const QString& name : PathResolver::fileNames(resolved)) {
        const SideFileTidy::Result tidied = SideFileTidy::tidy(PathResolver::join(resolved, name));
        QString listed = name;
        if (tidied.outcome == SideFileTidy::Outcome::Restored)
            listed = PathResolver::lastComponent(tidied.restoredWad);
        else if (tidied.outcome != SideFileTidy::Outcome::NotSideFile)
            continue;
        if (isGameFile(listed, wadFilesOnly))
            accepted.insert(listed);
    }
    GameFileList list;
    list.names = QStringList(accepted.cbegin(), accepted.cend());
    sortNames(list.names);
    return list;
}

QStringList GameFiles::listFolderFiles(const QString& folder)
{
    QStringList names = PathResolver::fileNames(folder);
    sortNames(names);
    return names;
}

QString GameFiles::leafName(const QString& path)
{
    return PathResolver::lastComponent(path);
}

} // namespace z3d
