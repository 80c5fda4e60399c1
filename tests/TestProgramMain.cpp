// The main of a program holding the tests of one kind: runs the test its first argument names,
// with the remaining arguments for Qt Test, as that test's own QTEST_MAIN would.

#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QTest>
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#endif

#include <cstdio>
#include <vector>

namespace {

std::unique_ptr<QCoreApplication> applicationFor(z3d::test::TestApplication kind, int& argc,
                                                 char** argv)
{
    if (kind == z3d::test::TestApplication::Core)
        return std::make_unique<QCoreApplication>(argc, argv);
#ifdef QT_WIDGETS_LIB
    return std::make_unique<QApplication>(argc, argv);
#elif defined(QT_GUI_LIB)
    return std::make_unique<QGuiApplication>(argc, argv);
#else
    return std::make_unique<QCoreApplication>(argc, argv);
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const z3d::test::RegisteredTest* test = z3d::test::findTest(name);
    if (!test) {
        std::fprintf(stderr, "Usage: %s <test> [Qt Test arguments]\nTests:\n", argv[0]);
        for (const QString& known : z3d::test::testNames())
            std::fprintf(stderr, "  %s\n", qPrintable(known));
        return 2;
    }
    z3d::test::setRunningTestName(name);
    // Qt Test sees the program's name and its own arguments, not the test's name.
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    int count = int(arguments.size());
    arguments.push_back(nullptr);

    const std::unique_ptr<QCoreApplication> app =
        applicationFor(test->application, count, arguments.data());
    app->setAttribute(Qt::AA_Use96Dpi, true);
    const std::unique_ptr<QObject> object = test->create();
    QTest::setMainSourcePath(test->sourceFile, QT_TESTCASE_BUILDDIR);
    return QTest::qExec(object.get(), count, arguments.data());
}
