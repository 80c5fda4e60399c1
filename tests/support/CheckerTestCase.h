#pragma once

#include "support/ToolRun.h"

#include <QObject>
#include <QTemporaryDir>

namespace z3d::test {

// The base of the test classes of the built checker program: they run it on files they write
// into a scratch folder of their own. The whole class fails at once when the checker is not
// built or the folder cannot be made.
class CheckerTestCase : public QObject
{
    Q_OBJECT

protected:
    static QString checkerPath();
    // The checker's output in one pipe, as the launcher reads it.
    static ToolRun runChecker(const QStringList& arguments);
    // Runs command on arguments, each one naming a file (holding a dot) taken in the folder.
    ToolRun runCheckerOnFiles(const QString& command, QStringList arguments) const;
    // Runs command as runCheckerOnFiles() does, beside "text.wad", a file that only says it is a
    // wad, and checks that the run ends with exitCode, says message and leaves no "out.png".
    void checkFailure(const QString& command, const QStringList& arguments, int exitCode,
                      const QByteArray& message) const;

    QString path(const QString& name) const;
    // Writes bytes into the folder under name: its path, or empty when it could not be written.
    QString write(const QString& name, const QByteArray& bytes) const;

private slots:
    void initTestCase();

private:
    QTemporaryDir m_dir;
};

} // namespace z3d::test
