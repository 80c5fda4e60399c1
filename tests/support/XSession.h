#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace z3d::test {

// A private X display for whole-program tests: Xvfb on a free display number with the openbox
// window manager, both ended when the session goes away (also when a test fails half-way).
// Windows are driven and inspected from outside, as a player's desktop would, through xdotool.
//
//   XSession session;
//   QVERIFY2(session.isReady(), qPrintable(session.error()));
//   const QString main = session.waitForWindow("Z3DLauncher v7.5  and  Zorn3D v2.2.20", pid);
//   QVERIFY(session.pressKeys(main, {"Return"}));
//
// Window ids are xdotool's decimal ids. Only windows that are mapped (visible) are found. Every
// wait polls until kDeadlineMs has passed; none of them says anything about how long the
// program took.
class XSession
{
public:
    static constexpr int kDeadlineMs = 20000;

    // What runs on the server: a desktop's window manager, or nothing (windows are mapped
    // the moment their program asks, as benchmarks want).
    enum class Desktop
    {
        WithWindowManager,
        BareServer
    };

    explicit XSession(Desktop desktop = Desktop::WithWindowManager);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Makes a process about to be started end with the test process, also when that is killed
    // (a timeout of the test runner), so no server or launcher outlives its test.
    static void endWithThisProcess(QProcess& process);
    // Polls condition until it holds (true) or kDeadlineMs has passed (false).
    static bool waitUntil(const std::function<bool()>& condition);
    // The programs a session needs that are not on the PATH; empty when all are there.
    static QStringList missingPrograms();
    // Why whole-program tests cannot run here; empty when they can.
    static QString skipReason();

    bool isReady() const;
    // Why the session could not be started.
    QString error() const;
    // ":N".
    QString display() const;
    // The test's environment with DISPLAY set to this session.
    QProcessEnvironment environment() const;

    // How a window's title is matched: the whole of it, or its start (a tip whose first line
    // is known).
    enum class TitleMatch
    {
        Whole,
        Start
    };

    // Visible windows titled exactly title (or starting with it); with a pid, only that
    // process's windows.
    QStringList windows(const QString& title, qint64 pid = 0,
                        TitleMatch match = TitleMatch::Whole) const;
    // Every visible window of the process, titled or not (menus and message boxes included).
    QStringList windowsOf(qint64 pid) const;
    // The first visible window titled exactly title (or starting with it); empty when none
    // appeared in time.
    QString waitForWindow(const QString& title, qint64 pid = 0,
                          TitleMatch match = TitleMatch::Whole) const;
    // True once no visible window is titled exactly title.
    bool waitForNoWindow(const QString& title, qint64 pid = 0) const;
    // A visible window of the process that is not one of known (a menu that has popped up).
    QString waitForNewWindow(qint64 pid, const QStringList& known) const;

    // Gives the window the input focus through the window manager.
    bool activate(const QString& window) const;
    // True once the window manager has made window the active one, the one the keys go to.
    bool waitUntilActive(const QString& window) const;
    // Activates the window, then types the keys (xdotool key names: "Return", "alt+F4").
    bool pressKeys(const QString& window, const QStringList& keys) const;
    // Types the keys into whatever holds the keyboard (an open menu grabs it).
    bool typeKeys(const QStringList& keys) const;
    // Types text as a player types it into whatever holds the keyboard.
    bool typeText(const QString& text) const;
    // Activates the window and clicks the left button at a point given as fractions of the
    // window's width and height.
    bool click(const QString& window, double xFraction, double yFraction) const;
    // The same with the right button, and the left one twice.
    bool rightClick(const QString& window, double xFraction, double yFraction) const;
    bool doubleClick(const QString& window, double xFraction, double yFraction) const;
    // The window's size as the server has it; empty when it cannot be read.
    QSize size(const QString& window) const;
    // Moves the mouse to a point of the window given as fractions of its width and height,
    // without activating it.
    bool mouseMove(const QString& window, double xFraction, double yFraction) const;
    bool minimise(const QString& window) const;
    // Moves the window as a player's drag does, its corner to the point of the screen.
    bool move(const QString& window, const QPoint& to) const;

    // Where the window manager's frame of window lies on the screen (the window's own area
    // with the frame's borders and title bar); empty when it cannot be read.
    QRect frameGeometry(const QString& window) const;
    // The screen's size.
    QSize screenSize() const;
    // The frame lies centred over around, to the pixel its halving rounds to.
    static bool centredOver(const QRect& frame, const QRect& around);

private:
    bool startServer();
    bool startWindowManager();
    // Runs an X client program on this display; its standard output, or nothing when it
    // failed or did not finish in time.
    QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr) const;
    // Runs xdotool with arguments; whether it succeeded.
    bool xdotool(const QStringList& arguments) const;
    QStringList search(const QStringList& criteria) const;
    // The xdotool arguments that move the mouse to a point of the window given as fractions of
    // its size; empty when its size cannot be read.
    QStringList moveTo(const QString& window, double xFraction, double yFraction) const;
    bool clickWith(const QStringList& click, const QString& window, double xFraction,
                   double yFraction) const;
    static void stop(QProcess& process);

    Desktop m_desktop;
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_windowManager;
    QString m_display;
    QString m_error;
};

} // namespace z3d::test
