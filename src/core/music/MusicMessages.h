#pragma once

#include "core/music/PlaylistFile.h"
#include "core/platform/ErrorNumber.h"
#include "core/services/Dialogs.h"

#include <QString>

// The fixed titles, texts and styles of the playlist messages and questions. Blanks are part
// of the texts; two-line texts are joined by CR LF.
namespace z3d::music_messages {

inline const QString kCrLf = QStringLiteral("\r\n");

struct Message
{
    QString title;
    QString text;
    int style = MsgButtonsOk;

    bool operator==(const Message&) const = default;
};

// Opening a current-format file that fails the layout test; Yes repairs it.
inline const Message kNonStandardFormat{
    QStringLiteral(" Non Standard Format"),
    QStringLiteral("This playlist format appears non standard.    ") + kCrLf +
        QStringLiteral("Would you like to attempt to correct this? "),
    MsgButtonsYesNo | MsgIconQuestion};

// A playlist (or the auto-playlist file) could not be written: 75 means the file is read
// only, any other error that it is in use.
inline Message accessError(ErrorNumber error)
{
    // A refused write to a read-only file or folder is a permission error on some systems.
    const bool readOnly =
        error == ErrorNumber::PathFileAccessError || error == ErrorNumber::PermissionDenied;
    const QString text =
        readOnly ? QStringLiteral("Unable to make changes to playlist    ") + kCrLf +
                       QStringLiteral("as the file appears to be read only.")
                 : QStringLiteral("Unable to make any changes to playlist as the   ") + kCrLf +
                       QStringLiteral("file appears to be in use by another program.");
    return {QStringLiteral(" Access error"), text, MsgButtonsOk | MsgIconExclamation};
}

// The right-click menu "Auto Playlist Selection for Iwads" and its items, indices 0 to 3.
inline const QString kAutoMenuTitle = QStringLiteral("Auto Playlist Selection for Iwads");
inline const QStringList kAutoMenuItems{"Doom/Ultimate Doom", "Doom II", "Plutonia", "TNT"};
// After SetAutoPlaylist for game index 0 to 3.
inline Message autoPlaylistAdded(int gameIndex, const QString& playlistName)
{
    static const QStringList games{"DOOM", "DOOM II", "PLUTONIA", "TNT"};
    return {QStringLiteral(" Auto playlist selection for ") + games.value(gameIndex),
            QStringLiteral("     ") + playlistName +
                QStringLiteral("  has been added to your auto selection.         ") + kCrLf,
            MsgButtonsOk | MsgSystemModal};
}

// Pressing "Auto" while the auto-playlist file does not exist.
inline const Message kNoAutoPlaylist{
    QStringLiteral(" No auto playlist detected "),
    QStringLiteral("No auto playlist has been detected, to create an auto playlist   ") + kCrLf +
        QStringLiteral("right-click on a playlist entry and then specify an iwad type.   "),
    MsgButtonsOk | MsgSystemModal};
// Releasing "Manual" while no playlist is highlighted (the title is the same as above).
inline const Message kNoPlaylistSelected{
    QStringLiteral(" No auto playlist detected "),
    QStringLiteral("No playlist has been selected, first highlight one of the above playlists    "),
    MsgButtonsOk | MsgSystemModal};

// "Delete" on the highlighted playlist.
inline Message deletePlaylistQuestion(const QString& playlistName)
{
    return {QStringLiteral(" Delete Selected Playlist"),
            QStringLiteral("Are you certain you wish to delete ") + playlistName.toUpper() +
                QStringLiteral("   "),
            MsgButtonsYesNo | MsgIconQuestion};
}

// "New": the name prompt and the question when the playlist exists.
inline const QString kNewPlaylistFrame = QStringLiteral("Name of Playlist");
inline const QString kNewPlaylistCaption = QStringLiteral(" Create New Playlist");
inline const QString kNewPlaylistDefault = QStringLiteral("MyDoomMusic");
inline const QString kNewPlaylistButton = QStringLiteral("OK");
inline Message overwritePlaylistQuestion(const QString& playlistName)
{
    return {QStringLiteral(" Music list creation"),
            playlistName + QStringLiteral(" already exists do you wish to overwrite it?    "),
            MsgButtonsYesNo | MsgIconQuestion};
}

// "New" refusing the name typed: nothing is created.
inline Message refusedPlaylistName(PlaylistNameFault fault)
{
    QString text;
    switch (fault) {
    case PlaylistNameFault::NoName:
        text = QStringLiteral("A playlist needs a name in front of \".z3m\".");
        break;
    case PlaylistNameFault::DotName:
        text = QStringLiteral("\".\" and \"..\" cannot name a playlist.");
        break;
    case PlaylistNameFault::PathSeparator:
        text = QStringLiteral("A playlist name cannot hold \"/\" or \"\\\":") + kCrLf +
               QStringLiteral("a playlist is one file in the music folder.");
        break;
    case PlaylistNameFault::Quote:
        text = QStringLiteral("A playlist name cannot hold a double quote (\"):") + kCrLf +
               QStringLiteral("the engine is handed the name in double quotes.");
        break;
    case PlaylistNameFault::ControlCharacter:
    case PlaylistNameFault::None:
        text = QStringLiteral("A playlist name cannot hold line breaks, tabs or other") + kCrLf +
               QStringLiteral("control characters.");
        break;
    }
    return {QStringLiteral(" Name of Playlist"), text, MsgButtonsOk | MsgIconExclamation};
}

// "Open" on a playlist whose file is there but cannot be read: nothing opens.
inline Message unreadablePlaylist(const QString& playlistName, ErrorNumber error)
{
    QString reason;
    switch (error) {
    case ErrorNumber::PermissionDenied:
        reason = QStringLiteral("permission to read it is denied");
        break;
    case ErrorNumber::FileAlreadyOpen:
        reason = QStringLiteral("another program holds it");
        break;
    case ErrorNumber::FileNotFound:
    case ErrorNumber::PathNotFound:
        reason = QStringLiteral("it is no longer there");
        break;
    default:
        reason = QStringLiteral("the system could not read it (error %1)").arg(errorCode(error));
        break;
    }
    return {QStringLiteral(" Open playlist"),
            QStringLiteral("The playlist ") + playlistName + QStringLiteral(" cannot be opened:") +
                kCrLf + reason + u'.',
            MsgButtonsOk | MsgIconExclamation};
}

// The editor.
inline const QString kEditorLabel =
    QStringLiteral(" Double-click on a map entries to add selections to the playlist");
inline const QString kAddMusicTitle = QStringLiteral("Add or Replace a music file to the Playlist");
inline const QStringList kAddMusicFilters{"All Files", "*.*",   "Mp3 Files", "*.mp3",
                                          "Ogg Files", "*.ogg", "Mid Files", "*.mid"};
inline const Message kUnsupportedMusicFile{QStringLiteral(" Error"),
                                           QStringLiteral(" This file type is not supported.    "),
                                           MsgButtonsOk | MsgIconCritical};
inline const Message kCloneQuestion{
    QStringLiteral(" Clone playlist"),
    QStringLiteral("This procedure will duplicate the current playlist making it    ") + kCrLf +
        QStringLiteral(" compatible with all Doom wads, do you wish to continue?       "),
    MsgButtonsYesNo | MsgIconQuestion};
inline const Message kSaveChangesQuestion{
    QStringLiteral(" Save playlist"),
    QStringLiteral(" Your playlist has unsaved changes.      ") + kCrLf +
        QStringLiteral("  Do you want to save on exiting?        "),
    MsgButtonsYesNo | MsgIconQuestion};
inline const Message kSaveNewFormatQuestion{
    QStringLiteral(" Save playlist to new format"),
    QStringLiteral(" Your playlist has been converted to the new format.     ") + kCrLf +
        QStringLiteral("   Do you wish to save the new format on exiting?        "),
    MsgButtonsYesNo | MsgIconQuestion};

} // namespace z3d::music_messages
