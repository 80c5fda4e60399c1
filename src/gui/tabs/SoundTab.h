#pragma once

#include <QGroupBox>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Ui {
class SoundTab;
}

namespace z3d {

struct LauncherSettings;

struct OptionAvailability;

struct OptionChangeFlags;

// Page 3 ("Sound", TabFrame_3): the sound boxes (chkSound 0..8), the channel count
// (cbChannels), the ricochet frequency (RicoButton 0/1 around the display-only Ricotext) and
// the " Music Playlists " frame (SelectionList, butMusic 0..2, "Manual" chkSound_5 and
// "Auto" chkSound_4).
class SoundTab : public QGroupBox
{
    Q_OBJECT

public:
    static constexpr int kMinRicochet = 1;
    static constexpr int kMaxRicochet = 9;

    explicit SoundTab(OptionChangeFlags& flags, QWidget* parent = nullptr);
    ~SoundTab() override;

    // The page's part of the settings record (the controls the settings table names).
    bool applySettings(LauncherSettings& settings);
    void gatherSettings(LauncherSettings& settings) const;

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

signals:
    // The player clicked " Enable ricochets"; the ricochet setting is marked as changed.
    void ricochetsClicked(bool enabled);

private:
    QCheckBox* chkSound(int index) const;
    std::unique_ptr<Ui::SoundTab> m_ui;
    OptionChangeFlags& m_flags;
};

} // namespace z3d
