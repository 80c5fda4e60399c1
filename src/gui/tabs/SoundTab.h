#pragma once

#include "gui/tabs/TabPage.h"

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QListWidget;
class QMenu;
class QPoint;
class QPushButton;

namespace Ui {
class SoundTab;
}

namespace z3d {

struct OptionAvailability;
struct OptionChangeFlags;

// Page 3 ("Sound", TabFrame_3): the sound boxes (chkSound 0..8), the channel count
// (cbChannels), the ricochet frequency (held by the page, shown in the display-only Ricotext
// between RicoButton 0/1) and the " Music Playlists " frame (SelectionList, butMusic 0..2,
// "Manual" chkSound_5 and "Auto" chkSound_4).
class SoundTab : public TabPage
{
    Q_OBJECT

public:
    static constexpr int kMinRicochet = 1;
    static constexpr int kMaxRicochet = 9;

    explicit SoundTab(OptionChangeFlags& flags, QWidget* parent = nullptr);
    ~SoundTab() override;

    bool applySettings(LauncherSettings& settings) override;
    void gatherSettings(LauncherSettings& settings) const override;

    // RicoButton(0) / (1): ricochet frequency -1 / +1 within 1..9; marks the ricochet setting
    // as changed so the launch sends it.
    void ricoButtonClick(int index);

    // Enables the page's controls as the availability says: " Enable ricochets", " Disable
    // weapon switching sounds" and the ricochet controls with the enhancements, the sound pack
    // with its own.
    void applyAvailability(const OptionAvailability& available);

    // The " Music Playlists " frame.
    void showPlaylistFrame();
    // "Auto" (chkSound_4) is unchecked when there is no automatic playlist.
    void uncheckAutoPlaylist();
    // Whether the auto-playlist file exists: without it a press on "Auto" does not check the
    // box but asks for autoPlaylistMissing.
    void setAutoPlaylistFileFound(bool found);

    // The playlists by name in SelectionList, with the entry equal to highlighted (ignoring
    // case) highlighted. An empty list also unchecks "Auto". The frame's controls follow.
    void showPlaylists(const QStringList& names, const QString& highlighted);
    // The highlighted playlist; empty when none is.
    QString highlightedPlaylist() const;
    // Takes the playlist out of the list and highlights the last entry when any remain.
    void removePlaylist(const QString& name);
    void uncheckManualPlaylist();
    // The pop-up menu "Auto Playlist Selection for Iwads" at a screen position, its items for
    // Doom/Ultimate Doom, Doom II, Plutonia and TNT disabled where gamesInstalled says no. An
    // item once disabled stays so for the run.
    void showAutoPlaylistMenu(const QPoint& globalPosition,
                              const std::array<bool, 4>& gamesInstalled);

signals:
    // The player clicked " Enable ricochets"; the ricochet setting is marked as changed.
    void ricochetsClicked(bool enabled);

    // An entry of SelectionList became highlighted, by a click or by code.
    void playlistHighlighted(const QString& name);
    // "New", "Open" (or a double click on an entry) and "Delete".
    void newPlaylistWanted();
    void openPlaylistWanted();
    void deletePlaylistWanted();
    // The right button over a highlighted entry: the caller answers with showAutoPlaylistMenu.
    void autoPlaylistMenuWanted(const QPoint& globalPosition);
    // An item of the auto-playlist menu: 0 Doom/Ultimate Doom, 1 Doom II, 2 Plutonia, 3 TNT.
    void autoPlaylistAssigned(int game);
    // A press on "Auto" found no auto-playlist file.
    void autoPlaylistMissing();
    // "Manual" was clicked while no playlist was highlighted; the box was unchecked again.
    void manualPlaylistWithoutSelection();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* chkSound(int index) const;
    void connectPlaylistFrame();
    void autoPlaylistToggled(bool on);
    void manualPlaylistToggled(bool on);
    void updatePlaylistFrame();
    // Holds the ricochet frequency and shows it in Ricotext.
    void setRicochet(int value);

    std::unique_ptr<Ui::SoundTab> m_ui;
    OptionChangeFlags& m_flags;
    QMenu* m_autoPlaylistMenu = nullptr;
    bool m_autoPlaylistFileFound = true;
    int m_ricochet = 0;
};

} // namespace z3d
