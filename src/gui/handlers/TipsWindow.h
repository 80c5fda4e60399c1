#pragma once

#include <QObject>
#include <QStringList>

#include <optional>

class QWidget;

namespace z3d {

struct InstallPaths;
struct LauncherSettings;
class TipsForm;

// The tips window for the run: loaded (which reads the tips and moves on to the next one) at
// start-up whether or not it is shown, shown on request in front of the main window, which
// waits for it, and unloaded when the player closes it, so that the next showing loads it again
// with the following tip. Showing it does not wait: the caller goes on while the window is
// open. The window itself is built only when it is first shown; until then a load keeps what
// it read.
class TipsWindow : public QObject
{
    Q_OBJECT

public:
    // paths is read when the window loads (the settings may move the installation's folders).
    TipsWindow(LauncherSettings& settings, const InstallPaths& paths, QWidget& owner);
    ~TipsWindow() override;

    // Loads the window without showing it, unless it is loaded already.
    void loadHidden();
    // Shows the window (loading it first when needed); closing it unloads it.
    void show();

signals:
    // The window's "&Show Tips at Startup" was unchecked.
    void showAtStartupTurnedOff();

private:
    LauncherSettings& m_settings;
    const InstallPaths& m_paths;
    QWidget& m_owner;
    TipsForm* m_form = nullptr;
    // A load not yet shown: the tips it read (nothing when the file was missing).
    bool m_loaded = false;
    std::optional<QStringList> m_tips;
};

} // namespace z3d
