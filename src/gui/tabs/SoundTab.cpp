#include "gui/tabs/SoundTab.h"

#include "core/launch/OptionAvailability.h"
#include "gui/SettingsBinder.h"
#include "gui/tabs/OptionChangeFlags.h"
#include "gui/tabs/OptionsTab.h"
#include "ui_SoundTab.h"

#include <algorithm>

namespace z3d {

namespace {
constexpr int kEnableRicochets = 2;
} // namespace

SoundTab::SoundTab(OptionChangeFlags& flags, QWidget* parent)
    : QGroupBox(parent), m_ui(std::make_unique<Ui::SoundTab>()), m_flags(flags)
{
    m_ui->setupUi(this);
    connect(m_ui->RicoButton_0, &QAbstractButton::clicked, this, [this] { ricoButtonClick(0); });
    connect(m_ui->RicoButton_1, &QAbstractButton::clicked, this, [this] { ricoButtonClick(1); });
    connect(chkSound(kEnableRicochets), &QAbstractButton::clicked, this, [this](bool checked) {
        m_flags.ricochetChanged = true;
        emit ricochetsClicked(checked);
    });
}

SoundTab::~SoundTab() = default;

bool SoundTab::applySettings(LauncherSettings& settings)
{
    return SettingsBinder::apply(settings, *this);
}

void SoundTab::gatherSettings(LauncherSettings& settings) const
{
    SettingsBinder::gather(settings, *this);
}

QCheckBox* SoundTab::chkSound(int index) const
{
    return findChild<QCheckBox*>(QStringLiteral("chkSound_%1").arg(index));
}

void SoundTab::ricoButtonClick(int index)
{
    if (index != 0 && index != 1)
        return;
    const int delta = index == 0 ? -1 : +1;
    const int value =
        std::clamp(OptionsTab::shownValue(m_ui->Ricotext) + delta, kMinRicochet, kMaxRicochet);
    m_ui->Ricotext->setText(QString::number(value));
    m_flags.ricochetChanged = true;
}

void SoundTab::showPlaylistFrame()
{
    m_ui->PlaylistFrame->setVisible(true);
}

void SoundTab::uncheckAutoPlaylist()
{
    m_ui->chkSound_4->setChecked(false);
}

void SoundTab::applyAvailability(const OptionAvailability& available)
{
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->chkSound_2), static_cast<QWidget*>(m_ui->chkSound_7),
          static_cast<QWidget*>(m_ui->RicoButton_0), static_cast<QWidget*>(m_ui->RicoButton_1),
          static_cast<QWidget*>(m_ui->Ricotext)})
        control->setEnabled(available.enhancements);
    m_ui->chkSound_6->setEnabled(available.soundPack);
}

} // namespace z3d
