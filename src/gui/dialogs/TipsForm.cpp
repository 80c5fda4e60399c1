#include "gui/dialogs/TipsForm.h"

#include "core/app/TipsOfTheDay.h"
#include "core/settings/LauncherSettings.h"
#include "ui_TipsForm.h"

#include <QSignalBlocker>
#include <QStyle>

namespace z3d {

TipsForm::TipsForm(LauncherSettings& settings, const QString& launcherDataDir, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TipsForm>()), m_settings(settings)
{
    setUp();
    const std::optional<QStringList> tips = TipsOfTheDay::read(launcherDataDir);
    showTips(tips);
    showNextTip();
}

TipsForm::TipsForm(LauncherSettings& settings, const std::optional<QStringList>& tips,
                   QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TipsForm>()), m_settings(settings)
{
    setUp();
    showTips(tips);
    if (m_settings.tipNumber >= 1 && m_settings.tipNumber <= m_tips.size())
        m_ui->lblTipText->setText(m_tips.at(m_settings.tipNumber - 1));
}

void TipsForm::setUp()
{
    m_ui->setupUi(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    m_ui->TipPicture->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(side, side));
    connect(m_ui->cmdNextTip, &QPushButton::clicked, this, &TipsForm::showNextTip);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->chkShowTips, &QCheckBox::clicked, this, [this](bool checked) {
        m_settings.showTips = true;
        if (!checked)
            emit showAtStartupTurnedOff();
    });
}

void TipsForm::showTips(const std::optional<QStringList>& tips)
{
    if (tips)
        m_tips = *tips;
    else
        m_ui->lblTipText->setText(TipsOfTheDay::kMissingFileText);
}

TipsForm::~TipsForm() = default;

void TipsForm::showNextTip()
{
    if (m_tips.isEmpty())
        return;
    m_settings.tipNumber = TipsOfTheDay::next(m_settings.tipNumber, int(m_tips.size()));
    m_ui->lblTipText->setText(m_tips.at(m_settings.tipNumber - 1));
}

void TipsForm::showEvent(QShowEvent* event)
{
    const QSignalBlocker quiet(m_ui->chkShowTips);
    m_ui->chkShowTips->setChecked(m_settings.showTips);
    QDialog::showEvent(event);
}

} // namespace z3d
