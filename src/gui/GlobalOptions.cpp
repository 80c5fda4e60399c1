#include "gui/GlobalOptions.h"

#include "core/settings/LauncherSettings.h"
#include "gui/PictureButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace z3d {

GlobalOptions::GlobalOptions(QWidget& form, QCheckBox& development, LauncherSettings& settings)
    : QObject(&form), m_settings(settings), m_development(development),
      m_skillsLevels(form, "SkillsLevel"), m_exitOptions(form, "ExitOption"),
      m_imagesDG(form, "ImageDG", 2)
{
    m_development.hide();
    exitOption(0)->hide();
    for (int i = 0; i < 2; ++i) {
        connect(skillsLevel(i), &QComboBox::currentIndexChanged, this,
                [this, i] { skillsLevelClick(i); });
    }
    for (int i = 0; i < 3; ++i) {
        connect(exitOption(i), &QAbstractButton::toggled, this, [this, i](bool on) {
            if (on)
                exitOptionClick(i);
        });
    }
    for (int i : {2, 3}) {
        auto* dot = new PictureButton(*imageDG(i), "dot");
        connect(dot, &PictureButton::pressed, this, [this, i] { imageDGMouseDown(i); });
    }
}

void GlobalOptions::skillsLevelClick(int index)
{
    if (m_syncingSkills || (index != 0 && index != 1))
        return;
    const int entry = skillsLevel(index)->currentIndex();
    m_syncingSkills = true;
    skillsLevel(1 - index)->setCurrentIndex(entry);
    m_syncingSkills = false;
    if (entry > 0)
        m_settings.lastSkill = entry;
    emit skillChosen();
}

int GlobalOptions::skillEntry() const
{
    return skillsLevel(1)->currentIndex();
}

QString GlobalOptions::skillText(int entry) const
{
    return skillsLevel(1)->itemText(entry);
}

void GlobalOptions::exitOptionClick(int index)
{
    m_settings.afterLaunchOption = index;
}

void GlobalOptions::imageDGMouseDown(int index)
{
    if (index == 2) {
        if (m_development.isHidden()) {
            m_development.show();
        } else {
            m_development.hide();
            m_development.setChecked(false);
            m_settings.developmentMode = false;
        }
    } else if (index == 3) {
        exitOption(0)->setHidden(!exitOption(0)->isHidden());
    }
}

void GlobalOptions::offerDevelopmentMode()
{
    m_development.setVisible(true);
    exitOption(0)->setVisible(true);
}

void GlobalOptions::offerNormalExit()
{
    exitOption(0)->setVisible(true);
}

} // namespace z3d
