// The production process service against real children: shell scripts for runAndWait, the
// demo engine for the Windows-style command line, a scripted desktop for documents.

#include "gui/services/DesktopProcesses.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

QString addScript(InstallTree& tree, const QString& relative, const QByteArray& body)
{
    const QString file = tree.addFile(relative, "#!/bin/sh\n" + body);
    QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ExeOwner);
    return file;
}

} // namespace

class TestDesktopProcesses : public QObject
{
    Q_OBJECT

private slots:
    void runAndWait_data();
    void runAndWait();
    void programNotStarted_data();
    void programNotStarted();
    void childThatNeverEndsIsCut();
    void engineReceivesTheArguments_data();
    void engineReceivesTheArguments();
    void associatedProgram();
};

void TestDesktopProcesses::runAndWait_data()
{
    const DataTable<QByteArray, QString> row("script", "output");
    // Standard output and error share the one channel, in the order written; far more than
    // one 256-byte piece.
    QString interleaved;
    for (int i = 0; i < 40; ++i)
        interleaved += QStringLiteral("out line %1 of the long output\nerr line %1\n").arg(i);
    const QByteArray loop = "i=0\nwhile [ $i -lt 40 ]; do\n"
                            "  echo \"out line $i of the long output\"\n"
                            "  echo \"err line $i\" >&2\n"
                            "  i=$((i+1))\ndone\n";
    row("long, both channels", loop, interleaved);
    row("nothing", QByteArray("exit 3\n"), QString());
    row("8-bit text", QByteArray("printf 'caf\\303\\251\\n'\n"),
        QString::fromUtf8("caf\xc3\xa9\n"));
    row("no line end", QByteArray("printf 'Number of maps: 1'\n"), "Number of maps: 1");
}

void TestDesktopProcesses::runAndWait()
{
    const auto [script, output] = fetchRow<QByteArray, QString>("script", "output");
    InstallTree tree;
    addScript(tree, "bin/tool", script);
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs);
    QCOMPARE(processes.runAndWait("Tool \"an argument\"", tree.path("Bin")), output);
    QVERIFY(dialogs.messages().isEmpty());
}

void TestDesktopProcesses::programNotStarted_data()
{
    const DataTable<QByteArray, QString> row("fileContent", "message");
    // No file at all (the content is empty).
    row("missing", QByteArray(), "CreateProcess failed. Error: 2");
    // Found, but the system refuses to run it (no execute permission).
    row("not executable", QByteArray("plain text"), "CreateProcess failed. Error: 13");
}

void TestDesktopProcesses::programNotStarted()
{
    const auto [fileContent, message] = fetchRow<QByteArray, QString>("fileContent", "message");
    InstallTree tree;
    if (!fileContent.isEmpty())
        tree.addFile("bin/NoSuchTool", fileContent);
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs);
    QCOMPARE(processes.runAndWait("NoSuchTool CHECKWAD \"x.wad\"", tree.binDir()), QString());
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().at(0).text, message);
    QCOMPARE(dialogs.messages().at(0).title, QString());
    QCOMPARE(dialogs.messages().at(0).style, 0);
}

void TestDesktopProcesses::childThatNeverEndsIsCut()
{
    InstallTree tree;
    addScript(tree, "bin/hang", "echo started\nexec sleep 600\n");
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs, 300);
    QCOMPARE(processes.runAndWait("hang", tree.binDir()), "started\n");
    QVERIFY(dialogs.messages().isEmpty());
}

void TestDesktopProcesses::engineReceivesTheArguments_data()
{
    const DataTable<QString, QString> row("commandLine", "record");
    row("iwad path and console command",
        R"(Bin\Zorn3D -iwad "C:\Games\My Doom\Doom2.wad" -cmd "rend-light 1" -sk 4 -wp 07 )",
        R"(Zorn3D [-iwad] [C:\Games\My Doom\Doom2.wad] [-cmd] [rend-light 1] [-sk] [4] )"
        R"([-wp] [07])");
    row("quotes and backslashes",
        R"(Bin\Zorn3D -cmd "say \"hi\"" -file "C:\a b\\" x\\y "" -wp 1 1 )",
        R"(Zorn3D [-cmd] [say "hi"] [-file] [C:\a b\] [x\\y] [] [-wp] [1] [1])");
    row("exe suffix, native program preferred",
        R"(bin\zorn3d.exe -doom2 -udir "Z3DGames\My Set" -f a.wad)",
        R"(Zorn3D [-doom2] [-udir] [Z3DGames\My Set] [-f] [a.wad])");
}

void TestDesktopProcesses::engineReceivesTheArguments()
{
    InstallTree tree;
    QVERIFY(!tree.addBuiltProgram("Zorn3D").isEmpty());
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs);
    QFETCH(QString, commandLine);
    QVERIFY(processes.startProgram(commandLine, tree.root()));
    QFETCH(QString, record);
    const QByteArray expected = record.toUtf8() + "\n";
    QTRY_COMPARE_WITH_TIMEOUT(tree.readFile("Zorn3D.out"), expected, 20000);
}

void TestDesktopProcesses::associatedProgram()
{
    InstallTree tree;
    const QString help = tree.addFile("Z3D_Docs/Help/Iwad location.txt", "help");
    RecordingDialogs dialogs;
    DesktopProcesses processes(dialogs);
    QList<QUrl> opened;
    bool desktopOpens = true;
    processes.setUrlOpener([&](const QUrl& url) {
        opened << url;
        return desktopOpens;
    });

    const QString askedFor = tree.path("z3d_docs/HELP/iwad LOCATION.txt");
    QCOMPARE(processes.openWithAssociatedProgram(askedFor), 33);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(help)});
    QCOMPARE(processes.openWithAssociatedProgram("https://example.org/zorn3d"), 33);
    QCOMPARE(opened.last(), QUrl("https://example.org/zorn3d"));
    QCOMPARE(processes.openWithAssociatedProgram(tree.path("Z3D_Docs/missing.htm")), 2);
    QCOMPARE(opened.size(), 2);
    QVERIFY(dialogs.messages().isEmpty());

    desktopOpens = false;
    QCOMPARE(processes.openWithAssociatedProgram(help), 0);
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().at(0).title, " Shell error");
    QCOMPARE(dialogs.messages().at(0).text, "Unable to find associated file.   ");
    QCOMPARE(dialogs.messages().at(0).style, 16);
    QVERIFY(!processes.openInTextEditor(help));
    QCOMPARE(opened.last(), QUrl::fromLocalFile(help));
}

Z3D_TEST_MAIN(TestDesktopProcesses)
#include "tst_desktopprocesses.moc"
