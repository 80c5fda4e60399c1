#include "support/HeldOpen.h"

namespace z3d::test {

namespace {

// How long to wait for the shell to start, answer or end: generous on a loaded machine.
constexpr int kWaitMs = 30000;

} // namespace

HeldOpen::~HeldOpen()
{
    stop();
}

bool HeldOpen::start(const QString& path, const QString& redirection)
{
    m_process.start(
        QStringLiteral("sh"),
        {QStringLiteral("-c"),
         QStringLiteral("exec 3%1\"$1\" || exit 1; echo ready; exec sleep 600").arg(redirection),
         QStringLiteral("sh"), path});
    if (!m_process.waitForStarted(kWaitMs))
        return false;
    while (!m_process.readAllStandardOutput().contains("ready")) {
        if (m_process.state() != QProcess::Running || !m_process.waitForReadyRead(kWaitMs))
            return false;
    }
    return true;
}

void HeldOpen::stop()
{
    m_process.kill();
    m_process.waitForFinished(kWaitMs);
}

} // namespace z3d::test
