#include "core/library/GameInstaller.h"

#include "core/launch/EngineCommandLine.h"
#include "core/library/FileCopies.h"
#include "core/library/ZipExtraction.h"
#include "core/platform/DiskSpace.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "core/settings/AuxiliaryFiles.h"

#include <QFileInfo>

#include <utility>

namespace z3d {

namespace {

const QString kPwads = QStringLiteral("Pwads");

// The file-name part of a path: after the last '/' only, since a backslash is an ordinary
// character of a file name here and the name check must see it.
QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

bool onlyDotsAndBlanks(const QString& name)
{
    for (const QChar c : name) {
        if (c != u'.' && !c.isSpace())
            return false;
    }
    return true;
}

} // namespace

GameInstaller::GameInstaller(const InstallPaths& paths, Dialogs& dialogs, ZipExtraction& zip,
                             Progress* progress, std::function<void()> saveSettings)
    : m_paths(paths), m_dialogs(dialogs), m_zip(zip), m_progress(progress),
      m_saveSettings(std::move(saveSettings))
{
}

QString GameInstaller::gameNameFor(const QString& path)
{
    const QString fileName = fileNameOf(path);
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString name = dot < 0 ? fileName : fileName.left(dot);
    // The name becomes a folder of GamesDir: it must be one ordinary path component.
    if (onlyDotsAndBlanks(name) || name.contains(u'/') || name.contains(u'\\'))
        return {};
    return name;
}

InstallResult GameInstaller::installGame(bool mainWindowVisible)
{
    InstallResult result;
    result.installDialogFolder = AuxiliaryFiles::readLastInstallFolder(m_paths);
    if (result.installDialogFolder.isEmpty())
        result.installDialogFolder = m_paths.zipLibraryDir;

    OpenFileRequest request;
    request.title = QLatin1String(kDialogTitle);
    request.initialFolder = result.installDialogFolder;
    request.filters = {QLatin1String(kFilterDescription), QLatin1String(kFilterPattern)};
    request.defaultExtension = QLatin1String(kDefaultExtension);
    request.placement = DialogPlacement::Platform;
    return installChosen(m_dialogs.openFile(request), std::move(result), mainWindowVisible);
}

InstallResult GameInstaller::installFile(const QString& path, bool mainWindowVisible)
{
    InstallResult result;
    result.installDialogFolder = AuxiliaryFiles::readLastInstallFolder(m_paths);
    if (result.installDialogFolder.isEmpty())
        result.installDialogFolder = m_paths.zipLibraryDir;
    return installChosen(path, std::move(result), mainWindowVisible);
}

bool GameInstaller::isInstallable(const QString& path)
{
    const bool known = path.endsWith(QLatin1String(".wad"), Qt::CaseInsensitive) ||
                       path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
    return known && PathResolver::fileExists(path);
}

InstallResult GameInstaller::installChosen(const std::optional<QString>& chosen,
                                           InstallResult result, bool mainWindowVisible)
{
    if (chosen && !chosen->isEmpty()) {
        // Taken as given: a backslash in the file name must reach the name check.
        const QString& path = *chosen;
        if (!EngineCommandLine::canQuote(fileNameOf(path)))
            return fail(kQuoteText, result);
        const QString name = gameNameFor(path);
        if (name.isEmpty())
            return fail(ErrorNumber::PathFileAccessError, result);
        result.installDialogFolder = PathResolver::parentFolder(path);
        QString gameFolder;
        if (const ErrorNumber error = install(path, name, mainWindowVisible, gameFolder);
            error != ErrorNumber::None)
            return fail(error, result);
        result.outcome = InstallResult::Outcome::Installed;
        result.game = name;
        result.gameFolder = gameFolder;
    }

    AuxiliaryFiles::writeLastInstallFolder(m_paths, result.installDialogFolder);
    if (m_saveSettings)
        m_saveSettings();
    return result;
}

ErrorNumber GameInstaller::install(const QString& path, const QString& name, bool visible,
                                   QString& gameFolder)
{
    const bool wad = path.endsWith(QLatin1String(".wad"), Qt::CaseInsensitive);
    const bool zip = path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
    gameFolder = PathResolver::resolveUnder(m_paths.gamesDir, name);
    if (!wad && !zip)
        return ErrorNumber::None;
    if (!fits(path, wad))
        return ErrorNumber::DiskFull;

    const bool created = !PathResolver::folderExists(gameFolder);
    const auto removeWhenFull = [&](ErrorNumber error) {
        if (error == ErrorNumber::DiskFull && created)
            FileOperations::deleteFolderTree(gameFolder);
        return error;
    };
    if (created) {
        if (const ErrorNumber error = FileOperations::createFolder(gameFolder);
            error != ErrorNumber::None)
            return error;
        if (const ErrorNumber error =
                FileOperations::createFolder(PathResolver::join(gameFolder, kPwads));
            error != ErrorNumber::None)
            return error;
    }
    const QString pwadsFolder = PathResolver::resolveUnder(gameFolder, kPwads);
    if (wad)
        return removeWhenFull(
            copyFiles({{path, PathResolver::resolveUnder(pwadsFolder, fileNameOf(path))}},
                      m_progress, kInstallingTitle));

    // A bad archive is reported by the extraction itself and is no install error. A full disk
    // and the player's cancel leave no game behind; the cancel is not reported.
    m_zip.extractSelectedZip(path, pwadsFolder, visible);
    const ZipExtractionSummary& extraction = m_zip.lastRun();
    if (!extraction.diskFull && !extraction.cancelled)
        return ErrorNumber::None;
    m_failureShown = visible || extraction.cancelled;
    return removeWhenFull(ErrorNumber::DiskFull);
}

bool GameInstaller::fits(const QString& path, bool wad) const
{
    const qint64 size =
        wad ? QFileInfo(PathResolver::resolve(path)).size() : ZipExtraction::requiredBytes(path);
    return size <= 0 || DiskSpace::fits(m_paths.gamesDir, size);
}

InstallResult GameInstaller::fail(ErrorNumber error, InstallResult result)
{
    return fail(error == ErrorNumber::PermissionDenied ? kReadOnlyText
                : error == ErrorNumber::DiskFull       ? kNoRoomText
                                                       : kUnknownText,
                std::move(result));
}

InstallResult GameInstaller::fail(const char* text, InstallResult result)
{
    if (!std::exchange(m_failureShown, false))
        m_dialogs.messageBox(QLatin1String(text), MsgIconInformation, QLatin1String(kErrorTitle));
    result.outcome = InstallResult::Outcome::Failed;
    result.game.clear();
    result.gameFolder.clear();
    return result;
}

} // namespace z3d
