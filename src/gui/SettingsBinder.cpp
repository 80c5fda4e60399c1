#include "gui/SettingsBinder.h"

#include "core/platform/NumberFormat.h"
#include "core/settings/LauncherSettings.h"
#include "core/settings/SettingsTable.h"
#include "gui/mainwindow.h"
#include "gui/tabs/OptionsTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <limits>
#include <vector>

namespace z3d {

namespace {

// The order in which the controls are set; lines of one rank go in table order.
int applyRank(const SettingLine& line)
{
    const QString control = QLatin1String(line.control);
    struct Rank
    {
        const char* prefix;
        int rank;
    };
    static const Rank ranks[] = {
        {"cbChannels", 0},   {"Corpse", 1},           {"Ricotext", 1},
        {"Timeout", 1},      {"SkillsLevel_", 2},     {"chkMain_", 3},
        {"chkGraphics_", 3}, {"SkyOpt", 4},           {"ExitOption", 5},
        {"OptionUdir", 6},   {"ChkModelOpts_", 7},    {"chkAltModels_", 7},
        {"ChkGL", 8},        {"chkTesting", 9},       {"chkZ3DOpts_", 10},
        {"chkSound_", 11},   {"chkLaunchPrefs_", 12}, {"chkEffects_", 13},
        {"LightText", 14},   {"edCustom", 15},
    };
    for (const Rank& r : ranks) {
        if (control.startsWith(QLatin1String(r.prefix)))
            return r.rank;
    }
    // A check box the list above does not name goes with the last boxes.
    return line.binding == SettingBinding::CheckBox ? 13 : -1;
}

// A box that feeds two fields shows its main field, not the copy kept beside it.
bool isSecondCopy(const SettingLine& line)
{
    return QLatin1String(line.field).endsWith(QLatin1String("Copy"));
}

// The number a box shows; an empty or unreadable box gives 0, and a number beyond the 16-bit
// range of the fields is held at its nearest end.
int wholeNumber(const QString& text)
{
    const NumberReading reading = NumberFormat::parse(text, std::numeric_limits<qint64>::min() / 2,
                                                      std::numeric_limits<qint64>::max() / 2);
    if (!reading.ok())
        return 0;
    return static_cast<int>(std::clamp<qint64>(reading.value, -32768, 32767));
}

bool applyLine(const SettingLine& line, LauncherSettings& settings, MainWindow& window)
{
    const QString name = QLatin1String(line.control);
    switch (line.binding) {
    case SettingBinding::CheckBox:
        if (!isSecondCopy(line))
            window.control<QCheckBox>(name)->setChecked(line.flagValue(settings));
        return true;
    case SettingBinding::ComboText:
        window.control<QComboBox>(name)->setCurrentText(
            QString::number(line.numberValue(settings)));
        return true;
    case SettingBinding::NumberText: {
        int value = line.numberValue(settings);
        if (name == QLatin1String("LightText")) {
            value = LauncherSettings::lightValueForDisplay(value);
            line.setNumber(settings, value);
        }
        window.control<QLineEdit>(name)->setText(QString::number(value));
        return true;
    }
    case SettingBinding::LineEdit:
        window.control<QLineEdit>(name)->setText(line.textValue(settings));
        return true;
    case SettingBinding::ListIndex: {
        auto* list = window.control<QComboBox>(name);
        const int index = line.numberValue(settings);
        if (index < 0 || index >= list->count())
            return false;
        list->setCurrentIndex(index);
        return true;
    }
    case SettingBinding::OptionGroup: {
        const int index = line.numberValue(settings);
        auto* option =
            window.findChild<QRadioButton*>(QStringLiteral("%1_%2").arg(name).arg(index));
        if (index < 0 || !option)
            return false;
        option->setChecked(true);
        return true;
    }
    case SettingBinding::PanelButton:
    case SettingBinding::None:
        return true;
    }
    return true;
}

void gatherLine(const SettingLine& line, LauncherSettings& settings, const MainWindow& window)
{
    const QString name = QLatin1String(line.control);
    switch (line.binding) {
    case SettingBinding::CheckBox: {
        auto* box = window.control<QCheckBox>(name);
        if (name == QLatin1String("chkSound_2"))
            box->setChecked(line.flagValue(settings));
        else
            line.setFlag(settings, box->isChecked());
        break;
    }
    case SettingBinding::ComboText:
        line.setNumber(settings, wholeNumber(window.control<QComboBox>(name)->currentText()));
        break;
    case SettingBinding::NumberText:
        line.setNumber(settings, wholeNumber(window.control<QLineEdit>(name)->text()));
        break;
    case SettingBinding::LineEdit:
        line.setText(settings, window.control<QLineEdit>(name)->text());
        break;
    case SettingBinding::ListIndex:
        line.setNumber(settings, std::max(0, window.control<QComboBox>(name)->currentIndex()));
        break;
    case SettingBinding::OptionGroup:
        if (window.control<QRadioButton>(name + QLatin1String("_0"))->isChecked())
            line.setNumber(settings, 0);
        break;
    case SettingBinding::PanelButton:
    case SettingBinding::None:
        break;
    }
}

} // namespace

bool SettingsBinder::applySettingsToControls(LauncherSettings& settings, MainWindow& window)
{
    std::vector<const SettingLine*> order;
    for (const SettingLine& line : SettingsTable::lines()) {
        if (applyRank(line) >= 0)
            order.push_back(&line);
    }
    std::stable_sort(order.begin(), order.end(), [](const SettingLine* a, const SettingLine* b) {
        return applyRank(*a) < applyRank(*b);
    });
    for (const SettingLine* line : order) {
        if (!applyLine(*line, settings, window))
            return false;
    }
    // The values' colours and captions follow what the boxes now show.
    window.optionsTab()->showCorpseCaption();
    window.optionsTab()->showGrenadeCaption();
    return true;
}

void SettingsBinder::gatherSettingsFromControls(LauncherSettings& settings,
                                                const MainWindow& window)
{
    for (const SettingLine& line : SettingsTable::lines())
        gatherLine(line, settings, window);
}

} // namespace z3d
