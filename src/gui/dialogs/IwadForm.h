#pragma once

#include "core/iwads/IwadEnvironment.h"
#include "core/iwads/IwadsCfg.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class IwadForm;
}

namespace z3d {

struct IwadLoadResult;
struct LauncherContext;
class IwadWindowHost;

// The IWAD window " Iwad Locations": up to four IWAD locations (ShowIwads_0..3), a warning
// frame shown while none is known, and the buttons Search, Reset, Add Iwad and OK.
//
// The window is made once and lives for the whole run: its location lines are what iwads.cfg
// is written from, and it remembers the folder of the last "Add Iwad". It works on the
// launcher's IWAD registry and reaches the main window only through IwadWindowHost. Closing it
// by its title bar or Escape is the same as pressing OK, so it cannot be left without an
// answer while no location is known.
class IwadForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kLineCount = 4;

    IwadForm(LauncherContext& context, IwadWindowHost& host, QWidget* parent = nullptr,
             IwadEnvironment environment = IwadEnvironment::fromProcess());
    ~IwadForm() override;

    // The start-up load's result: the four lines; with nothing registered the lines are hidden
    // and the warning frame is shown.
    void showStartupLocations(const IwadLoadResult& result);
    // The text of location line index (0 to 3).
    QString locationLine(int index) const;
    IwadLocationLines locationLines() const;
    // Location line 1 is filled: at least one IWAD is known.
    bool hasLocation() const;

    // The window's own tool tips, set and removed.
    void setToolTips();
    void killToolTips();

    // CheckIwad: an empty path does nothing (false); a path whose file name is an IWAD name
    // becomes that game's path, replacing an earlier one (true); any other name is refused.
    bool checkIwad(const QString& path);

    // The button handlers.
    void search();
    void reset();
    void addIwad();
    void ok();
    // A warning label was clicked: the help file on IWAD locations, when installed.
    void openHelpFile();

    // Form_Activate: tool tips on or off as the settings say; "Add Iwad" disabled while line 4
    // is filled.
    void activate();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* line(int index) const;
    QLabel* warningLabel(int index) const;
    void setLines(const IwadLocationLines& lines);
    void disableAddWhenFull();
    void refillGamesWhenShown();
    QString addDialogFolder() const;

    std::unique_ptr<Ui::IwadForm> m_ui;
    LauncherContext& m_context;
    IwadWindowHost& m_host;
    IwadEnvironment m_environment;
    // The folder of the file chosen by the last "Add Iwad" of this run.
    QString m_lastAddFolder;
};

} // namespace z3d
