#pragma once

#include "core/models/ModelOptions.h"
#include "gui/ControlArray.h"
#include "gui/tabs/TabPage.h"

#include <memory>

class QCheckBox;

namespace Ui {
class ModelsTab;
}

namespace z3d {

struct DefinitionEntry;
struct OptionAvailability;

// Page 4 ("Models", TabFrame_4): the frames " Disable Model Group " (ChkModelOpts 0..8),
// " Model Selection " (chkAltModels 1..4) and " Custom  Definitions " (GlobalDefList with
// butGlobalDefs "Add" and butRemoveGlobalDefs "Remove"). A definition entry is selected by
// selecting its row; only selected entries reach the engine.
class ModelsTab : public TabPage
{
    Q_OBJECT

public:
    explicit ModelsTab(QWidget* parent = nullptr);
    ~ModelsTab() override;

    // The model boxes as checked, and showing new checks (no click signal is sent).
    ModelChoices modelChoices() const;
    void showModelChoices(const ModelChoices& choices);

    // Empties the definition-file list.
    void clearDefinitions();
    // The custom definitions list's entries in order, each with its selection mark.
    QList<DefinitionEntry> definitions() const;
    // Appends entries with their marks.
    void addDefinitions(const QList<DefinitionEntry>& entries);
    // Appends an entry and makes it the selected, current last entry.
    void appendChosenDefinition(const QString& text);
    // Removes the list's current entry; false when there is none.
    bool removeCurrentDefinition();

    // Shows the alternative-model choices a model-pack test may have switched off (Orrinpack
    // weapons, its alternative weapons, Pellam's models with Orrinpack's).
    void showAlternativeModels(bool orrinWeapons, bool orrinAltWeapons, bool pellamOrrinModels);
    // The three frames, the definitions list with its buttons and every box follow the
    // enhancements group; each box also follows the model rules, and the scripted-map lock
    // takes the group boxes and the definitions frame.
    void applyAvailability(const OptionAvailability& available);

signals:
    // The player clicked ChkModelOpts(index) / chkAltModels(index).
    void modelOptionClicked(int index);
    void alternativeModelClicked(int index);
    // "Add" and "Remove".
    void definitionAddRequested();
    void definitionRemoveRequested();

private:
    std::unique_ptr<Ui::ModelsTab> m_ui;
    ControlArray<QCheckBox, model_box::kOptionCount> m_options;
    ControlArray<QCheckBox, model_box::kAlternativeCount - model_box::kFirstAlternative>
        m_alternatives;
};

} // namespace z3d
