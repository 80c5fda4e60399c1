#include "core/platform/StaleTemporaries.h"

#include "core/platform/InstallPaths.h"
#include "core/platform/NativePath.h"
#include "core/platform/PathResolver.h"

#include <QRegularExpression>

#include <filesystem>

namespace z3d {

namespace fs = std::filesystem;

namespace {

constexpr qsizetype kRandomPart = 6;
const QString kReplacementPrefix = QStringLiteral(".z3dsave-");
const QString kZipMemberPrefix = QStringLiteral(".z3dzip-");
const QString kRandomTemplate = QStringLiteral("XXXXXX");

bool isRandomPart(QStringView text)
{
    if (text.size() != kRandomPart)
        return false;
    for (const QChar c : text) {
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
    }
    return true;
}

bool hasRandomPartAfter(const QString& fileName, const QString& prefix)
{
    return fileName.startsWith(prefix) && isRandomPart(QStringView(fileName).mid(prefix.size()));
}

QString fromNative(const fs::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// Every folder under folder, links to folders not followed, into folders.
void collectFoldersUnder(const fs::path& folder, std::vector<fs::path>& folders)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (!it->is_symlink(ignored) && it->is_directory(ignored)) {
            folders.push_back(it->path());
            collectFoldersUnder(it->path(), folders);
        }
    }
}

// The files folders of the game folders under gamesDir, Pwads and Gwads, where installs and
// conversions write. Asked for by their usual spelling first, so that a large library is not
// listed game by game; a game folder with neither is listed for another spelling.
void collectFilesFolders(const fs::path& gamesDir, std::vector<fs::path>& folders,
                         const std::stop_token& stop)
{
    static const char* const kSpellings[] = {"Pwads", "Gwads"};
    std::error_code error;
    for (fs::directory_iterator game(gamesDir, error), end;
         !error && game != end && !stop.stop_requested(); game.increment(error)) {
        std::error_code ignored;
        if (!game->is_directory(ignored))
            continue;
        bool found = false;
        for (const char* spelling : kSpellings) {
            const fs::path folder = game->path() / spelling;
            if (fs::is_directory(folder, ignored)) {
                folders.push_back(folder);
                found = true;
            }
        }
        if (found)
            continue;
        for (fs::directory_iterator it(game->path(), ignored); !ignored && it != end;
             it.increment(ignored)) {
            const QString name = fromNative(it->path().filename());
            std::error_code notFolder;
            for (const char* spelling : kSpellings) {
                if (name.compare(QLatin1String(spelling), Qt::CaseInsensitive) == 0 &&
                    it->is_directory(notFolder))
                    folders.push_back(it->path());
            }
        }
    }
}

// A folder name the write-permission probe gives its folder.
bool isProbeFolderName(const QString& folderName)
{
    static const QRegularExpression probeName(QStringLiteral("^Admin\\.[0-9]+(-[0-9]+)?$"));
    return probeName.match(folderName).hasMatch();
}

// Removes the entries directly in folder that are named so and are of type themselves (a link
// is not); a folder only when it is empty, as whatever it holds is not the launcher's. The
// entry listed is the one removed.
void removeNamed(const fs::path& folder, bool (*named)(const QString&), fs::file_type type)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (named(fromNative(it->path().filename())) &&
            it->symlink_status(ignored).type() == type)
            fs::remove(it->path(), ignored);
    }
}

} // namespace

QString StaleTemporaries::replacementTemplate(const QString& folder)
{
    return PathResolver::join(folder, kReplacementPrefix + kRandomTemplate);
}

QString StaleTemporaries::zipMemberTemplate(const QString& folder)
{
    return PathResolver::join(folder, kZipMemberPrefix + kRandomTemplate);
}

bool StaleTemporaries::isTemporaryName(const QString& fileName)
{
    return hasRandomPartAfter(fileName, kReplacementPrefix) ||
           hasRandomPartAfter(fileName, kZipMemberPrefix);
}

void StaleTemporaries::removeFromLauncherFolders(const InstallPaths& paths)
{
    std::vector<fs::path> folders;
    for (const QString& folder :
         {paths.launcherDir, paths.launcherDataDir, paths.musicDir,
          PathResolver::resolveUnder(paths.launcherDir, QStringLiteral("Zips"))}) {
        if (!folder.isEmpty())
            folders.push_back(toNativePath(folder));
    }
    if (!paths.gameInfoDir.isEmpty()) {
        const fs::path gameInfo = toNativePath(paths.gameInfoDir);
        folders.push_back(gameInfo);
        collectFoldersUnder(gameInfo, folders);
    }
    for (const fs::path& folder : folders)
        removeFrom(folder);
    if (!paths.launcherDir.isEmpty())
        removeNamed(toNativePath(paths.launcherDir), isProbeFolderName, fs::file_type::directory);
}

std::vector<fs::path> StaleTemporaries::gameFilesFolders(const InstallPaths& paths,
                                                         std::stop_token stop)
{
    std::vector<fs::path> folders;
    if (!paths.gamesDir.isEmpty())
        collectFilesFolders(toNativePath(paths.gamesDir), folders, stop);
    return folders;
}

void StaleTemporaries::removeFrom(const fs::path& folder)
{
    removeNamed(folder, isTemporaryName, fs::file_type::regular);
}

} // namespace z3d
