#include "gui/tabs/OptionsTab.h"

#include "core/launch/OptionAvailability.h"
#include "core/settings/LauncherSettings.h"
#include "gui/tabs/OptionChangeFlags.h"
#include "gui/tabs/TextColour.h"
#include "ui_OptionsTab.h"

#include <algorithm>

namespace z3d {

namespace {

constexpr int kResurrectWithFade = 3;
constexpr int kUnderwaterFakeGlow = 4;

// A display box's value of 0 shows in dark red, and its caption says what 0 means.
template <class Caption>
void showValueCaption(QLineEdit& box, int value, Caption& caption, const QString& atZero,
                      const QString& otherwise)
{
    const bool zero = value == 0;
    if (zero)
        TextColour::set(&box, TextColour::darkRed());
    else
        TextColour::reset(&box);
    caption.setText(zero ? atZero : otherwise);
}

} // namespace

OptionsTab::OptionsTab(OptionChangeFlags& flags, LauncherSettings& settings, QWidget* parent)
    : TabPage(parent), m_ui(std::make_unique<Ui::OptionsTab>()), m_flags(flags),
      m_settings(settings)
{
    m_ui->setupUi(this);
    m_chkLaunchPrefs = {m_ui->chkLaunchPrefs_0, m_ui->chkLaunchPrefs_1, m_ui->chkLaunchPrefs_2,
                        m_ui->chkLaunchPrefs_3, m_ui->chkLaunchPrefs_4, m_ui->chkLaunchPrefs_5};
    for (int i = 0; i < int(m_chkLaunchPrefs.size()); ++i)
        connect(m_chkLaunchPrefs[i], &QAbstractButton::toggled, this,
                [this, i](bool on) { launchPreferenceChanged(i, on); });
    connect(m_ui->chkLaunchPrefs_5, &QAbstractButton::clicked, this, [this](bool checked) {
        if (checked)
            emit tipsWindowWanted();
    });
    connect(m_ui->butleft, &QAbstractButton::clicked, this, &OptionsTab::butleftClick);
    connect(m_ui->butRight, &QAbstractButton::clicked, this, &OptionsTab::butRightClick);
    connect(m_ui->butLeft2, &QAbstractButton::clicked, this, &OptionsTab::butLeft2Click);
    connect(m_ui->butRight2, &QAbstractButton::clicked, this, &OptionsTab::butRight2Click);
    // Only the player's own change counts: the console command is resent after a change.
    connect(chkZ3DOpts(kUnderwaterFakeGlow), &QAbstractButton::clicked, this,
            [this] { m_flags.fakeGlowChanged = true; });
    const LauncherSettings defaults;
    setCorpseSeconds(defaults.corpseFadeSeconds);
    setGrenadeSeconds(defaults.grenadeTimeout);
}

OptionsTab::~OptionsTab() = default;

bool OptionsTab::applySettings(LauncherSettings& settings)
{
    setCorpseSeconds(settings.corpseFadeSeconds);
    setGrenadeSeconds(settings.grenadeTimeout);
    if (!TabPage::applySettings(settings))
        return false;
    showCorpseCaption();
    showGrenadeCaption();
    return true;
}

void OptionsTab::gatherSettings(LauncherSettings& settings) const
{
    TabPage::gatherSettings(settings);
    settings.corpseFadeSeconds = m_corpseSeconds;
    settings.grenadeTimeout = m_grenadeSeconds;
}

QCheckBox* OptionsTab::chkZ3DOpts(int index) const
{
    return findChild<QCheckBox*>(QStringLiteral("chkZ3DOpts_%1").arg(index));
}

void OptionsTab::butleftClick()
{
    stepCorpse(-1);
}
void OptionsTab::butRightClick()
{
    stepCorpse(+1);
}
void OptionsTab::butLeft2Click()
{
    stepGrenade(-1);
}
void OptionsTab::butRight2Click()
{
    stepGrenade(+1);
}

void OptionsTab::setCorpseSeconds(int seconds)
{
    m_corpseSeconds = seconds;
    m_ui->Corpse->setText(QString::number(seconds));
}

void OptionsTab::setGrenadeSeconds(int seconds)
{
    m_grenadeSeconds = seconds;
    m_ui->Timeout->setText(QString::number(seconds));
}

void OptionsTab::stepCorpse(int delta)
{
    const int seconds = std::clamp(m_corpseSeconds + delta, 0, kMaxCorpseSeconds);
    setCorpseSeconds(seconds);
    showCorpseCaption();
    QCheckBox* resurrect = chkZ3DOpts(kResurrectWithFade);
    if (seconds == 0)
        resurrect->setChecked(false);
    resurrect->setEnabled(seconds != 0);
    emit corpseFadeChanged(seconds);
}

void OptionsTab::stepGrenade(int delta)
{
    setGrenadeSeconds(std::clamp(m_grenadeSeconds + delta, 0, kMaxGrenadeSeconds));
    showGrenadeCaption();
}

void OptionsTab::showCorpseCaption()
{
    showValueCaption(*m_ui->Corpse, m_corpseSeconds, *m_ui->lblCorpse,
                     QStringLiteral("No corpse fade"),
                     QStringLiteral("Seconds before corpses fade"));
}

void OptionsTab::showGrenadeCaption()
{
    showValueCaption(*m_ui->Timeout, m_grenadeSeconds, *m_ui->ChkGL,
                     QStringLiteral("Pipebomb Launcher"), QStringLiteral("Grenade Launcher"));
}

void OptionsTab::launchPreferenceChanged(int index, bool on)
{
    switch (index) {
    case 0:
        m_settings.rememberLastMap = on;
        if (!on)
            emit rememberedMapsDropped();
        break;
    case 1:
        m_settings.rememberLastSavegame = on;
        if (!on)
            emit rememberedSavesDropped();
        break;
    case 2:
        m_settings.shortcutCreation = on;
        emit shortcutCreationChanged(on);
        break;
    case 3:
        m_settings.disableTooltips = on;
        emit tooltipsDisabledChanged(on);
        break;
    case 4:
        m_settings.wadFilesOnly = on;
        break;
    case 5:
        m_settings.showTips = on;
        emit tipsDisplayChanged(on);
        break;
    }
}

void OptionsTab::uncheckTipOfTheDay()
{
    m_ui->chkLaunchPrefs_5->setChecked(false);
}

bool OptionsTab::shortcutCreationChosen() const
{
    return m_ui->chkLaunchPrefs_2->isChecked();
}

void OptionsTab::applyAvailability(const OptionAvailability& available)
{
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->chkZ3DOpts_2), static_cast<QWidget*>(m_ui->chkZ3DOpts_4),
          static_cast<QWidget*>(m_ui->butleft), static_cast<QWidget*>(m_ui->butRight),
          static_cast<QWidget*>(m_ui->Corpse), static_cast<QWidget*>(m_ui->lblCorpse)})
        control->setEnabled(available.enhancements);
    TextColour::greyCaption(m_ui->CorpseFrame, !available.enhancements);
    m_ui->chkZ3DOpts_3->setEnabled(available.resurrectWithFade);
}

void OptionsTab::uncheckResurrectWithFade()
{
    m_ui->chkZ3DOpts_3->setChecked(false);
}

int OptionsTab::corpseFadeSeconds() const
{
    return m_corpseSeconds;
}

} // namespace z3d
