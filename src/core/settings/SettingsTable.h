#pragma once

#include "core/settings/LauncherSettings.h"

#include <QList>
#include <QString>

#include <span>

namespace z3d {

// How a line of config.z3d is stored.
enum class SettingKind
{
    Text,     // the whole line, unchanged
    Number16, // a whole number, -32768..32767
    Number32, // a whole number, 32-bit
    Flag,     // the number 1 or 0; any non-zero number reads as on
};

// How the main window shows a line's value (the control named by SettingLine::control).
enum class SettingBinding
{
    None,        // no control
    CheckBox,    // checked exactly when the flag is on
    ComboText,   // an editable combo box showing the number as decimal text (cbChannels)
    NumberText,  // a display-only text box showing the number (LightText)
    PageNumber,  // a number its page holds, shows in a display-only text box and changes with
                 // its own arrow buttons (Corpse, Ricotext, Timeout); the page applies and
                 // gathers it
    LineEdit,    // a text box holding the text (edCustom)
    ListIndex,   // the selected entry's index of a list (SkillsLevel_1)
    OptionGroup, // option buttons "<control>_<index>"; the value is the selected index
                 // (SkyOpt, ExitOption, OptionUdir)
    PanelButton, // SelButton: 1 command-line panel, 2 edit panel; handled by its own code
};

// One line of config.z3d. Exactly one of text, number and flag is set, matching kind.
struct SettingLine
{
    int line;          // 1-based line number in the file
    const char* field; // LauncherSettings field name
    SettingKind kind;
    int defaultNumber;       // default of Number16/Number32/Flag lines (flags: 1 on, 0 off)
    const char* defaultText; // default of Text lines
    QString LauncherSettings::*text;
    int LauncherSettings::*number; // also the 32-bit fields (qint32 is int)
    bool LauncherSettings::*flag;
    const char* control; // objectName of the main-window control, "" when none
    SettingBinding binding;

    // Accessors for code that walks the table. Calling the accessor of another kind is a
    // programming error (asserted).
    QString textValue(const LauncherSettings& s) const;
    int numberValue(const LauncherSettings& s) const;
    bool flagValue(const LauncherSettings& s) const;
    void setText(LauncherSettings& s, const QString& value) const;
    void setNumber(LauncherSettings& s, int value) const;
    void setFlag(LauncherSettings& s, bool value) const;
};

// The 86 lines of config.z3d in file order. Reading, writing and the window's binding of
// controls all walk this one table.
//
// Fields that appear twice: "No monsters" (lines 36 and 52, one field noMonsters); the check
// boxes "Detail textures" (chkGraphics_2: detailTexturesCopy 41, detailTextures 48),
// "Fast monsters" (chkZ3DOpts_5: fastMonstersCopy 20, fastMonsters 50) and "Monster respawn"
// (chkZ3DOpts_8: monsterRespawn 25, monsterRespawnCopy 55) feed two fields each. The
// "Enable ricochets" box (chkSound_2, line 23) is set from its field when gathering, since its
// own click handler keeps the field current. Lines 85 and 86 (window position) are left out in
// Wine mode.
class SettingsTable
{
public:
    static constexpr int kLineCount = 86;
    static constexpr int kWineLineCount = 84;

    // All lines, index i holding line i + 1.
    static std::span<const SettingLine> lines();
    // Line n (1..86), or nullptr.
    static const SettingLine* line(int n);
    // The lines stored in a file written with or without Wine mode (84 or 86).
    static int storedLineCount(bool wineMode);
    // Every line whose control is objectName (two for the doubled check boxes).
    static QList<const SettingLine*> linesForControl(const QString& objectName);
    // Puts every table default into s; the window position becomes 0.
    static void applyDefaults(LauncherSettings& s);
};

} // namespace z3d
