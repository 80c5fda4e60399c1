#include "ProgramScenario.h"

#include <QDeadlineTimer>

namespace z3d::test {

ProgramScenario::ProgramScenario(const QString& programFolder)
    : demo(programFolder), launcher(session, demo.binDir(), demo.tempFolder())
{
}

bool ProgramScenario::isReady() const
{
    return session.isReady() && demo.isValid();
}

QString ProgramScenario::error() const
{
    return session.isReady() ? demo.error() : session.error();
}

QString ProgramScenario::startLauncher(const QString& title)
{
    if (!launcher.start())
        return {};
    return session.waitForWindow(title, launcher.pid());
}

bool ProgramScenario::closeWindow(const QString& window)
{
    return closeWindow(window, launcher);
}

bool ProgramScenario::closeWindow(const QString& window, LauncherProcess& owner)
{
    int presses = 0;
    const bool ended = XSession::waitUntil([&] {
        if (!owner.isRunning())
            return true;
        if (presses++ % 10 == 0)
            session.pressKeys(window, {QStringLiteral("alt+F4")});
        return false;
    });
    return ended && owner.waitForExit();
}

bool ProgramScenario::launchAndWaitForEngine(const QString& window)
{
    return session.pressKeys(window, {QStringLiteral("Return")}) &&
           XSession::waitUntil([this] { return demo.exists(QStringLiteral("Zorn3D.out")); });
}

QByteArray ProgramScenario::launchAndReadLog(const QString& window)
{
    if (!session.pressKeys(window, {QStringLiteral("Return")}) || !launcher.waitForExit())
        return {};
    return demo.readFile(QStringLiteral("Z3DLaunch/launch.log"));
}

QString ProgramScenario::answer(const QString& title, const QStringList& keys, const QString& text)
{
    const QString window = session.waitForWindow(title, launcher.pid());
    if (window.isEmpty() || !session.waitUntilActive(window))
        return {};
    if (!text.isEmpty() && !session.typeText(text))
        return {};
    return keys.isEmpty() || session.typeKeys(keys) ? window : QString();
}

QString ProgramScenario::clickForWindow(const QString& window, double xFraction, double yFraction,
                                        const QString& title)
{
    // Long enough for a slow build to show the window of a click it took.
    constexpr int kClickAgainMs = 3000;
    QString shown;
    QDeadlineTimer clickAgain(0);
    XSession::waitUntil([&] {
        const QStringList found = session.windows(title, launcher.pid());
        if (!found.isEmpty()) {
            shown = found.constFirst();
            return true;
        }
        if (clickAgain.hasExpired()) {
            session.click(window, xFraction, yFraction);
            clickAgain.setRemainingTime(kClickAgainMs);
        }
        return false;
    });
    return shown;
}

bool ProgramScenario::answerAndWaitForClose(const QString& title, const QStringList& keys,
                                            const QString& text)
{
    const QString window = answer(title, keys, text);
    return !window.isEmpty() && XSession::waitUntil([&] {
        return !session.windows(title, launcher.pid()).contains(window);
    });
}

LauncherSettings ProgramScenario::quietSettings()
{
    LauncherSettings settings;
    settings.showTips = false;
    return settings;
}

LauncherSettings ProgramScenario::doomTwoSettings(bool exitAfterLaunch)
{
    LauncherSettings settings = quietSettings();
    settings.gamesListView = 1;
    settings.lastDoomGame = QStringLiteral("DOOM II");
    if (exitAfterLaunch)
        settings.afterLaunchOption = 2; // "Exit"
    return settings;
}

LauncherSettings ProgramScenario::installedGameSettings(const QString& game)
{
    LauncherSettings settings = quietSettings();
    settings.gamesListView = 0;
    settings.lastInstalledGame = game;
    settings.afterLaunchOption = 0;
    return settings;
}

} // namespace z3d::test
