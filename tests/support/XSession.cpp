#include "XSession.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <sys/prctl.h>

namespace z3d::test {

namespace {

// Well above the displays a desktop or a CI runner uses on its own.
constexpr int kFirstDisplay = 90;
constexpr int kDisplayCount = 100;
constexpr int kPollMs = 100;
constexpr int kStopMs = 5000;
// Set on the root window by a window manager that has taken over.
const QString kWindowManagerProperty = QStringLiteral("_NET_SUPPORTING_WM_CHECK");

// xdotool matches titles with extended regular expressions.
QString exactPattern(const QString& title, XSession::TitleMatch match)
{
    QString pattern = QStringLiteral("^");
    for (const QChar c : title) {
        if (QStringLiteral("\\.^$|?*+()[]{}").contains(c))
            pattern += u'\\';
        pattern += c;
    }
    return match == XSession::TitleMatch::Whole ? pattern + u'$' : pattern;
}

} // namespace

XSession::XSession(Desktop desktop) : m_desktop(desktop)
{
    if (!missingPrograms().isEmpty()) {
        m_error = QStringLiteral("not installed: ") + missingPrograms().join(u' ');
        return;
    }
    if (startServer() && m_desktop == Desktop::WithWindowManager)
        startWindowManager();
}

XSession::~XSession()
{
    if (m_windowManager)
        stop(*m_windowManager);
    if (m_server)
        stop(*m_server);
}

bool XSession::waitUntil(const std::function<bool()>& condition)
{
    const QDeadlineTimer deadline(kDeadlineMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

void XSession::endWithThisProcess(QProcess& process)
{
    // Runs in the child between fork and exec.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

QString XSession::skipReason()
{
    const QStringList missing = missingPrograms();
    if (missing.isEmpty())
        return {};
    return QStringLiteral("whole-program tests need %1 (make test installs them)")
        .arg(missing.join(QStringLiteral(", ")));
}

QStringList XSession::missingPrograms()
{
    QStringList missing;
    for (const char* program : {"Xvfb", "openbox", "xdotool", "xprop"}) {
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            missing.append(QLatin1String(program));
    }
    return missing;
}

bool XSession::isReady() const
{
    return m_error.isEmpty() && m_server && (m_windowManager || m_desktop == Desktop::BareServer);
}

QString XSession::error() const
{
    return m_error;
}

QString XSession::display() const
{
    return m_display;
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("SESSION_MANAGER"));
    return environment;
}

bool XSession::startServer()
{
    for (int number = kFirstDisplay; number < kFirstDisplay + kDisplayCount; ++number) {
        // A socket without a server (left by a crash) is skipped as well: it is not ours.
        const QString lock = QStringLiteral("/tmp/.X%1-lock").arg(number);
        if (QFileInfo::exists(lock) ||
            QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
            continue;
        auto server = std::make_unique<QProcess>();
        endWithThisProcess(*server);
        server->setStandardOutputFile(QProcess::nullDevice());
        server->setStandardErrorFile(QProcess::nullDevice());
        // Not -displayfd: that skips the lock file, the one claim on a number that two
        // servers starting at once cannot both win. The loser exits. -noreset: a server
        // resets when its last client leaves, and refuses the next one meanwhile; the window
        // manager would be that next one, right after the readiness probe.
        server->start(QStringLiteral("Xvfb"),
                      {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                       QStringLiteral("-noreset")});
        if (!server->waitForStarted(kDeadlineMs)) {
            m_error = QStringLiteral("Xvfb did not start: ") + server->errorString();
            return false;
        }
        m_display = QStringLiteral(":%1").arg(number);
        const auto holdsLock = [&] {
            QFile file(lock);
            return file.open(QIODevice::ReadOnly) &&
                   file.readAll().trimmed().toLongLong() == server->processId();
        };
        const bool ready = waitUntil([&] {
            server->waitForFinished(0);
            bool answers = false;
            if (server->state() == QProcess::Running && holdsLock())
                run(QStringLiteral("xprop"), {QStringLiteral("-root"), kWindowManagerProperty},
                    &answers);
            return server->state() != QProcess::Running || answers;
        });
        if (ready && server->state() == QProcess::Running) {
            m_server = std::move(server);
            return true;
        }
        stop(*server);
    }
    m_display.clear();
    m_error = QStringLiteral("no free X display between :%1 and :%2")
                  .arg(kFirstDisplay)
                  .arg(kFirstDisplay + kDisplayCount - 1);
    return false;
}

bool XSession::startWindowManager()
{
    m_windowManager = std::make_unique<QProcess>();
    endWithThisProcess(*m_windowManager);
    m_windowManager->setProcessEnvironment(environment());
    m_windowManager->setStandardOutputFile(QProcess::nullDevice());
    m_windowManager->setStandardErrorFile(QProcess::nullDevice());
    m_windowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    // A window manager announces itself on the root window once it manages windows.
    const bool managing =
        m_windowManager->waitForStarted(kDeadlineMs) && waitUntil([this] {
            // Without an event loop, an ended process is only noticed when asked.
            m_windowManager->waitForFinished(0);
            return m_windowManager->state() != QProcess::Running ||
                   run(QStringLiteral("xprop"), {QStringLiteral("-root"), kWindowManagerProperty})
                       .contains(QLatin1String("window id"));
        }) &&
        m_windowManager->state() == QProcess::Running;
    if (!managing) {
        m_error = QStringLiteral("openbox did not start on ") + m_display;
        stop(*m_windowManager);
        return false;
    }
    return true;
}

void XSession::stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(kStopMs)) {
        process.kill();
        process.waitForFinished(kStopMs);
    }
}

QString XSession::run(const QString& program, const QStringList& arguments, bool* ok) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    const bool finished = process.waitForFinished(kDeadlineMs);
    if (!finished)
        stop(process);
    const bool succeeded =
        finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok)
        *ok = succeeded;
    return succeeded ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}

QStringList XSession::search(const QStringList& criteria) const
{
    // --all: every criterion must hold (xdotool's default is any of them).
    const QString found = run(QStringLiteral("xdotool"),
                              QStringList{QStringLiteral("search"), QStringLiteral("--all"),
                                          QStringLiteral("--onlyvisible")} +
                                  criteria);
    return found.split(u'\n', Qt::SkipEmptyParts);
}

QStringList XSession::windows(const QString& title, qint64 pid, TitleMatch match) const
{
    // The pattern goes last: xdotool takes it as the one argument after the options.
    QStringList criteria;
    if (pid > 0)
        criteria << QStringLiteral("--pid") << QString::number(pid);
    return search(criteria << QStringLiteral("--name") << exactPattern(title, match));
}

QStringList XSession::windowsOf(qint64 pid) const
{
    return search({QStringLiteral("--pid"), QString::number(pid)});
}

QString XSession::waitForWindow(const QString& title, qint64 pid, TitleMatch match) const
{
    QStringList found;
    waitUntil([&] {
        found = windows(title, pid, match);
        return !found.isEmpty();
    });
    return found.value(0);
}

bool XSession::waitForNoWindow(const QString& title, qint64 pid) const
{
    return waitUntil([&] { return windows(title, pid).isEmpty(); });
}

QString XSession::waitForNewWindow(qint64 pid, const QStringList& known) const
{
    QString added;
    waitUntil([&] {
        for (const QString& window : windowsOf(pid)) {
            if (!known.contains(window))
                added = window;
        }
        return !added.isEmpty();
    });
    return added;
}

bool XSession::xdotool(const QStringList& arguments) const
{
    bool ok = false;
    run(QStringLiteral("xdotool"), arguments, &ok);
    return ok;
}

bool XSession::activate(const QString& window) const
{
    return xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
}

bool XSession::waitUntilActive(const QString& window) const
{
    return waitUntil([&] {
        return run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).trimmed() ==
               window;
    });
}

bool XSession::pressKeys(const QString& window, const QStringList& keys) const
{
    return activate(window) && typeKeys(keys);
}

bool XSession::typeKeys(const QStringList& keys) const
{
    return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} + keys);
}

QSize XSession::size(const QString& window) const
{
    // "WIDTH=647" and "HEIGHT=460" among the lines of --shell.
    const QString geometry = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                             QStringLiteral("--shell"), window});
    const QRegularExpressionMatch width =
        QRegularExpression(QStringLiteral("WIDTH=(\\d+)")).match(geometry);
    const QRegularExpressionMatch height =
        QRegularExpression(QStringLiteral("HEIGHT=(\\d+)")).match(geometry);
    if (!width.hasMatch() || !height.hasMatch())
        return {};
    return {width.captured(1).toInt(), height.captured(1).toInt()};
}

QStringList XSession::moveTo(const QString& window, double xFraction, double yFraction) const
{
    const QSize pixels = size(window);
    if (pixels.isEmpty())
        return {};
    const int x = qRound(pixels.width() * xFraction);
    const int y = qRound(pixels.height() * yFraction);
    return {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x),
            QString::number(y)};
}

bool XSession::typeText(const QString& text) const
{
    return xdotool({QStringLiteral("type"), QStringLiteral("--clearmodifiers"), text});
}

bool XSession::clickWith(const QStringList& click, const QString& window, double xFraction,
                         double yFraction) const
{
    if (!activate(window))
        return false;
    const QStringList move = moveTo(window, xFraction, yFraction);
    return !move.isEmpty() && xdotool(move + QStringList{QStringLiteral("click")} + click);
}

bool XSession::click(const QString& window, double xFraction, double yFraction) const
{
    return clickWith({QStringLiteral("1")}, window, xFraction, yFraction);
}

bool XSession::rightClick(const QString& window, double xFraction, double yFraction) const
{
    return clickWith({QStringLiteral("3")}, window, xFraction, yFraction);
}

bool XSession::doubleClick(const QString& window, double xFraction, double yFraction) const
{
    return clickWith({QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("1")}, window,
                     xFraction, yFraction);
}

bool XSession::mouseMove(const QString& window, double xFraction, double yFraction) const
{
    const QStringList move = moveTo(window, xFraction, yFraction);
    return !move.isEmpty() && xdotool(move);
}

bool XSession::minimise(const QString& window) const
{
    return xdotool({QStringLiteral("windowminimize"), QStringLiteral("--sync"), window});
}

bool XSession::move(const QString& window, const QPoint& to) const
{
    return xdotool(
        {QStringLiteral("windowmove"), window, QString::number(to.x()), QString::number(to.y())});
}

QRect XSession::frameGeometry(const QString& window) const
{
    // xwininfo gives the window's own area ("Absolute upper-left X:  100", "Width: 647"), and
    // the frame's extents "_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 22, 5" are left, right, top
    // and bottom.
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    const auto number = [&info](const char* label) {
        const QRegularExpressionMatch match =
            QRegularExpression(QLatin1String(label) + QStringLiteral(":\\s*(-?\\d+)")).match(info);
        return match.hasMatch() ? std::optional<int>(match.captured(1).toInt()) : std::nullopt;
    };
    const std::optional<int> x = number("Absolute upper-left X");
    const std::optional<int> y = number("Absolute upper-left Y");
    const std::optional<int> width = number("Width");
    const std::optional<int> height = number("Height");
    const QStringList extents =
        run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, "_NET_FRAME_EXTENTS"})
            .section(u'=', 1)
            .split(u',');
    if (!x || !y || !width || !height || extents.size() != 4)
        return {};
    const int left = extents.at(0).trimmed().toInt();
    const int right = extents.at(1).trimmed().toInt();
    const int top = extents.at(2).trimmed().toInt();
    const int bottom = extents.at(3).trimmed().toInt();
    return {*x - left, *y - top, *width + left + right, *height + top + bottom};
}

bool XSession::centredOver(const QRect& frame, const QRect& around)
{
    const int left = around.left() + (around.width() - frame.width()) / 2;
    const int top = around.top() + (around.height() - frame.height()) / 2;
    return frame.isValid() && std::abs(frame.left() - left) <= 1 &&
           std::abs(frame.top() - top) <= 1;
}

QSize XSession::screenSize() const
{
    const QStringList size =
        run(QStringLiteral("xdotool"), {QStringLiteral("getdisplaygeometry")}).split(u' ');
    return size.size() == 2 ? QSize(size.at(0).toInt(), size.at(1).trimmed().toInt()) : QSize();
}

} // namespace z3d::test
