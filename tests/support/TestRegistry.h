#pragma once

// The tests of one kind (core, tools, gui, whole-program) are linked into one program, and ctest
// runs each test as a process of its own by naming it:
//     tests/z3d_tests_core tst_commandline [Qt Test arguments]
// A test file registers its test object in place of Qt's QTEST_MAIN / QTEST_GUILESS_MAIN, under
// the name of its file.

#include <QObject>
#include <QStringList>

#include <memory>

namespace z3d::test {

// The application object a test runs under: the program's own (QApplication in the programs
// of window tests), or a QCoreApplication as for a command-line test.
enum class TestApplication
{
    Program,
    Core,
};

struct RegisteredTest
{
    const char* sourceFile; // __FILE__ of the test; its name without ".cpp" names the test
    TestApplication application;
    std::unique_ptr<QObject> (*create)();
};

bool registerTest(const RegisteredTest& test);
// The test registered from the file of that name (without ".cpp"), or null.
const RegisteredTest* findTest(const QString& name);
QStringList testNames();
// The test this process runs, named as its program's first argument names it: a test that runs
// itself again in a child process passes it on.
QString runningTestName();
void setRunningTestName(const QString& name);

} // namespace z3d::test

#define Z3D_TEST_REGISTER(TestObject, application)                                                 \
    namespace {                                                                                    \
    [[maybe_unused]] const bool z3dTestRegistered =                                                \
        ::z3d::test::registerTest({__FILE__, application, []() -> std::unique_ptr<QObject> {       \
                                       return std::make_unique<TestObject>();                      \
                                   }});                                                            \
    }

#define Z3D_TEST_MAIN(TestObject)                                                                  \
    Z3D_TEST_REGISTER(TestObject, ::z3d::test::TestApplication::Program)
#define Z3D_TEST_GUILESS_MAIN(TestObject)                                                          \
    Z3D_TEST_REGISTER(TestObject, ::z3d::test::TestApplication::Core)
