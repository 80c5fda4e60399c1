#pragma once

#include "core/music/PlaylistFormat.h"
#include "core/platform/InstallPaths.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QAction;
class QMenu;

namespace Ui {
class MusicForm;
}

namespace z3d {

class Dialogs;
class IwadRegistry;
class Processes;

namespace music_messages {
struct Message;
}

// The playlist editor " Music List": one playlist's lines in MusicList, shown as they stand,
// edited in memory and written to MusicDir only by "&Save" and the closing questions.
//
// Prepare an opening with openNew() or open(), then run the window modally with exec(). Each
// opening starts afresh: closing discards the lines, the flags and the lines a Doom-to-Doom II
// toggle set aside. Every message, file dialog and program start goes through the services.
class MusicForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kCdTrackCount = 36;

    MusicForm(const InstallPaths& paths, const IwadRegistry& iwads, Dialogs& dialogs,
              Processes& processes, QWidget* parent = nullptr);
    ~MusicForm() override;

    // A new playlist called name: its empty lines are built when the window is first shown,
    // in the Doom layout when the Doom IWAD (Doom.wad) is registered, else in the Doom II one.
    void openNew(const QString& name);
    // The playlist called name, read from MusicDir. An old-format file is repaired without
    // asking; a non-standard one after the " Non Standard Format" question. False (nothing
    // to show) when the file is missing, when it is unreadable (which is said, with the
    // reason) or when the question was answered No.
    bool open(const QString& name);

public slots:
    // On the current line when it is a slot line: the music file chosen in the open-file
    // dialog. An unsupported type is refused with " Error" and changes nothing; otherwise
    // the playlist counts as changed (even when the dialog was cancelled) and music.z3d
    // remembers the folder.
    void addMusic();
    // The current line plays CD track 1 to 36.
    void setCdTrack(int track);
    // Every highlighted line, or every line, keeps only its slot name.
    void removeSelection();
    void removeAll();
    // Doom <-> Doom II, and Doom or Doom II -> Mixed (after the " Clone playlist" question).
    // Neither acts on a Mixed or built-in playlist, as their menu items are then disabled.
    void toggleMapTypes();
    void clonePlaylist();
    // Writes the playlist; false after a write error, which has been shown.
    bool save();
    // Closes the editor (with its questions) and opens the saved playlist in the program
    // named by editor.z3d, else in the text editor. Nothing when the file does not exist.
    void exitToTextEditor();
    // playlist.txt, and the music pack's read-me of a built-in playlist, in the text editor.
    void showHelp();
    void showReadme();

    // Closing by any way asks to save unsaved changes, then to save a converted playlist.
    void done(int result) override;

signals:
    // After each successful save of the playlist called name.
    void playlistSaved(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void placeWindow();
    void startOpening(const QString& name);
    void activate();
    void updateOptionsMenu();
    void showPopupMenu(const QPoint& position);
    QStringList lines() const;
    void showLines(const QStringList& lines);
    void replaceCurrentLine(const QString& line);
    int ask(const music_messages::Message& message);

    std::unique_ptr<Ui::MusicForm> m_ui;
    InstallPaths m_paths;
    const IwadRegistry& m_iwads;
    Dialogs& m_dialogs;
    Processes& m_processes;

    QAction* m_toggleAction = nullptr;
    QAction* m_cloneAction = nullptr;
    QAction* m_readmeAction = nullptr;
    QAction* m_removeSelectionAction = nullptr;
    QMenu* m_popupMenu = nullptr;

    QString m_name;
    playlist::PlaylistType m_type = playlist::PlaylistType::Doom2;
    // Lines of E4M6..E4M9 and D_VICTOR set aside by a toggle to Doom II, for the way back.
    QStringList m_setAside;
    bool m_newPlaylist = false;
    bool m_activationPending = false;
    bool m_unsavedChanges = false;
    bool m_convertedPlaylist = false;
};

} // namespace z3d
