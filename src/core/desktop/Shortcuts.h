#pragma once

#include "core/desktop/ShortcutChoices.h"
#include "core/desktop/ShortcutFolders.h"

#include <QString>
#include <QStringList>

namespace z3d {

class Dialogs;
struct InstallPaths;

// Shortcuts that start the engine directly with a chosen game, map and options. A shortcut is
// a desktop entry file named after its link name + ".desktop" in a "Zorn3D Shortcuts" folder
// of the desktop and of the program menu. It runs InstallRoot/bin/Zorn3D as the launcher would
// (the native program without ".exe" when there is one, else Zorn3D.exe; a Windows program
// through wine) with the engine arguments, in the shortcut's own folder, with the engine's file
// as its icon.
class Shortcuts
{
public:
    static constexpr const char* kPermissionsTitle = "Permissions";
    static constexpr const char* kPermissionsText =
        " It appears you don't have adequate UAC privileges    ";

    Shortcuts(const InstallPaths& paths, Dialogs& dialogs,
              ShortcutFolders folders = ShortcutFolders::standard());

    // Writes the chosen links: the desktop's first, then the program menu's, each folder
    // created when missing. arguments is the engine command line without its engine path and
    // the blank after it; the link is named linkName(shortcutName, mapPart(...)) from
    // ShortcutNames. A link that cannot be written shows the "Permissions" message (information
    // icon) and the other link is still tried. Returns the files written.
    QStringList createShortcuts(const QString& arguments, const ShortcutChoices& choices,
                                const QString& shortcutName, const QString& mapPart);

    // Writes (or replaces, atomically) folder/<linkName>.desktop; the folder must exist. False
    // when the name cannot be a file name (empty, only dots and blanks, '/' or '\\'), when the
    // arguments hold a character a desktop entry cannot carry, or when the write fails.
    // Nothing is shown.
    bool writeShortcut(const QString& arguments, const QString& folder,
                       const QString& linkName) const;

    // The program and arguments a shortcut runs for these engine arguments (the arguments are
    // split by the Windows rules, as when the launcher starts the engine).
    QStringList command(const QString& arguments) const;

    // Deletes every link in both shortcut folders whose name (without ".desktop") begins with
    // prefix, without regard to case; missing folders are skipped, a link that cannot be
    // deleted is left and the others still go. A blank prefix deletes nothing. Returns the
    // number of links deleted.
    static int removeGameShortcuts(const QString& prefix,
                                   const ShortcutFolders& folders = ShortcutFolders::standard());

    // Asks the desktop to show changed links. Nothing to do here: file managers and menus
    // watch their folders and pick up new and deleted entries themselves.
    static void refreshDesktop() {}

private:
    // The engine's program file: bin/Zorn3D (native) or bin/Zorn3D.exe.
    QString engineFile() const;

    const InstallPaths& m_paths;
    Dialogs& m_dialogs;
    ShortcutFolders m_folders;
};

} // namespace z3d
