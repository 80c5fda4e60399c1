#pragma once

// For window tests only: they link the gui library this needs.

#include "core/settings/LauncherSettings.h"
#include "gui/mainwindow.h"

#include <memory>

namespace z3d::test {

// The main window of a window test class, made anew for each test function on default
// settings that it binds, so that no function sees what another changed. The class derives
// from it beside QObject, calls makeWindow() from init() and dropWindow() from cleanup().
class WindowFixture
{
protected:
    MainWindow& makeWindow()
    {
        m_window.reset();
        m_settings = LauncherSettings();
        m_window = std::make_unique<MainWindow>(m_settings);
        return *m_window;
    }
    void dropWindow() { m_window.reset(); }

    LauncherSettings m_settings;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace z3d::test
