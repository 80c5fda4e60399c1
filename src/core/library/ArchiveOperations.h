#pragma once

#include "core/library/LibraryScope.h"
#include "core/platform/ErrorNumber.h"

#include <QString>

namespace z3d {

class LibraryHost;

// The operations of the zip-library menu: installing the selected archive's extracted files
// (LauncherDir/Zips, filled when the archive was selected) as an auto-loading game or as a
// user directory, and renaming or deleting the archive with its records.
//
// Failures: one handler per operation; the first failing step ends it with its fixed message
// and what was done before stays. A typed name that could name something other than one entry
// of GamesDir or the zip library (see GameOperations::isAcceptableName) is refused before
// anything is touched.
//
// The archive renamed or deleted is the one the games list has selected; the remembered
// archive (lastZipLibraryEntry) stands in only when nothing is selected. They differ when the
// selected archive could not be extracted, and the remembered one must not be the one lost.
class ArchiveOperations
{
public:
    // The host must outlive this object.
    ArchiveOperations(LibraryScope scope, LibraryHost& host);

    // InstallArchiveAsGame: GamesDir/<name>/Pwads replaces any game of that name, asking
    // first only when it is a user directory.
    void installArchiveAsGame();
    // InstallArchiveAsUserDirectory: the files are added to GamesDir/<name>/Gwads; refused
    // with a notice when <name> is an auto-loading game.
    void installArchiveAsUserDirectory();
    // RenameArchive: renames ZipLibraryDir/<entry>.zip; its map and save records are dropped.
    void renameArchive();
    // DeleteArchive: the archive, its check record, its records and its save games.
    void deleteArchive();

    // LauncherDir/Zips, where the selected archive is extracted.
    QString zipExtractDir() const;

private:
    // False when the player declined; error holds a failure.
    bool installAsGame(const QString& name, ErrorNumber& error);
    ErrorNumber installAsUserDirectory(const QString& name);
    ErrorNumber renameZip(const QString& oldName, const QString& newName);
    ErrorNumber removeArchive(const QString& entry);
    ErrorNumber copyExtractedFiles(const QString& target) const;
    QString archiveName() const;
    QString gameFolder(const QString& name) const;
    int message(const QString& text, int style, const QString& title) const;

    LibraryScope m_scope;
    LibraryHost& m_host;
};

} // namespace z3d
