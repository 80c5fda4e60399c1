#pragma once

#include "gui/ControlArray.h"

#include <QObject>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace z3d {

struct LauncherSettings;

// The choices that hold for every game: the skill (SkillsLevel_1 in the first global-options
// frame, SkillsLevel_0 standing in for it in the compact layout, the two kept on the same
// entry) and what follows a launch (ExitOption 0..2), with "Development mode" (chkTesting).
// "Development mode" and the "Normal" after-launch option (ExitOption_0) stay hidden until the
// start-up offers them or a player finds the dots (ImageDG 2 and 3) that show them.
//
// A choice the player makes is stored in the settings record at once.
class GlobalOptions : public QObject
{
    Q_OBJECT

public:
    // The controls of form; development is its "Development mode" box.
    GlobalOptions(QWidget& form, QCheckBox& development, LauncherSettings& settings);

    // The control arrays by index (nullptr for an index the array lacks).
    QComboBox* skillsLevel(int index) const { return m_skillsLevels.at(index); }
    QRadioButton* exitOption(int index) const { return m_exitOptions.at(index); }
    QLabel* imageDG(int index) const { return m_imagesDG.at(index); }
    // The skill list's entry (0 is "Start game from New") and an entry's text.
    int skillEntry() const;
    QString skillText(int entry) const;

    // SkillsLevel_Click: the other list follows; an entry other than "Start game from New" is
    // remembered as the last skill.
    void skillsLevelClick(int index);
    void exitOptionClick(int index);
    // ImageDG_MouseDown: 2 toggles "Development mode" (hiding it also turns it off),
    // 3 toggles the "Normal" after-launch option.
    void imageDGMouseDown(int index);
    // "Development mode": its box and the "Normal" after-launch option are offered.
    void offerDevelopmentMode();
    void offerNormalExit();

signals:
    // A skill was chosen, by the player or by code.
    void skillChosen();

private:
    LauncherSettings& m_settings;
    QCheckBox& m_development;
    ControlArray<QComboBox, 2> m_skillsLevels;
    ControlArray<QRadioButton, 3> m_exitOptions;
    ControlArray<QLabel, 2> m_imagesDG;
    bool m_syncingSkills = false;
};

} // namespace z3d
