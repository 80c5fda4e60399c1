#pragma once

#include <QString>
#include <QStringList>

// A playlist (.z3m) is a list of lines, one per entry, at fixed positions:
//
//   Doom (48 lines)    0 blank, 1 section title, 2 blank, 3-7 D_BUNNY D_INTRO D_INTROA D_INTER
//                      D_VICTOR, 8 blank, 9 section title, 10 blank, 11-46 E1M1..E4M9, 47 blank
//   Doom2 (44 lines)   0 blank, 1 title, 2 blank, 3-6 D_DM2TTL D_DM2INT D_READ_M D_EVIL,
//                      7-8 blank, 9 title, 10 blank, 11-42 MAP01..MAP32, 43 blank
//   Mixed (91 lines)   the Doom layout's lines 0-46, then the Doom2 layout from line 47
//
// A slot line is its slot name alone (no music), or the slot name, a blank and the music: a
// path (quoted or not; "\..." is relative to InstallRoot) or a CD track ("CD 05"). The engine
// reads these files; every comparison made on them ignores case. The functions here are pure:
// they work on line lists and never touch the disk.
namespace z3d::playlist {

// Which slot sets a playlist holds. Not stored in the file: worked out from its lines.
enum class PlaylistType
{
    Doom,
    Doom2,
    Mixed
};

// "Doom", "Doom2" or "Mixed": the names checkMapStructure() takes.
QString typeName(PlaylistType type);

// The intermission slots of each game, in file order.
const QStringList& doomIntermissionSlots();  // D_BUNNY, D_INTRO, D_INTROA, D_INTER, D_VICTOR
const QStringList& doom2IntermissionSlots(); // D_DM2TTL, D_DM2INT, D_READ_M, D_EVIL

// Section titles written by the repair and the new-playlist template.
inline const QString kDoomIntermissionTitle = QStringLiteral(" # INTERMISSION MUSIC FOR DOOM");
inline const QString kDoomMapTitle = QStringLiteral(" # MAP MUSIC FOR DOOM");
inline const QString kDoom2IntermissionTitle = QStringLiteral(" # INTERMISSION MUSIC FOR DOOM II");
inline const QString kDoom2MapTitle = QStringLiteral(" # MAP MUSIC FOR DOOM II");

// A playlist is read up to this many lines; the rest of a longer file is ignored (and lost
// when the playlist is saved again).
constexpr int kMaxLines = 301;

// True when line belongs to slot: it begins with the slot name followed by a blank or by its
// end ("D_INTROA ..." does not belong to D_INTRO).
bool belongsToSlot(const QString& line, const QString& slot);
// The line's text before its first blank, or the whole line.
QString slotNameOf(const QString& line);
// True when some line begins with "E" and some line begins with "M".
bool mixedMapTypes(const QStringList& lines);

// Doom when some line begins with "E" and none with "M"; Mixed when both occur; otherwise
// (only "M", or neither, as in an empty file) Doom2.
PlaylistType detectType(const QStringList& lines);
// The current format has intermission slots: some line begins with "D_DM2TTL" or "D_BUNNY".
// Anything else is the old format (map lines only).
bool isCurrentFormat(const QStringList& lines);
// The fixed-position test of a current-format file: Doom needs "E4M1" at line 38, Doom2
// "MAP32" at line 42, Mixed "E4M5" or "MAP32" at line 42 and "MAP24" or "E4M1" at line 81.
// Titles and the other lines are not looked at.
bool hasStandardLayout(const QStringList& lines, PlaylistType type);

// GetInterMusic: the line itself when it begins with one of the nine intermission slot names,
// otherwise "".
QString getInterMusic(const QString& line);
// ReplaceInterMusic: the last of collected that belongs to slot, or the bare slot name.
QString replaceInterMusic(const QStringList& collected, const QString& slot);
// GetMusicString: the music part of a slot line: from its first blank (included) to its end
// when the line is longer than 9 characters and has a blank, otherwise "".
QString getMusicString(const QString& line);

// The repair of an old-format or non-standard file into the standard layout of type: the
// intermission lines are kept by slot (the last line of a slot wins), every other line that
// does not begin with "E" or "MAP" is dropped, missing map slots are inserted as bare names
// (checkMapStructure; music of the others is kept, a Mixed file's Doom part goes first), the
// section blocks are put in front of each part with the titles above, and a blank line is
// appended when the result is shorter than 91 lines. An empty list gives an empty Doom2
// playlist.
QStringList repairPlaylist(const QStringList& lines, PlaylistType type);

// BuildEmptyPlaylist: the standard layout of type with the titles above and every slot line
// holding its bare name (48, 44 or 91 lines).
QStringList buildEmptyPlaylist(PlaylistType type);

// What opening a playlist's lines (as read from its file) leads to.
struct OpenedPlaylist
{
    enum class Step
    {
        Ready,          // a standard current-format file: lines are as read
        Converted,      // an old-format file, repaired without asking; the editor later
                        // offers to save the new format
        AskNonStandard, // a current-format file failing the layout test: ask the
                        // " Non Standard Format" question; Yes: repairPlaylist(lines, type)
                        // and treat as Converted; No: open nothing, change nothing
    };
    QStringList lines;
    PlaylistType type = PlaylistType::Doom2;
    Step step = Step::Ready;
};
OpenedPlaylist openPlaylistLines(const QStringList& lines);

} // namespace z3d::playlist
