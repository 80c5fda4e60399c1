#pragma once

#include "core/music/PlaylistFormat.h"

#include <QString>
#include <QStringList>

#include <optional>

// The playlist editor's operations on its lines. Pure: the editor window keeps the lines, the
// type and the set-aside lines, hands them in and takes the result back; unsavedChanges is the
// window's to set after each of them.
namespace z3d::playlist {

// GetNewMap: a slot's partner in the other game. E1M1..E1M9 pair with MAP01..MAP09, E2Mx with
// MAP10..MAP18, E3Mx with MAP19..MAP27, E4M1..E4M5 with MAP28..MAP32; D_BUNNY, D_INTRO,
// D_INTROA, D_INTER pair with D_DM2TTL, D_DM2INT, D_READ_M, D_EVIL. Both directions, any
// case; nothing for E4M6 to E4M9, D_VICTOR and anything else.
std::optional<QString> partnerSlot(const QString& slot);

// A playlist while the editor converts it: toggling Doom to Doom2 sets aside the music of
// E4M6..E4M9 and D_VICTOR (and the trailing blank line), which has no partner; toggling back
// while the editor stays open puts it back. The editor drops setAside when it closes.
struct EditedPlaylist
{
    QStringList lines;
    PlaylistType type = PlaylistType::Doom2;
    QStringList setAside;
};

// ToggleMap: converts a Doom playlist to Doom2 or back, every slot keeping the music of its
// partner. From Doom, setAside receives E4M6..E4M9, the D_VICTOR line and the blank line;
// back to Doom, those lines return when setAside holds them (its first entry is not empty),
// otherwise the bare names E4M6..E4M9 are inserted; setAside is emptied either way. A list
// shorter than its standard layout (as the layout test lets pass: a stripped trailing blank
// line, say) is first completed with the layout's lines. A Mixed playlist comes back
// unchanged.
EditedPlaylist toggleMapTypes(const EditedPlaylist& playlist);

// Clone: turns a Doom or Doom2 playlist into a Mixed one, Doom part first. The playlist's own
// part (completed as for ToggleMap) stays as it stands; the other game's part is its section
// block and all its map slots in order, each carrying the music of its partner's line (the
// first line belonging to that slot), so E4M6..E4M9 stay bare when cloning from Doom2. A
// standard playlist gives the 91 lines of the Mixed layout; lines beyond a playlist's layout
// follow them. Ask the " Clone playlist" question first. A Mixed playlist comes back
// unchanged.
EditedPlaylist clonePlaylist(const EditedPlaylist& playlist);

// The seven playlists written by the launcher for the music packs ("Fennick - Doom & Doom2",
// ..., "M-Fold - Doom2"), compared without regard to case.
const QStringList& builtInPlaylistNames();
bool isBuiltInPlaylist(const QString& name);
// The Options menu's "&Toggle map types" and "&Clone playlist" are enabled only for a playlist
// that is neither Mixed nor built in.
bool canConvert(const QStringList& lines, const QString& playlistName);

// CheckMusicExt: "mp3", "mid", "ogg", "mod", "rmi", "it", "xm", "s3m" (no dot, any case).
bool isMusicExtension(const QString& extension);
// True for the music file's name by its extension.
bool isMusicFile(const QString& path);
// AddMusic works only on lines beginning with "D_", "E" or "MAP".
bool takesMusic(const QString& line);

// The slot line for a chosen music file: slot name + " \"" + path + "\"". A file under
// installRoot (compared without regard to case, at a folder boundary) is written "\" + its
// path below the root with backslashes, as the engine (started in InstallRoot) resolves it;
// any other file keeps its full native path.
QString musicLine(const QString& line, const QString& musicFile, const QString& installRoot);
// The slot line for CD track 1 to 36: "E1M1 CD 05", "E1M1 CD 10". Out of range: unchanged.
QString cdTrackLine(const QString& line, int track);
// The pop-up menu's item captions "Track 01" to "Track 36".
QString cdTrackCaption(int track);

// "Remove selection": every line at the given rows is cut before the first blank after its
// first character (a slot line keeps its slot name). Rows out of range are ignored.
QStringList removeMusic(const QStringList& lines, const QList<int>& rows);
// "Remove all": the same for every line (a section title becomes " #").
QStringList removeAllMusic(const QStringList& lines);
// "&Remove selection" is enabled when the current line holds music (more than 5 characters).
bool holdsMusic(const QString& line);

// The pack folder of a built-in playlist, from the first four letters of its name: "Orve" ->
// Orvel, "Fenn" -> Fennick, "Tavi" -> Tavish, "M-Fo" -> M-Fold (any case); nothing otherwise
// (the editor then keeps its previous pack folder).
std::optional<QString> packFolderName(const QString& playlistName);
// The read-me shown by "&Readme": InstallRoot/OggVorbis/<pack>/readme.txt (found without
// regard to case) for a built-in playlist when it exists; empty otherwise (the menu hidden).
QString packReadme(const QString& installRoot, const QString& playlistName);

} // namespace z3d::playlist
