#pragma once

#include <QGroupBox>

namespace z3d {

struct LauncherSettings;
class ToolTips;

// A page of the main window's tab area. Its share of the settings record and of the main
// window's tips is whatever the settings table and the tip table name among its own controls.
class TabPage : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    // The page's part of the settings record (the controls the settings table names, and the
    // numbers a page holds itself); false when a stored index names no entry.
    virtual bool applySettings(LauncherSettings& settings);
    virtual void gatherSettings(LauncherSettings& settings) const;
    // The page's rows of the main window's tip table on its own controls, or off them.
    virtual void showToolTips(ToolTips& tips, bool shown);
};

} // namespace z3d
