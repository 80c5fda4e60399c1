#include "gui/tabs/ModelsTab.h"

#include "core/launch/LaunchInputs.h"
#include "core/launch/OptionAvailability.h"
#include "core/models/ModelOptions.h"
#include "gui/tabs/TextColour.h"
#include "ui_ModelsTab.h"

#include <QCheckBox>
#include <QListWidget>

namespace z3d {

using namespace model_box;

ModelsTab::ModelsTab(QWidget* parent) : TabPage(parent), m_ui(std::make_unique<Ui::ModelsTab>())
{
    m_ui->setupUi(this);
    m_options = {*this, "ChkModelOpts"};
    m_alternatives = {*this, "chkAltModels", kFirstAlternative};
    for (int i = 0; i < kOptionCount; ++i)
        connect(m_options.at(i), &QCheckBox::clicked, this,
                [this, i] { emit modelOptionClicked(i); });
    for (int i = kFirstAlternative; i < kAlternativeCount; ++i)
        connect(m_alternatives.at(i), &QCheckBox::clicked, this,
                [this, i] { emit alternativeModelClicked(i); });
    connect(m_ui->butGlobalDefs, &QPushButton::clicked, this, &ModelsTab::definitionAddRequested);
    connect(m_ui->butRemoveGlobalDefs, &QPushButton::clicked, this,
            &ModelsTab::definitionRemoveRequested);
}

ModelsTab::~ModelsTab() = default;

ModelChoices ModelsTab::modelChoices() const
{
    ModelChoices choices;
    for (int i = 0; i < kOptionCount; ++i)
        choices.options[i] = m_options.at(i)->isChecked();
    for (int i = kFirstAlternative; i < kAlternativeCount; ++i)
        choices.alternatives[i] = m_alternatives.at(i)->isChecked();
    return choices;
}

void ModelsTab::showModelChoices(const ModelChoices& choices)
{
    for (int i = 0; i < kOptionCount; ++i)
        m_options.at(i)->setChecked(choices.options[i]);
    for (int i = kFirstAlternative; i < kAlternativeCount; ++i)
        m_alternatives.at(i)->setChecked(choices.alternatives[i]);
}

QList<DefinitionEntry> ModelsTab::definitions() const
{
    QList<DefinitionEntry> entries;
    for (int row = 0; row < m_ui->GlobalDefList->count(); ++row) {
        const QListWidgetItem* item = m_ui->GlobalDefList->item(row);
        entries << DefinitionEntry{item->text(), item->isSelected()};
    }
    return entries;
}

void ModelsTab::clearDefinitions()
{
    m_ui->GlobalDefList->clear();
}

void ModelsTab::addDefinitions(const QList<DefinitionEntry>& entries)
{
    for (const DefinitionEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.text, m_ui->GlobalDefList);
        item->setSelected(entry.selected);
    }
}

void ModelsTab::appendChosenDefinition(const QString& text)
{
    auto* item = new QListWidgetItem(text, m_ui->GlobalDefList);
    m_ui->GlobalDefList->setCurrentItem(item, QItemSelectionModel::NoUpdate);
    item->setSelected(true);
}

bool ModelsTab::removeCurrentDefinition()
{
    const int row = m_ui->GlobalDefList->currentRow();
    if (row < 0)
        return false;
    delete m_ui->GlobalDefList->takeItem(row);
    return true;
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
    // Greying the group frame's caption, not the frame: "All models" and "Core effects " sit
    // in it and must stay usable to switch the groups back on.
    m_ui->FrameModel_0->setEnabled(on);
    TextColour::greyCaption(m_ui->FrameModel_0, !available.models.groupFrame);
    m_ui->FrameModel_1->setEnabled(on);
    const bool definitions = available.unlocked(on);
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->FrameModel_2), static_cast<QWidget*>(m_ui->GlobalDefList),
          static_cast<QWidget*>(m_ui->butGlobalDefs),
          static_cast<QWidget*>(m_ui->butRemoveGlobalDefs)})
        control->setEnabled(definitions);
    for (int i = kFirstAlternative; i < kAlternativeCount; ++i)
        m_alternatives.at(i)->setEnabled(available.alternativeModel(i));
    for (int i = 0; i < kOptionCount; ++i)
        m_options.at(i)->setEnabled(available.modelOption(i));
}

} // namespace z3d
