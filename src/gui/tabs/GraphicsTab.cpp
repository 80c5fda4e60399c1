#include "gui/tabs/GraphicsTab.h"

#include "core/app/DisplayMode.h"
#include "core/launch/OptionAvailability.h"
#include "gui/tabs/TextColour.h"
#include "ui_GraphicsTab.h"

namespace z3d {

GraphicsTab::GraphicsTab(QWidget* parent)
    : TabPage(parent), m_ui(std::make_unique<Ui::GraphicsTab>())
{
    m_ui->setupUi(this);
    for (auto [option, style] : {std::pair{m_ui->SkyOpt_0, 0}, std::pair{m_ui->SkyOpt_1, 1}})
        connect(option, &QAbstractButton::toggled, this, [this, style](bool on) {
            if (on)
                emit skyboxStyleChosen(style);
        });
    connect(m_ui->HiResText, &QLineEdit::textChanged, this, &GraphicsTab::texturePathChanged);
    connect(m_ui->TexButton, &QPushButton::clicked, this, &GraphicsTab::texturePathBrowseWanted);
}

GraphicsTab::~GraphicsTab() = default;

void GraphicsTab::applyAvailability(const OptionAvailability& available)
{
    m_ui->chkGraphics_2->setEnabled(available.detailTextures);
    for (QWidget* skyboxes :
         {static_cast<QWidget*>(m_ui->chkGraphics_3), static_cast<QWidget*>(m_ui->SkyOpt_0),
          static_cast<QWidget*>(m_ui->SkyOpt_1)})
        skyboxes->setEnabled(available.unlocked(available.skyboxes));
    m_ui->chkGraphics_4->setEnabled(available.unlocked(available.hiResPatches));
    m_ui->chkEffects_0->setEnabled(available.unlocked(available.enhancements));
    m_ui->chkEffects_2->setEnabled(available.unlocked(available.enhancements));
    TextColour::greyCaption(m_ui->EffectsFrame, !available.enhancements);
    m_ui->chkEffects_3->setEnabled(available.extraFxOffered());
    m_ui->TexButton->setEnabled(available.unlocked(available.texturePathButton));
    m_ui->HiResText->setEnabled(available.unlocked(available.texturePathControls));
    TextColour::greyCaption(m_ui->TexPathFrame, !available.texturePathControls);
}

void GraphicsTab::uncheckDetailTextures()
{
    m_ui->chkGraphics_2->setChecked(false);
}

void GraphicsTab::showDisplayMode(const DisplayMode& mode)
{
    m_ui->ResLabel_1->setText(mode.resolution);
    m_ui->ResLabel_2->setText(mode.mode);
    m_ui->ResLabel_3->setText(mode.refresh);
}

QString GraphicsTab::texturePathText() const
{
    return m_ui->HiResText->text();
}

void GraphicsTab::showTexturePath(const QString& text)
{
    m_ui->HiResText->setText(text);
}

bool GraphicsTab::hiResPatchesChosen() const
{
    return m_ui->chkGraphics_4->isChecked();
}

} // namespace z3d
