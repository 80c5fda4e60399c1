#include "ProgramTestCase.h"

#include <QTest>

namespace z3d::test {

void ProgramTestCase::initTestCase()
{
    if (const QString why = XSession::skipReason(); !why.isEmpty())
        QSKIP(qPrintable(why));
}

void ProgramTestCase::init()
{
    m_run = std::make_unique<ProgramScenario>(QStringLiteral(Z3D_BIN_DIR));
    QVERIFY2(m_run->isReady(), qPrintable(m_run->error()));
}

void ProgramTestCase::cleanup()
{
    m_run.reset();
}

} // namespace z3d::test
