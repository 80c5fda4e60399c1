#include "CheckerTestCase.h"

#include "support/FileBytes.h"

#include <QFile>
#include <QTest>

namespace z3d::test {

QString CheckerTestCase::checkerPath()
{
    return QStringLiteral(Z3D_BIN_DIR "/Z3DgFiles");
}

ToolRun CheckerTestCase::runChecker(const QStringList& arguments)
{
    return runTool(checkerPath(), arguments);
}

ToolRun CheckerTestCase::runCheckerOnFiles(const QString& command, QStringList arguments) const
{
    for (QString& argument : arguments) {
        if (argument.contains(u'.'))
            argument = path(argument);
    }
    return runChecker(QStringList{command} + arguments);
}

void CheckerTestCase::checkFailure(const QString& command, const QStringList& arguments,
                                   int exitCode, const QByteArray& message) const
{
    write("text.wad", "PWAD is what this file claims to be, in words only");
    QFile::remove(path("out.png"));
    const ToolRun run = runCheckerOnFiles(command, arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.output.contains(message), run.output.constData());
    QVERIFY(!QFile::exists(path("out.png")));
}

QString CheckerTestCase::path(const QString& name) const
{
    return m_dir.filePath(name);
}

QString CheckerTestCase::write(const QString& name, const QByteArray& bytes) const
{
    const QString file = path(name);
    return writeBytes(file, bytes) ? file : QString();
}

void CheckerTestCase::initTestCase()
{
    QVERIFY2(QFile::exists(checkerPath()), "build the Z3DgFiles target first");
    QVERIFY(m_dir.isValid());
}

} // namespace z3d::test
