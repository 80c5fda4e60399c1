#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>

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
    // The window of a loading done before it was built: tips as read then (nothing when the
    // file was missing) and settings.tipNumber already advanced to the tip it shows.
    TipsForm(LauncherSettings& settings, const std::optional<QStringList>& tips,
             QWidget* parent = nullptr);
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
    void setUp();
    void showTips(const std::optional<QStringList>& tips);

    std::unique_ptr<Ui::TipsForm> m_ui;
    LauncherSettings& m_settings;
    QStringList m_tips;
};

} // namespace z3d
