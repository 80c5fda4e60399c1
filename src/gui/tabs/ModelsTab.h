#pragma once

#include <QGroupBox>

#include <memory>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace Ui {
class ModelsTab;
}

namespace z3d {

struct DefinitionEntry;

struct LauncherSettings;
class ToolTips;

struct OptionAvailability;

// Page 4 ("Models", TabFrame_4): the frames " Disable Model Group " (ChkModelOpts 0..8),
// " Model Selection " (chkAltModels 1..4) and " Custom  Definitions " (GlobalDefList with
// butGlobalDefs "Add" and butRemoveGlobalDefs "Remove").
class ModelsTab : public QGroupBox
{
    Q_OBJECT

public:
    explicit ModelsTab(QWidget* parent = nullptr);
    ~ModelsTab() override;

    // The page's part of the settings record (the controls the settings table names).
    bool applySettings(LauncherSettings& settings);
    void gatherSettings(LauncherSettings& settings) const;
    // The page's rows of the main window's tip table on its own controls, or off them.
    void showToolTips(ToolTips& tips, bool shown);

    // Empties the definition-file list.
    void clearDefinitions();
    // The custom definitions list's entries in order, each with its selection mark.
    QList<DefinitionEntry> definitions() const;
    // Shows the alternative-model choices a model-pack test may have switched off (Orrinpack
    // weapons, its alternative weapons, Pellam's models with Orrinpack's).
    void showAlternativeModels(bool orrinWeapons, bool orrinAltWeapons, bool pellamOrrinModels);
    // Enables every control of the page with the enhancements: the three model frames, the
    // definitions list with its two buttons and the model and alternative-model boxes.
    void applyAvailability(const OptionAvailability& available);

private:
    std::unique_ptr<Ui::ModelsTab> m_ui;
};

} // namespace z3d
