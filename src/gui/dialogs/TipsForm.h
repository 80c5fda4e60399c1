#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class TipsForm;
}

namespace z3d {

struct LauncherSettings;

// The tips window "Tips for running the launcher". Loading it reads tips.txt and shows the tip
// after the one shown last (settings.tipNumber, which it advances); without the file it explains
// where the file belongs. "&Show Tips at Startup" mirrors settings.showTips.
class TipsForm : public QDialog
{
    Q_OBJECT

public:
    TipsForm(LauncherSettings& settings, const QString& launcherDataDir, QWidget* parent = nullptr);
    ~TipsForm() override;

    // "&Next Tip": the following tip, back to the first after the last.
    void showNextTip();

signals:
    // "&Show Tips at Startup" was unchecked: the main window's "Display tip of the day" box
    // follows (and turns the setting off).
    void showAtStartupTurnedOff();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TipsForm> m_ui;
    LauncherSettings& m_settings;
    QStringList m_tips;
};

} // namespace z3d
