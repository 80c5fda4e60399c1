#include "core/saves/SaveGameOperations.h"

#include "core/platform/FileInUse.h"
#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace z3d {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

const QString kDeleteTitle = QStringLiteral(" Delete selected savegame");
const QString kDeleteQuestion =
    QStringLiteral("Are you certain you wish to delete this savegame?     ");
const QString kDeleteAccessTitle = QStringLiteral(" Access error");
const QString kDeleteAccessText =
    QStringLiteral("Unable to delete the selected savegame from the list,       ") + kCrLf +
    QStringLiteral("    the file may be in use by another program.");
const QString kDeleteErrorTitle = QStringLiteral(" Delete error");
const QString kDeleteErrorText = QStringLiteral(" Unknown error deleting savegame   ");

const QString kPurgeTitle = QStringLiteral(" Purge all savegames ");
const QString kPurgeQuestion =
    QStringLiteral("  This is a quick method of removing all previously saved games.        ") +
    kCrLf + kCrLf + QStringLiteral("                          Do you wish to continue?");
// The purge's title differs from the single delete's by its trailing blank.
const QString kPurgeAccessTitle = QStringLiteral(" Access error ");
const QString kPurgeAccessText =
    QStringLiteral("Access denied - file or folder already in use.    ");

const QString kNodesTitle = QStringLiteral(" Delete all saved nodes");
const QString kNodesQuestion =
    QStringLiteral("This is a quick method of removing all nodes that have      ") + kCrLf +
    QStringLiteral("    previously been built with maps you have played.       ") + kCrLf + kCrLf +
    QStringLiteral("                  Do you wish to continue?");

constexpr int kQuestionYesNo = MsgIconQuestion + MsgButtonsYesNo;

bool askYes(Dialogs& dialogs, const QString& text, const QString& title)
{
    return dialogs.messageBox(text, kQuestionYesNo, title) == MsgYes;
}

// Deletes a folder with its contents, or only the link when the entry is a link, so a purge
// never reaches outside the installation. A missing entry (or a plain file) is left alone.
ErrorNumber removeFolderEntry(const QString& path)
{
    const QString resolved = PathResolver::resolve(path);
    const QFileInfo info(resolved);
    if (info.isSymLink())
        return FileOperations::deleteFile(resolved);
    if (!info.isDir())
        return ErrorNumber::None;
    return FileOperations::deleteFolderTree(resolved);
}

// The subfolders of folder (links to folders included), in name order; none when it is
// missing or unreadable.
QFileInfoList subfolders(const QString& folder)
{
    const QString resolved = PathResolver::resolve(folder);
    if (!PathResolver::folderExists(resolved))
        return {};
    return QDir(resolved).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden |
                                            QDir::System,
                                        QDir::Name | QDir::IgnoreCase);
}

} // namespace

SaveGameOperations::SaveGameOperations(const InstallPaths& paths, Dialogs& dialogs)
    : m_paths(paths), m_dialogs(dialogs)
{
}

bool SaveGameOperations::deleteSaveGame(const QString& saveFile)
{
    if (saveFile.isEmpty())
        return false;
    if (!askYes(m_dialogs, kDeleteQuestion, kDeleteTitle))
        return false;
    const QString resolved = PathResolver::resolve(saveFile);
    const QFileInfo info(resolved);
    if (!info.exists() && !info.isSymLink())
        return true;
    // A file another program holds open counts as in use, as on a system whose open files
    // cannot be deleted.
    const ErrorNumber error = FileInUse::check(resolved) ? ErrorNumber::FileAlreadyOpen
                                                         : FileOperations::deleteFile(resolved);
    switch (error) {
    case ErrorNumber::None:
        return true;
    case ErrorNumber::PermissionDenied:
    case ErrorNumber::FileAlreadyOpen:
        m_dialogs.messageBox(kDeleteAccessText, MsgIconExclamation, kDeleteAccessTitle);
        return false;
    default:
        m_dialogs.messageBox(kDeleteErrorText, MsgIconExclamation, kDeleteErrorTitle);
        return false;
    }
}

bool SaveGameOperations::purgeAllSaveGames()
{
    if (!askYes(m_dialogs, kPurgeQuestion, kPurgeTitle))
        return false;
    purgeSaveGames();
    return true;
}

ErrorNumber SaveGameOperations::purgeSaveGames()
{
    QStringList steps;
    for (const QFileInfo& folder : subfolders(m_paths.under(QStringLiteral("UserSG"))))
        steps << folder.filePath();
    for (const QFileInfo& game : subfolders(m_paths.gamesDir))
        steps << PathResolver::resolveUnder(game.filePath(), QStringLiteral("savegame"));
    steps << m_paths.under(QStringLiteral("Z3DAnFiles"));
    for (const char* record : {"Save/Gwads", "Save/Zip", "Save"})
        steps << PathResolver::resolveUnder(m_paths.gameInfoDir, QLatin1String(record));

    for (const QString& step : std::as_const(steps)) {
        if (const ErrorNumber error = removeFolderEntry(step); error != ErrorNumber::None) {
            showPurgeAccessError();
            return error;
        }
    }
    return ErrorNumber::None;
}

bool SaveGameOperations::deleteAllNodes()
{
    if (!askYes(m_dialogs, kNodesQuestion, kNodesTitle))
        return false;
    bool failed = false;
    for (const char* folder : {"gwa", "Z3DAnFiles"}) {
        const QString path = m_paths.under(QLatin1String(folder));
        if (!PathResolver::folderExists(path))
            continue;
        // Nothing to delete (53) is no failure.
        const ErrorNumber error = FileOperations::deleteMatching(path, QStringLiteral("*.*"));
        if (error != ErrorNumber::None && error != ErrorNumber::FileNotFound)
            failed = true;
    }
    if (failed)
        showPurgeAccessError();
    return true;
}

void SaveGameOperations::showPurgeAccessError()
{
    m_dialogs.messageBox(kPurgeAccessText, MsgIconExclamation, kPurgeAccessTitle);
}

} // namespace z3d
