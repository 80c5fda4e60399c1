#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>
#include <QStringList>

namespace z3d {

// What reading a playlist's file gave.
struct PlaylistRead
{
    enum class Status
    {
        Read,       // lines hold the file's first lines (at most playlist::kMaxLines)
        Missing,    // no such playlist: nothing opens, no message
        Unreadable, // the file exists but could not be read through: nothing opens, so a
                    // partial read can never be repaired and saved over the whole file
    };
    Status status = Status::Missing;
    QStringList lines;
    ErrorNumber error = ErrorNumber::None;
};

// Why a name cannot be given to a new playlist.
enum class PlaylistNameFault
{
    None,
    NoName,           // empty, as ".z3m" is once its ending is cut
    DotName,          // "." or ".."
    PathSeparator,    // "/" or a backslash: a playlist is one file in MusicDir
    Quote,            // '"': the engine is handed the name in double quotes, which it would end
    ControlCharacter, // a line break, a tab or another control character
};

// The playlist files in MusicDir: "<name>.z3m", found without regard to case. Lines are read
// with CR LF, LF or CR endings and written with CR LF, byte for byte: a line's bytes that are
// not UTF-8 come back as they were (TextFile::Encoding::KeepBytes).
class PlaylistFile
{
public:
    // MusicDir + name + ".z3m" (not resolved).
    static QString path(const QString& musicDir, const QString& name);
    static bool exists(const QString& musicDir, const QString& name);
    // A name the launcher can keep as a file of its own in MusicDir: not empty, no path
    // separator, not "." or "..". Other names are refused by save().
    static bool isUsableName(const QString& name);
    // What keeps name from naming a new playlist: more than isUsableName, as a new name must
    // also reach the engine whole. Checked in that order, the first fault found.
    static PlaylistNameFault newNameFault(const QString& name);

    // The first lines of the playlist's file, up to playlist::kMaxLines.
    static PlaylistRead read(const QString& musicDir, const QString& name);

    // SaveList: creates MusicDir when missing, then replaces the playlist's file atomically
    // with lines (each ended by CR LF). An empty name writes nothing and is no error; an
    // unusable name is refused with 75. On failure the old file is intact; the caller shows
    // music_messages::accessError(error). On success the caller refills its list
    // (loadNames), selects name and unchecks "Manual".
    static ErrorNumber save(const QString& musicDir, const QString& name, const QStringList& lines);

    // The playlist names in MusicDir: the base names of its files ending in ".z3m" (any
    // case, hidden files too), in the folder's listing order. Creates nothing.
    static QStringList names(const QString& musicDir);
    // LoadPlaylistNames: creates MusicDir when missing (a failure is ignored), then names().
    static QStringList loadNames(const QString& musicDir);

    // "Delete": removes the playlist's file when it exists (a missing file is no error).
    static ErrorNumber remove(const QString& musicDir, const QString& name);
};

} // namespace z3d
