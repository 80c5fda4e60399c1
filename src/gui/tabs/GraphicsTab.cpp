#include "gui/tabs/GraphicsTab.h"

#include "ui_GraphicsTab.h"

namespace z3d {

GraphicsTab::GraphicsTab(QWidget* parent)
    : QGroupBox(parent), m_ui(std::make_unique<Ui::GraphicsTab>())
{
    m_ui->setupUi(this);
}

GraphicsTab::~GraphicsTab() = default;

QCheckBox* GraphicsTab::chkGraphics(int index) const
{
    return findChild<QCheckBox*>(QStringLiteral("chkGraphics_%1").arg(index));
}

QRadioButton* GraphicsTab::skyOpt(int index) const
{
    return findChild<QRadioButton*>(QStringLiteral("SkyOpt_%1").arg(index));
}

QCheckBox* GraphicsTab::chkEffects(int index) const
{
    return findChild<QCheckBox*>(QStringLiteral("chkEffects_%1").arg(index));
}

QLabel* GraphicsTab::resLabel(int index) const
{
    return findChild<QLabel*>(QStringLiteral("ResLabel_%1").arg(index));
}

QLineEdit* GraphicsTab::texturePathBox() const
{
    return m_ui->HiResText;
}
QPushButton* GraphicsTab::texturePathButton() const
{
    return m_ui->TexButton;
}
QGroupBox* GraphicsTab::texturePathFrame() const
{
    return m_ui->TexPathFrame;
}
QGroupBox* GraphicsTab::effectsFrame() const
{
    return m_ui->EffectsFrame;
}

} // namespace z3d
