#pragma once

#include "gui/tabs/TabPage.h"

#include <array>
#include <memory>

class QCheckBox;

namespace Ui {
class OptionsTab;
}

namespace z3d {

struct LauncherSettings;
struct OptionAvailability;
struct OptionChangeFlags;

// Page 1 ("Options", TabFrame_1): the game-rule boxes (chkZ3DOpts 0..10), the corpse-fade
// seconds (butleft / Corpse / butRight with its label), the grenade launcher (butLeft2 /
// Timeout / butRight2 and ChkGL) and the launcher preferences (chkLaunchPrefs 0..5).
//
// The page holds the corpse-fade seconds and the grenade timeout; Corpse and Timeout only show
// them, and only their arrow buttons change them.
class OptionsTab : public TabPage
{
    Q_OBJECT

public:
    static constexpr int kMaxCorpseSeconds = 9;
    static constexpr int kMaxGrenadeSeconds = 7;

    // The launcher preferences write their fields of settings as the player changes them.
    OptionsTab(OptionChangeFlags& flags, LauncherSettings& settings, QWidget* parent = nullptr);
    ~OptionsTab() override;

    // The page's settings, the corpse and grenade values then shown in their colours with
    // their captions.
    bool applySettings(LauncherSettings& settings) override;
    void gatherSettings(LauncherSettings& settings) const override;

    // butleft / butRight: corpse-fade seconds -1 / +1 within 0..9. At 0 the value turns dark
    // red, the label reads "No corpse fade" and "Resurrect with fade" is unchecked and
    // disabled; above 0 the label reads "Seconds before corpses fade" and the box is enabled.
    void butleftClick();
    void butRightClick();
    // butLeft2 / butRight2: grenade timeout -1 / +1 within 0..7; at 0 the value turns dark red
    // and ChkGL reads "Pipebomb Launcher", otherwise "Grenade Launcher".
    void butLeft2Click();
    void butRight2Click();

    // Colour and caption of the corpse value and its label from the value held, leaving
    // "Resurrect with fade" alone (used when a stored value is put into the box).
    void showCorpseCaption();
    // Colour of the timeout value and the ChkGL caption from the value held.
    void showGrenadeCaption();

    // Enables the page's controls as the availability says: "Water dynamics", "Underwater fake
    // glow" and the corpse-fade controls (the frame caption greyed with them) with the
    // enhancements, and "Resurrect with fade".
    void applyAvailability(const OptionAvailability& available);
    // Load: "Resurrect with fade" cannot be on without a corpse fade.
    void uncheckResurrectWithFade();
    int corpseFadeSeconds() const;

    // The tips window's own box was unchecked: "Display tip of the day" follows.
    void uncheckTipOfTheDay();
    // "Shortcut creation" is checked.
    bool shortcutCreationChosen() const;

signals:
    // A corpse-fade button changed the seconds (the page has applied their rule already).
    void corpseFadeChanged(int seconds);
    // "Remember last map" / "Remember last savegame" turned off: the remembered maps / save
    // games are to be forgotten.
    void rememberedMapsDropped();
    void rememberedSavesDropped();
    // "Shortcut creation", "Disable tooltip text" and "Display tip of the day" changed.
    void shortcutCreationChanged(bool on);
    void tooltipsDisabledChanged(bool disabled);
    void tipsDisplayChanged(bool show);
    // The player checked "Display tip of the day": the tips window is shown.
    void tipsWindowWanted();

private:
    QCheckBox* chkZ3DOpts(int index) const;
    // chkLaunchPrefs_Click: stores the box in its setting, then the index's own effect.
    void launchPreferenceChanged(int index, bool on);
    void stepCorpse(int delta);
    void stepGrenade(int delta);
    // Hold a value and show it in its box.
    void setCorpseSeconds(int seconds);
    void setGrenadeSeconds(int seconds);

    std::unique_ptr<Ui::OptionsTab> m_ui;
    OptionChangeFlags& m_flags;
    LauncherSettings& m_settings;
    std::array<QCheckBox*, 6> m_chkLaunchPrefs{};
    int m_corpseSeconds = 0;
    int m_grenadeSeconds = 0;
};

} // namespace z3d
