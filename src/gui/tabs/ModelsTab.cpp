#include "gui/tabs/ModelsTab.h"

#include "ui_ModelsTab.h"

namespace z3d {

ModelsTab::ModelsTab(QWidget* parent) : QGroupBox(parent), m_ui(std::make_unique<Ui::ModelsTab>())
{
    m_ui->setupUi(this);
}

ModelsTab::~ModelsTab() = default;

QCheckBox* ModelsTab::chkModelOpts(int index) const
{
    return findChild<QCheckBox*>(QStringLiteral("ChkModelOpts_%1").arg(index));
}

QCheckBox* ModelsTab::chkAltModels(int index) const
{
    return findChild<QCheckBox*>(QStringLiteral("chkAltModels_%1").arg(index));
}

QGroupBox* ModelsTab::frameModel(int index) const
{
    return findChild<QGroupBox*>(QStringLiteral("FrameModel_%1").arg(index));
}

QListWidget* ModelsTab::definitionsList() const
{
    return m_ui->GlobalDefList;
}
QPushButton* ModelsTab::addDefinitionButton() const
{
    return m_ui->butGlobalDefs;
}
QPushButton* ModelsTab::removeDefinitionButton() const
{
    return m_ui->butRemoveGlobalDefs;
}

} // namespace z3d
