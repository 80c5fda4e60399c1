#include "gui/SettingsBinder.h"

#include "core/platform/NumberFormat.h"
#include "core/settings/LauncherSettings.h"
#include "core/settings/SettingsTable.h"
#include "gui/NamedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

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
        {"cbChannels", 0},   {"SkillsLevel_", 2},     {"chkMain_", 3},
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

// The control of the form named name, unless it belongs to one of the other forms.
template <class T>
T* controlOf(const NamedControls& form, const QString& name, const QList<const QWidget*>& others)
{
    T* control = form.find<T>(name);
    if (!control)
        return nullptr;
    for (const QWidget* other : others) {
        if (other->isAncestorOf(control))
            return nullptr;
    }
    return control;
}

// The line's control in the form: the box, list or text box it names, or for an option group
// its first option.
const QWidget* boundControl(const SettingLine& line, const NamedControls& form,
                            const QList<const QWidget*>& others)
{
    QString name = QLatin1String(line.control);
    if (line.binding == SettingBinding::OptionGroup)
        name += QLatin1String("_0");
    return controlOf<QWidget>(form, name, others);
}

bool applyLine(const SettingLine& line, LauncherSettings& settings, const NamedControls& form,
               const QList<const QWidget*>& others)
{
    const QString name = QLatin1String(line.control);
    switch (line.binding) {
    case SettingBinding::CheckBox:
        if (!isSecondCopy(line))
            controlOf<QCheckBox>(form, name, others)->setChecked(line.flagValue(settings));
        return true;
    case SettingBinding::ComboText:
        controlOf<QComboBox>(form, name, others)
            ->setCurrentText(QString::number(line.numberValue(settings)));
        return true;
    case SettingBinding::NumberText: {
        int value = line.numberValue(settings);
        if (name == QLatin1String("LightText")) {
            value = LauncherSettings::lightValueForDisplay(value);
            line.setNumber(settings, value);
        }
        controlOf<QLineEdit>(form, name, others)->setText(QString::number(value));
        return true;
    }
    case SettingBinding::LineEdit:
        controlOf<QLineEdit>(form, name, others)->setText(line.textValue(settings));
        return true;
    case SettingBinding::ListIndex: {
        auto* list = controlOf<QComboBox>(form, name, others);
        const int index = line.numberValue(settings);
        if (index < 0 || index >= list->count())
            return false;
        list->setCurrentIndex(index);
        return true;
    }
    case SettingBinding::OptionGroup: {
        const int index = line.numberValue(settings);
        auto* option =
            controlOf<QRadioButton>(form, QStringLiteral("%1_%2").arg(name).arg(index), others);
        if (index < 0 || !option)
            return false;
        option->setChecked(true);
        return true;
    }
    case SettingBinding::PageNumber:
    case SettingBinding::PanelButton:
    case SettingBinding::None:
        return true;
    }
    return true;
}

void gatherLine(const SettingLine& line, LauncherSettings& settings, const NamedControls& form,
                const QList<const QWidget*>& others)
{
    const QString name = QLatin1String(line.control);
    switch (line.binding) {
    case SettingBinding::CheckBox: {
        auto* box = controlOf<QCheckBox>(form, name, others);
        if (name == QLatin1String("chkSound_2"))
            box->setChecked(line.flagValue(settings));
        else
            line.setFlag(settings, box->isChecked());
        break;
    }
    case SettingBinding::ComboText:
        line.setNumber(settings,
                       wholeNumber(controlOf<QComboBox>(form, name, others)->currentText()));
        break;
    case SettingBinding::NumberText:
        line.setNumber(settings, wholeNumber(controlOf<QLineEdit>(form, name, others)->text()));
        break;
    case SettingBinding::LineEdit:
        line.setText(settings, controlOf<QLineEdit>(form, name, others)->text());
        break;
    case SettingBinding::ListIndex:
        line.setNumber(settings,
                       std::max(0, controlOf<QComboBox>(form, name, others)->currentIndex()));
        break;
    case SettingBinding::OptionGroup:
        if (controlOf<QRadioButton>(form, name + QLatin1String("_0"), others)->isChecked())
            line.setNumber(settings, 0);
        break;
    case SettingBinding::PageNumber:
    case SettingBinding::PanelButton:
    case SettingBinding::None:
        break;
    }
}

} // namespace

bool SettingsBinder::apply(LauncherSettings& settings, QWidget& form,
                           const QList<const QWidget*>& others)
{
    const NamedControls controls(form);
    std::vector<const SettingLine*> order;
    for (const SettingLine& line : SettingsTable::lines()) {
        if (applyRank(line) >= 0 && boundControl(line, controls, others))
            order.push_back(&line);
    }
    std::stable_sort(order.begin(), order.end(), [](const SettingLine* a, const SettingLine* b) {
        return applyRank(*a) < applyRank(*b);
    });
    for (const SettingLine* line : order) {
        if (!applyLine(*line, settings, controls, others))
            return false;
    }
    return true;
}

void SettingsBinder::gather(LauncherSettings& settings, const QWidget& form,
                            const QList<const QWidget*>& others)
{
    const NamedControls controls(form);
    for (const SettingLine& line : SettingsTable::lines()) {
        if (line.binding != SettingBinding::PanelButton && line.binding != SettingBinding::None &&
            boundControl(line, controls, others))
            gatherLine(line, settings, controls, others);
    }
}

} // namespace z3d
