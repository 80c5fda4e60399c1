#include "support/TestRegistry.h"

#include <QFileInfo>

#include <vector>

namespace z3d::test {

namespace {

// Filled during static initialisation, from the test files' registrations.
std::vector<RegisteredTest>& registry()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}

QString& runningName()
{
    static QString name;
    return name;
}

QString nameOf(const RegisteredTest& test)
{
    return QFileInfo(QString::fromLocal8Bit(test.sourceFile)).completeBaseName();
}

} // namespace

bool registerTest(const RegisteredTest& test)
{
    registry().push_back(test);
    return true;
}

const RegisteredTest* findTest(const QString& name)
{
    for (const RegisteredTest& test : registry()) {
        if (nameOf(test) == name)
            return &test;
    }
    return nullptr;
}

QStringList testNames()
{
    QStringList names;
    for (const RegisteredTest& test : registry())
        names.append(nameOf(test));
    names.sort();
    return names;
}

QString runningTestName()
{
    return runningName();
}

void setRunningTestName(const QString& name)
{
    runningName() = name;
}

} // namespace z3d::test
