#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// MusicDir/auto-playlist.z3d: the playlist chosen for each commercial game. Five entries, one
// a line: a fixed header, then the playlist names for Doom/Ultimate Doom (shareware Doom too),
// Doom II, Plutonia and TNT. Read item by item (an entry ends at a comma or the line's end, so
// a hand-edited line with extra commas shifts the entries after it); written one entry a line,
// a name holding a comma in double quotes so that it reads back whole. Placeholders are
// ordinary names that never match a playlist.
class AutoPlaylistFile
{
public:
    static constexpr int kGames = 4; // Doom/Ultimate Doom, Doom II, Plutonia, TNT

    static const QString kFileName; // "auto-playlist.z3d"
    // The header and the four placeholders a new file starts with.
    static const QStringList& initialEntries();

    static QString path(const QString& musicDir);
    static bool exists(const QString& musicDir);

    // Every entry of the file; nothing when the file does not exist or cannot be read.
    static std::optional<QStringList> readEntries(const QString& musicDir);

    // SetAutoPlaylist: stores playlistName as the entry of game index 0 to 3 (entry 1 + index),
    // creating the file with initialEntries() when it is missing and filling any entries a
    // short file lacks with them. The file (and MusicDir, when missing) is replaced in one
    // atomic write: on failure nothing changes on disk and the error is returned (the caller
    // shows music_messages::accessError instead of autoPlaylistAdded). An index out of range
    // changes nothing.
    static ErrorNumber assign(const QString& musicDir, int gameIndex, const QString& playlistName);

    // The game index of an IWAD by its file's base name (any case): Doom1 and Doom 0, Doom2 1,
    // Plutonia 2, Tnt 3; a stand-in's name that of its game (freedoom1.wad 0, freedoom2.wad 1);
    // nothing for any other name.
    static std::optional<int> gameIndexOfIwad(const QString& iwadPath);

    // FindAutoPlaylist: the playlist name assigned to the IWAD's game; nothing when the file
    // is missing, the IWAD is none of the four games or the file has no such entry. (An
    // unknown IWAD gets no playlist rather than the one found for the previous launch.)
    static std::optional<QString> find(const QString& musicDir, const QString& iwadPath);
};

} // namespace z3d
