#include "core/desktop/Shortcuts.h"

#include "core/desktop/DesktopEntry.h"
#include "core/desktop/ShortcutNames.h"
#include "core/launch/EngineCommandLine.h"
#include "core/platform/CommandLine.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"
#include "core/platform/ProgramStarter.h"
#include "core/services/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace z3d {

namespace {

const QString kWine = QStringLiteral("wine");

bool usableFileName(const QString& name)
{
    if (name.contains(u'/') || name.contains(u'\\'))
        return false;
    for (const QChar c : name) {
        if (c != u'.' && !c.isSpace())
            return true;
    }
    return false;
}

int removeIn(const QString& folder, const QString& prefix)
{
    if (folder.isEmpty() || !PathResolver::folderExists(folder))
        return 0;
    const QString extension = QLatin1String(DesktopEntry::kExtension);
    int removed = 0;
    const QFileInfoList files =
        QDir(PathResolver::resolve(folder)).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        if (!name.endsWith(extension, Qt::CaseInsensitive))
            continue;
        const QString linkName = name.chopped(extension.size());
        if (linkName.startsWith(prefix, Qt::CaseInsensitive) &&
            FileOperations::deleteFile(file.filePath()) == ErrorNumber::None)
            ++removed;
    }
    return removed;
}

} // namespace

Shortcuts::Shortcuts(const InstallPaths& paths, Dialogs& dialogs, ShortcutFolders folders)
    : m_paths(paths), m_dialogs(dialogs), m_folders(std::move(folders))
{
}

QString Shortcuts::engineFile() const
{
    const QString engine = ProgramStarter::findProgram(
        QLatin1String(EngineCommandLine::kEnginePath), m_paths.installRoot);
    // Without a program file: where the engine belongs (the start-up checked for it).
    return engine.isEmpty() ? m_paths.engineExe : engine;
}

QStringList Shortcuts::command(const QString& arguments) const
{
    const QStringList engineArguments = CommandLine::splitArguments(arguments);
    const QString engine = engineFile();
    if (const std::optional<ProgramInvocation> run =
            ProgramStarter::invocationFor(engine, engineArguments, m_paths.installRoot))
        return QStringList{run->program} + run->arguments;
    // A Windows engine and no wine yet: the shortcut names wine, which the desktop looks up
    // on PATH when the shortcut is started.
    return QStringList{kWine, engine} + engineArguments;
}

bool Shortcuts::writeShortcut(const QString& arguments, const QString& folder,
                              const QString& linkName) const
{
    if (folder.isEmpty() || !usableFileName(linkName))
        return false;
    const QString shortcutFolder = PathResolver::resolve(folder);
    DesktopEntryFields fields;
    fields.name = linkName;
    fields.command = command(arguments);
    fields.workingFolder = shortcutFolder;
    fields.icon = engineFile();
    const std::optional<QByteArray> bytes = DesktopEntry::text(fields);
    if (!bytes)
        return false;
    const QString file = PathResolver::resolveUnder(
        shortcutFolder, linkName + QLatin1String(DesktopEntry::kExtension));
    if (FileOperations::writeFile(file, *bytes) != ErrorNumber::None)
        return false;
    // Desktops start a launcher file of the desktop folder only when it is executable.
    QFile::setPermissions(file, QFile::permissions(file) | QFile::ExeOwner | QFile::ExeUser);
    return true;
}

QStringList Shortcuts::createShortcuts(const QString& arguments, const ShortcutChoices& choices,
                                       const QString& shortcutName, const QString& mapPart)
{
    const QString linkName = ShortcutNames::linkName(shortcutName, mapPart);
    QStringList written;
    const auto writeInto = [&](const QString& folder) {
        const bool ok = !folder.isEmpty() &&
                        FileOperations::createFolderPath(folder) == ErrorNumber::None &&
                        writeShortcut(arguments, folder, linkName);
        if (ok)
            written << PathResolver::resolveUnder(
                folder, linkName + QLatin1String(DesktopEntry::kExtension));
        else
            m_dialogs.messageBox(QLatin1String(kPermissionsText), MsgIconInformation,
                                 QLatin1String(kPermissionsTitle));
        return ok;
    };
    bool desktopWritten = false;
    if (choices.desktopShortcut)
        desktopWritten = writeInto(m_folders.desktopShortcuts());
    if (choices.startMenuShortcut)
        writeInto(m_folders.menuShortcuts());
    if (desktopWritten)
        refreshDesktop();
    return written;
}

int Shortcuts::removeGameShortcuts(const QString& prefix, const ShortcutFolders& folders)
{
    if (prefix.trimmed().isEmpty())
        return 0;
    const int fromDesktop = removeIn(folders.desktopShortcuts(), prefix);
    const int fromMenu = removeIn(folders.menuShortcuts(), prefix);
    if (fromDesktop > 0)
        refreshDesktop();
    return fromDesktop + fromMenu;
}

} // namespace z3d
