#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QPoint;
class QWidget;

namespace z3d {

struct LauncherContext;
class SoundTab;

// The " Music Playlists " frame's work: the playlists listed from MusicDir, the highlighted
// one remembered as the playlist name, "New", "Open" and "Delete", the playlist editor, and the
// assignment of the highlighted playlist to a commercial game in the auto-playlist file.
class PlaylistController : public QObject
{
    Q_OBJECT

public:
    // dialogOwner owns the playlist editor.
    PlaylistController(LauncherContext& context, SoundTab& page, QWidget& dialogOwner);

    // BuildBuiltInPlaylists, then LoadPlaylistNames: the start-up's playlists.
    void buildBuiltInPlaylists();
    // LoadPlaylistNames: the list refilled from MusicDir with the remembered playlist
    // highlighted.
    void loadPlaylistNames();
    // The activation step: "Auto" is unchecked when the auto-playlist file is gone.
    void checkAutoPlaylistFile();

    // "New": the name prompt, the overwrite question, then the editor on an empty playlist. A
    // name that cannot be a playlist's is refused with the reason, and nothing opens.
    void newPlaylist();
    // "Open" and a double click: the highlighted playlist in the editor.
    void openPlaylist();
    // "Delete": the highlighted playlist, after its question.
    void deletePlaylist();
    // SetAutoPlaylist: the remembered playlist becomes the game's automatic one (0 Doom/Ultimate
    // Doom, 1 Doom II, 2 Plutonia, 3 TNT).
    void assignAutoPlaylist(int game);

private:
    void playlistHighlighted(const QString& name);
    void showAutoPlaylistMenu(const QPoint& globalPosition);
    void playlistSaved(const QString& name);
    // The name typed for a new playlist, ".z3m" cut off; nothing when the prompt was left
    // empty or cancelled, or when the name was refused (which is said).
    std::optional<QString> askNewPlaylistName();
    void runEditor(const QString& name, bool newPlaylist);
    QString musicDir() const;

    LauncherContext& m_context;
    SoundTab& m_page;
    QWidget& m_dialogOwner;
};

} // namespace z3d
