// font.z3d: its reading rules on hand-written lines, the file written back, and the font
// window's fixed choices.

#include "core/settings/FontSettings.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestFontSettings : public QObject
{
    Q_OBJECT

private slots:
    void lineIsReadByItsRules_data()
    {
        const DataTable<QString, QString, int, bool> row("line", "name", "size", "bold");
        row("bold Verdana", "Verdana,8,b", "Verdana", 8, true);
        row("upper-case B", "Arial,10,B", "Arial", 10, true);
        row("no comma keeps the size", "Tahoma", "Tahoma", 0, false);
        row("B alone", "B", "", 0, true);
        row("commas and b", ",,,b", "", 0, true);
        row("size out of range", "Arial,99999", "Arial", 0, false);
        row("size no number", "Arial,abc", "Arial", 0, false);
        row("name with blanks", "Times New Roman,9", "Times New Roman", 9, false);
        row("empty", "", "", 0, false);
    }
    void lineIsReadByItsRules()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(bool, bold);
        const FontSettings font = FontSettings::parse(line);
        QCOMPARE(font.name, name);
        QCOMPARE(font.size, size);
        QCOMPARE(font.bold, bold);
        QCOMPARE(font.appliedSize(), size == 0 ? 8 : size);
    }

    void fileRoundTrip()
    {
        InstallTree tree;
        QVERIFY(tree.isValid());
        const QString launcherDir = tree.paths().launcherDir;
        QVERIFY(!FontSettings::read(launcherDir));
        QCOMPARE(FontSettings::write(launcherDir, {"Verdana", 8, true}), ErrorNumber::None);
        QCOMPARE(tree.readFile("Z3DLaunch/font.z3d"), QByteArray("Verdana,8,b\r\n"));
        QCOMPARE(*FontSettings::read(launcherDir), (FontSettings{"Verdana", 8, true}));
        tree.addFile("Z3DLaunch/font.z3d", "");
        QCOMPARE(*FontSettings::read(launcherDir), FontSettings{});
    }

    void sizesFollowTheFontAndWeight_data()
    {
        const DataTable<QString, bool, QList<int>> row("font", "bold", "sizes");
        row("Verdana regular", "Verdana", false, {8, 9, 10});
        row("Verdana bold", "Verdana", true, {8, 9});
        row("Calibri", "Calibri", false, {10});
        row("MS Sans Serif", "MS Sans Serif", true, {8, 10});
        row("unknown", "Comic", false, {});
    }
    void sizesFollowTheFontAndWeight()
    {
        QFETCH(QString, font);
        QFETCH(bool, bold);
        QFETCH(QList<int>, sizes);
        QCOMPARE(font_choices::sizes(font, bold), sizes);
    }
};

QTEST_GUILESS_MAIN(TestFontSettings)
#include "tst_fontsettings.moc"
