#include "core/platform/CommandLine.h"
#include "core/platform/ProgramStarter.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QByteArray kScript = "#!/bin/sh\n"
                           "pwd > started.txt\n"
                           "for a in \"$@\"; do echo \"[$a]\" >> started.txt; done\n";

QString addProgram(InstallTree& tree, const QString& relative, const QByteArray& content)
{
    const QString file = tree.addFile(relative, content);
    QFile::setPermissions(file,
                          QFile::permissions(file) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return file;
}

// A PATH holding only the given folder, restored afterwards.
class PathGuard
{
public:
    explicit PathGuard(const QString& folder) : m_old(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(folder));
    }
    ~PathGuard() { qputenv("PATH", m_old); }

private:
    QByteArray m_old;
};

} // namespace

class TestProcesses : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void quoteRoundTrip_data();
    void quoteRoundTrip();

    void prefersNativeProgram_data();
    void prefersNativeProgram();
    void windowsProgramRunsThroughWine();
    void windowsProgramWithoutWine();
    void missingProgram();
    void unquotedPathWithBlanks();
    void startsDetachedInWorkingFolder();
};

void TestProcesses::split_data()
{
    const DataTable<QString, QStringList> row("commandLine", "argv");
    row("quoted argument", R"(p "abc" d e)", QStringList{"p", "abc", "d", "e"});
    row("backslashes without quote", R"(p a\\\b d"e f"g h)",
        QStringList{"p", R"(a\\\b)", "de fg", "h"});
    row("odd backslashes before quote", R"(p a\\\"b c d)", QStringList{"p", R"(a\"b)", "c", "d"});
    row("even backslashes before quote", R"(p a\\\\"b c" d e)",
        QStringList{"p", R"(a\\b c)", "d", "e"});
    row("doubled quote ends the quoted part", R"(p a"b"" c d)",
        QStringList{"p", R"(ab")", "c", "d"});
    row("doubled quote inside", R"(p "a""b")", QStringList{"p", R"(a"b)"});
    row("tripled quotes", R"(p """a""")", QStringList{"p", R"("a")"});
    row("escaped quote alone", R"(p \")", QStringList{"p", "\""});
    row("trailing backslashes", R"(p a\\)", QStringList{"p", R"(a\\)"});
    row("empty arguments", R"(p "" "")", QStringList{"p", "", ""});
    row("blanks and tabs", "p   a \t b  ", QStringList{"p", "a", "b"});
    row("quoted program", R"("C:\Program Files\Zorn3D\bin\Z3Dlauncher.exe" /RESTART)",
        QStringList{R"(C:\Program Files\Zorn3D\bin\Z3Dlauncher.exe)", "/RESTART"});
    row("quoted program runs into argument", R"("C:\a b\x.exe"arg)",
        QStringList{R"(C:\a b\x.exe)", "arg"});
    row("program part takes no escapes", R"(C:\dir\"x y".exe arg)",
        QStringList{R"(C:\dir\"x)", "y.exe arg"});
    row("program part ends at blank", R"(C:\a\"b)", QStringList{R"(C:\a\"b)"});
    row("engine command line",
        R"(Bin\Zorn3D -iwad "C:\Iwads\DOOM2.WAD" -file "My Maps\a b.wad" -sk 3)",
        QStringList{R"(Bin\Zorn3D)", "-iwad", R"(C:\Iwads\DOOM2.WAD)", "-file",
                    R"(My Maps\a b.wad)", "-sk", "3"});
    row("empty", "", QStringList{});
    row("blank", "   ", QStringList{});
}

void TestProcesses::split()
{
    QFETCH(QString, commandLine);
    QTEST(CommandLine::split(commandLine), "argv");
}

void TestProcesses::quoteRoundTrip_data()
{
    const DataTable<QString> row("argument");
    row("plain", "abc");
    row("blank", "a b");
    row("empty", "");
    row("quote", R"(say "hi")");
    row("backslash before quote", R"(a\"b)");
    row("trailing backslash with blank", R"(C:\a b\)");
    row("only backslashes", R"(\\)");
}

void TestProcesses::quoteRoundTrip()
{
    QFETCH(QString, argument);
    const QString line = "p " + CommandLine::quote(argument) + " next";
    QCOMPARE(CommandLine::split(line), (QStringList{"p", argument, "next"}));
}

void TestProcesses::prefersNativeProgram_data()
{
    const DataTable<QString> row("commandLine");
    row("relative without extension", R"(Bin\Zorn3D -file x.wad)");
    row("with extension", R"(bin\zorn3d.exe -file x.wad)");
    row("upper case", R"(BIN\ZORN3D -file x.wad)");
}

void TestProcesses::prefersNativeProgram()
{
    QFETCH(QString, commandLine);
    InstallTree tree;
    const QString native = addProgram(tree, "bin/Zorn3D", kScript);
    tree.addFile("bin/Zorn3D.exe", "MZ\x90\x00");
    const auto run = ProgramStarter::resolve(commandLine, tree.root());
    QVERIFY(run);
    QCOMPARE(run->program, native);
    QCOMPARE(run->arguments, (QStringList{"-file", "x.wad"}));
    QCOMPARE(run->workingFolder, tree.root());
    QCOMPARE(ProgramStarter::findProgram("bin/zorn3d.EXE", tree.root()), native);
}

void TestProcesses::windowsProgramRunsThroughWine()
{
    InstallTree tree;
    const QString exe = tree.path("bin/Zorn3D.exe");
    tree.addFile("bin/Zorn3D.exe", "MZ\x90\x00");
    const QString wine = addProgram(tree, "fakepath/wine", "#!/bin/sh\n");
    PathGuard path(tree.path("fakepath"));
    QVERIFY(ProgramStarter::isWindowsExecutable(exe));
    const auto run = ProgramStarter::resolve(R"(Bin\Zorn3D -warp 1 "a b")", tree.root());
    QVERIFY(run);
    QCOMPARE(run->program, wine);
    QCOMPARE(run->arguments, (QStringList{exe, "-warp", "1", "a b"}));
}

void TestProcesses::windowsProgramWithoutWine()
{
    InstallTree tree;
    tree.addFile("bin/Zorn3D.exe", "MZ\x90\x00");
    PathGuard path(tree.path("empty-path"));
    QVERIFY(!ProgramStarter::resolve(R"(Bin\Zorn3D)", tree.root()));
    QVERIFY(!ProgramStarter::start(R"(Bin\Zorn3D)", tree.root()));
}

void TestProcesses::missingProgram()
{
    InstallTree tree(InstallTree::Layout);
    PathGuard path(tree.path("empty-path"));
    QVERIFY(!ProgramStarter::resolve(R"(Bin\Zorn3D -x)", tree.root()));
    QVERIFY(!ProgramStarter::start(R"(Bin\Zorn3D -x)", tree.root()));
    QVERIFY(!ProgramStarter::start(QString(), tree.root()));
    QVERIFY(ProgramStarter::findProgram("bin/none", tree.root()).isEmpty());
}

void TestProcesses::unquotedPathWithBlanks()
{
    InstallTree tree(InstallTree::Empty);
    const QString program = addProgram(tree, "My Games/bin/Z3Dlauncher", kScript);
    const QString commandLine = tree.path("My Games") + "\\bin\\Z3Dlauncher.exe /RESTART";
    const auto run = ProgramStarter::resolve(commandLine, tree.root());
    QVERIFY(run);
    QCOMPARE(run->program, program);
    QCOMPARE(run->arguments, QStringList{"/RESTART"});
}

void TestProcesses::startsDetachedInWorkingFolder()
{
    InstallTree tree;
    addProgram(tree, "bin/Tool", kScript);
    QVERIFY(ProgramStarter::start(R"(Bin\Tool a "b c")", tree.root()));
    QTRY_VERIFY_WITH_TIMEOUT(tree.readFile("started.txt").count('\n') == 3, 20000);
    QCOMPARE(tree.readFile("started.txt"), QFile::encodeName(tree.root()) + "\n[a]\n[b c]\n");

    QVERIFY(ProgramStarter::start(tree.path("bin/tool"), {"x y"}, tree.path("Z3DLaunch")));
    QTRY_VERIFY_WITH_TIMEOUT(tree.readFile("Z3DLaunch/started.txt").count('\n') == 2, 20000);
    QCOMPARE(tree.readFile("Z3DLaunch/started.txt"),
             QFile::encodeName(tree.path("Z3DLaunch")) + "\n[x y]\n");
}

Z3D_TEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"
