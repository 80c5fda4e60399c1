// Runs the real Z3DgFiles GETSAVEHDRS against save folders written byte for byte.

#include "support/CheckerTestCase.h"
#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/TestRegistry.h"
#include "support/ToolRun.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace z3d::test;

namespace {

using Files = QList<QPair<QString, QByteArray>>;

// A save file: the description padded with NULs to 24 bytes, then some game state.
QByteArray save(const QByteArray& description)
{
    QByteArray bytes = description.left(24);
    bytes.append(QByteArray(24 - bytes.size(), '\0'));
    return bytes + QByteArray(200, '\x5a');
}

// The launcher's item reader with quoted items honoured.
QStringList items(const QByteArray& output)
{
    QStringList result;
    const QString text = QString::fromUtf8(output);
    qsizetype i = 0;
    while (i < text.size()) {
        QString item;
        if (text[i] == '"') {
            const qsizetype close = text.indexOf('"', i + 1);
            item = text.mid(i + 1, close < 0 ? -1 : close - i - 1);
            i = close < 0 ? text.size() : close + 1;
        }
        while (i < text.size() && text[i] != ',' && text[i] != '\n')
            item += text[i++];
        result.append(item);
        ++i;
    }
    return result;
}

} // namespace

class TestSaveHeaders : public CheckerTestCase
{
    Q_OBJECT

private slots:
    void folders_data();
    void folders();
    void missingFolder();
    void folderNameWithBlanksAndComma();
};

void TestSaveHeaders::folders_data()
{
    const DataTable<Files, QByteArray> row("files", "expected");

    row("empty folder", Files{}, QByteArray());
    row("slots 1 3 4 in slot order",
        Files{{"Zorn3DSav4.z3dsg", save("Fourth")},
              {"Zorn3DSav1.z3dsg", save("Entryway")},
              {"Zorn3DSav3.z3dsg", save("Hangar start")}},
        QByteArray("\"1Entryway\"\n\"3Hangar start\"\n\"4Fourth\"\n"));
    row("comma in a description", Files{{"Zorn3DSav3.z3dsg", save("Hangar run, take two")}},
        QByteArray("\"3Hangar run, take two\"\n"));
    row("empty description", Files{{"Zorn3DSav2.z3dsg", save("")}}, QByteArray("\"2\"\n"));
    row("24 characters without NUL", Files{{"Zorn3DSav0.z3dsg", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"}},
        QByteArray("\"0ABCDEFGHIJKLMNOPQRSTUVWX\"\n"));
    row("text after the NUL ignored",
        Files{{"Zorn3DSav5.z3dsg", QByteArray("Kept\0dropped text here!!", 24) + "state"}},
        QByteArray("\"5Kept\"\n"));
    row("short and empty files skipped",
        Files{{"Zorn3DSav1.z3dsg", "short"},
              {"Zorn3DSav2.z3dsg", ""},
              {"Zorn3DSav3.z3dsg", QByteArray(23, 'x')},
              {"Zorn3DSav4.z3dsg", QByteArray(24, 'y')}},
        QByteArray("\"4yyyyyyyyyyyyyyyyyyyyyyyy\"\n"));
    row("line breaks quotes and controls",
        Files{{"Zorn3DSav6.z3dsg", save("a\r\nb\"c\"\td\x7f"
                                        "e")}},
        QByteArray("\"6a  b'c' d e\"\n"));
    row("UTF-8 kept and stray bytes replaced",
        Files{{"Zorn3DSav7.z3dsg", save("Caf\xc3\xa9 \xe9t\xe9 \xc3")}},
        QByteArray("\"7Caf\xc3\xa9 ?t? ?\"\n"));
    row("name compared without case",
        Files{{"ZORN3DSAV8.Z3DSG", save("Upper")}, {"zorn3dsav9.z3dsg", save("Lower")}},
        QByteArray("\"8Upper\"\n\"9Lower\"\n"));
    row("other files ignored",
        Files{{"Zorn3DSav10.z3dsg", save("two digits")},
              {"Zorn3DSavA.z3dsg", save("letter")},
              {"Zorn3DSav1.z3dsg.bak", save("backup")},
              {"Zorn3DSav1.z3ds", save("record")},
              {"xZorn3DSav1.z3dsg", save("prefix")},
              {"notes.txt", save("notes")},
              {"Zorn3DSav5.z3dsg/inner.txt", "a folder named like a save"},
              {"Zorn3DSav2.z3dsg", save("The real one")}},
        QByteArray("\"2The real one\"\n"));
    row("same slot twice in different case",
        Files{{"zorn3dsav1.z3dsg", save("lower")}, {"Zorn3DSav1.z3dsg", save("mixed")}},
        QByteArray("\"1mixed\"\n"));
}

void TestSaveHeaders::folders()
{
    QFETCH(Files, files);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const auto& [name, bytes] : files) {
        const QString path = dir.filePath(name);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(writeBytes(path, bytes));
    }

    const ToolRun run = runChecker({QStringLiteral("GETSAVEHDRS"), dir.path()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.output, expected);

    // One item per save, whatever the description holds.
    const QStringList entries = items(run.output);
    QCOMPARE(entries.size(), qsizetype(run.output.count('\n')));
    for (const QString& entry : entries)
        QVERIFY(!entry.isEmpty() && entry[0].isDigit());
}

void TestSaveHeaders::missingFolder()
{
    QTemporaryDir dir;
    const ToolRun missing =
        runChecker({QStringLiteral("getsavehdrs"), dir.filePath(QStringLiteral("gone"))});
    QCOMPARE(missing.exitCode, 1);
    QCOMPARE(missing.output, QByteArray());

    const QString file = dir.filePath(QStringLiteral("Zorn3DSav1.z3dsg"));
    QVERIFY(writeBytes(file, save("not a folder")));
    const ToolRun notFolder = runChecker({QStringLiteral("GetSaveHdrs"), file});
    QCOMPARE(notFolder.exitCode, 1);
    QCOMPARE(notFolder.output, QByteArray());
}

void TestSaveHeaders::folderNameWithBlanksAndComma()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Z3DGames/Hell, Revisited/savegame"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeBytes(folder + QStringLiteral("/Zorn3DSav9.z3dsg"), save("Boss")));
    const ToolRun run = runChecker({QStringLiteral("GETSAVEHDRS"), folder});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.output, QByteArray("\"9Boss\"\n"));
}

Z3D_TEST_GUILESS_MAIN(TestSaveHeaders)
#include "tst_saveheaders.moc"
