#include "gui/tabs/ModelsTab.h"

#include "core/launch/LaunchInputs.h"
#include "core/launch/OptionAvailability.h"
#include "gui/SettingsBinder.h"
#include "gui/tooltips/ToolTipTable.h"
#include "gui/tooltips/ToolTipTexts.h"
#include "ui_ModelsTab.h"

#include <QCheckBox>
#include <QListWidget>

namespace z3d {

ModelsTab::ModelsTab(QWidget* parent) : QGroupBox(parent), m_ui(std::make_unique<Ui::ModelsTab>())
{
    m_ui->setupUi(this);
}

ModelsTab::~ModelsTab() = default;

bool ModelsTab::applySettings(LauncherSettings& settings)
{
    return SettingsBinder::apply(settings, *this);
}

void ModelsTab::gatherSettings(LauncherSettings& settings) const
{
    SettingsBinder::gather(settings, *this);
}

void ModelsTab::showToolTips(ToolTips& tips, bool shown)
{
    ToolTipTable::apply(tips, *this, ToolTipTexts::mainWindow(), shown);
}

QList<DefinitionEntry> ModelsTab::definitions() const
{
    QList<DefinitionEntry> entries;
    for (int row = 0; row < m_ui->GlobalDefList->count(); ++row) {
        const QListWidgetItem* item = m_ui->GlobalDefList->item(row);
        entries << DefinitionEntry{item->text(), item->checkState() == Qt::Checked};
    }
    return entries;
}

void ModelsTab::clearDefinitions()
{
    m_ui->GlobalDefList->clear();
}

void ModelsTab::showAlternativeModels(bool orrinWeapons, bool orrinAltWeapons,
                                      bool pellamOrrinModels)
{
    m_ui->chkAltModels_1->setChecked(orrinWeapons);
    m_ui->chkAltModels_2->setChecked(orrinAltWeapons);
    m_ui->chkAltModels_3->setChecked(pellamOrrinModels);
}

void ModelsTab::applyAvailability(const OptionAvailability& available)
{
    const bool on = available.enhancements;
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->FrameModel_0), static_cast<QWidget*>(m_ui->FrameModel_1),
          static_cast<QWidget*>(m_ui->FrameModel_2), static_cast<QWidget*>(m_ui->GlobalDefList),
          static_cast<QWidget*>(m_ui->butGlobalDefs),
          static_cast<QWidget*>(m_ui->butRemoveGlobalDefs)})
        control->setEnabled(on);
    for (QCheckBox* box :
         {m_ui->chkAltModels_1, m_ui->chkAltModels_2, m_ui->chkAltModels_3, m_ui->chkAltModels_4})
        box->setEnabled(on);
    for (QCheckBox* box : {m_ui->ChkModelOpts_0, m_ui->ChkModelOpts_1, m_ui->ChkModelOpts_2,
                           m_ui->ChkModelOpts_3, m_ui->ChkModelOpts_4, m_ui->ChkModelOpts_5,
                           m_ui->ChkModelOpts_6, m_ui->ChkModelOpts_7, m_ui->ChkModelOpts_8})
        box->setEnabled(on);
}

} // namespace z3d
