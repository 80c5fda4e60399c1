#pragma once

#include "core/library/GameSelection.h"
#include "core/platform/ErrorNumber.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

struct InstallPaths;

// The per-game records under GameInfoDir that bring a player back to the last map, file and
// save game. Every record is a text file of CR LF lines, replaced atomically; its name is the
// game's name in lower case and readers find it without regard to case. A commercial game is
// named by its key ("doom", "doom2", "tnt", "plutonia"), shareware Doom by its display name
// ("shareware doom"); every other game by its games-list name.
//
//   Iwads/<game>.z3dm, Pwads/<game>.z3dm, Zips/<game>.z3dm    the last map
//   Gwads/<game>.z3dg                                          a user directory's last file
//   Gwads/<game>.z3dm          one line per wad of a user directory: "<file> <map>"
//   Save/<game>.z3ds, Save/Gwads/<game>/<wad>.z3ds, Save/Zip/<game>.z3ds   the last save slot
//
// Each value is written so that it reads back equal (GameRecordLines); a value that could not
// is not written (75) and the record stays as it was.
//
// Writers create the folders they need. Failures are returned, never shown: the selection
// chain ignores them. A game name that is empty or holds a path separator names no record
// (reads find nothing, writes fail with 75) so nothing is written outside GameInfoDir.
//
// The installation paths are held by reference and must outlive the records.
class GameRecords
{
public:
    explicit GameRecords(const InstallPaths& paths);

    // The record name of a game: lower case; a commercial game's display name (either case)
    // becomes its key, shareware Doom keeps "shareware doom". Empty when the name is unusable.
    static QString recordName(GameKind kind, const QString& game);
    // The map-list entry equal to wanted (without regard to case), as the list spells it.
    static std::optional<QString> findEntry(const QStringList& entries, const QString& wanted);

    // The last-map record of a commercial game, an installed game (scripted maps included)
    // or a zip archive; empty for other kinds.
    QString lastMapRecordPath(GameKind kind, const QString& game) const;
    // SaveLastMap: the map-list entry last selected becomes the record's one line.
    ErrorNumber saveLastMap(GameKind kind, const QString& game, const QString& mapEntry) const;
    // RestoreLastMap: the entry of maps the record names; none when the record is missing or
    // empty, or names a map the list no longer holds (the caller then selects the first map).
    std::optional<QString> restoreLastMap(GameKind kind, const QString& game,
                                          const QStringList& maps) const;

    QString userDirectoryFileRecordPath(const QString& game) const;
    QString userDirectoryMapRecordPath(const QString& game) const;
    // SaveUserDirectorySelection: file becomes the .z3dg record's one line; with
    // rememberLastMap the .z3dm record gets "<file> <map>" in the place of the wad's first
    // line (appended when the wad has none) and loses the wad's later lines, so it keeps one
    // line per wad. Nothing is written when file is empty. A file name ending in white space or
    // a map holding any gets no line in the .z3dm record (75): the line could not be read back.
    ErrorNumber saveUserDirectorySelection(const QString& game, const QString& file,
                                           const QString& map, bool rememberLastMap) const;
    // The map remembered for a user directory's file: the map of the last line for that
    // file; none when there is no such line or it names no map.
    std::optional<QString> userDirectoryMap(const QString& game, const QString& file) const;
    // The file remembered for a user directory; empty when there is no record.
    QString userDirectoryFile(const QString& game) const;

    // The last-save record of a game. For a user directory it is kept per wad, named by the
    // lower-case base name of mainGameFile (a path or a file name); empty when that is empty.
    QString saveRecordPath(GameKind kind, const QString& game,
                           const QString& mainGameFile = {}) const;
    // Writes slot (the save entry's first character) as the record's one line.
    ErrorNumber writeSaveRecord(GameKind kind, const QString& game, const QString& mainGameFile,
                                const QString& slot) const;
    // The slot the record holds; none when it is missing or empty.
    std::optional<QString> readSaveRecord(GameKind kind, const QString& game,
                                          const QString& mainGameFile = {}) const;
    // Deletes the record (a map was chosen instead); a missing record is not an error.
    ErrorNumber deleteSaveRecord(GameKind kind, const QString& game,
                                 const QString& mainGameFile = {}) const;

    // "Remember last map" turned off: the Iwads, Pwads and Zips folders go with their
    // contents, and every Gwads/*.z3dm; the .z3dg records stay. Returns the first failure;
    // every step is still tried.
    ErrorNumber deleteMapRecords() const;
    // "Remember last savegame" turned off: the Save folder goes with its contents.
    ErrorNumber deleteSaveRecords() const;

private:
    QString recordPath(const QString& relative) const;

    const InstallPaths& m_paths;
};

} // namespace z3d
