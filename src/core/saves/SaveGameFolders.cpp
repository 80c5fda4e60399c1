#include "core/saves/SaveGameFolders.h"

#include "core/platform/PathResolver.h"

#include <QFileInfo>

namespace z3d {

namespace {

const QString kSaveSubfolder = QStringLiteral("savegame");

// A single path component that stays where it is put.
bool isPlainName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\');
}

} // namespace

SaveGameFolders::SaveGameFolders(const InstallPaths& paths) : m_paths(paths) {}

QString SaveGameFolders::iwadGameFolder(IwadType type) const
{
    return m_paths.under(
        QStringLiteral("UserSG/%1/%2").arg(QLatin1String(iwadInfo(type).key), kSaveSubfolder));
}

QString SaveGameFolders::zipArchiveFolder(const QString& mainGameFile) const
{
    const QString fileName = PathResolver::lastComponent(mainGameFile);
    const QString baseName = QFileInfo(fileName).completeBaseName();
    if (!isPlainName(baseName))
        return {};
    return m_paths.under(QStringLiteral("UserSG/%1/%2").arg(baseName, kSaveSubfolder));
}

QString SaveGameFolders::installedGameFolder(const QString& gameFolderName) const
{
    if (!isPlainName(gameFolderName))
        return {};
    return PathResolver::resolveUnder(m_paths.gamesDir, gameFolderName + u'/' + kSaveSubfolder);
}

QString SaveGameFolders::folderFor(const GameSelection& selection) const
{
    switch (selection.currentKind) {
    case GameKind::IwadGame:
        if (const auto type = iwadTypeFromFileName(selection.selectedIwadPath))
            return iwadGameFolder(*type);
        return {};
    case GameKind::ZipArchive:
        return zipArchiveFolder(selection.currentGameFile);
    case GameKind::PwadGame:
    case GameKind::ScriptedMap:
        return installedGameFolder(selection.currentPwadGame);
    case GameKind::UserDirectory:
        return installedGameFolder(selection.currentUserDirectory);
    case GameKind::None:
        break;
    }
    return {};
}

QString SaveGameFolders::saveFilePath(const QString& saveFolder, QChar slot)
{
    return PathResolver::resolveUnder(saveFolder, QStringLiteral("Zorn3DSav%1.z3dsg").arg(slot));
}

std::optional<SaveGameChoice> SaveGameFolders::choose(const QString& saveFolder,
                                                      const QString& entry)
{
    if (entry.isEmpty() || entry.at(0) < u'0' || entry.at(0) > u'9')
        return std::nullopt;
    return SaveGameChoice{QString(entry.at(0)), saveFilePath(saveFolder, entry.at(0))};
}

} // namespace z3d
