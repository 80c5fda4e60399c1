// font.z3d: its reading rules on hand-written lines, the file written back, and the font
// window's fixed choices.

#include "core/settings/FontSettings.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestFontSettings : public QObject
{
    Q_OBJECT

private slots:
    // The size read is kept as the file gives it (a 16-bit number); the windows take it only
    // when the font window offers it, else the default 8.
    void lineIsReadByItsRules_data()
    {
        const DataTable<QString, QString, int, bool, int> row("line", "name", "size", "bold",
                                                              "applied");
        row("bold Verdana", "Verdana,8,b", "Verdana", 8, true, 8);
        row("largest offered, upper-case B", "Arial,10,B", "Arial", 10, true, 10);
        row("no comma keeps the size", "Tahoma", "Tahoma", 0, false, 8);
        row("B alone", "B", "", 0, true, 8);
        row("commas and b", ",,,b", "", 0, true, 8);
        row("largest 16-bit size", "Arial,32767", "Arial", 32767, false, 8);
        row("size out of range", "Arial,99999", "Arial", 0, false, 8);
        row("just above the offered", "Arial,11", "Arial", 11, false, 8);
        row("just below the offered", "Arial,7", "Arial", 7, false, 8);
        row("size no number", "Arial,abc", "Arial", 0, false, 8);
        row("name with blanks", "Times New Roman,9", "Times New Roman", 9, false, 9);
        row("empty", "", "", 0, false, 8);
    }
    void lineIsReadByItsRules()
    {
        const auto [line, name, size, bold, applied] =
            fetchRow<QString, QString, int, bool, int>("line", "name", "size", "bold", "applied");
        const FontSettings font = FontSettings::parse(line);
        QCOMPARE(font.name, name);
        QCOMPARE(font.size, size);
        QCOMPARE(font.bold, bold);
        QCOMPARE(font.appliedSize(), applied);
    }

    void fileRoundTrip()
    {
        InstallTree tree;
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
        const auto [font, bold, sizes] =
            fetchRow<QString, bool, QList<int>>("font", "bold", "sizes");
        QCOMPARE(font_choices::sizes(font, bold), sizes);
    }
};

Z3D_TEST_GUILESS_MAIN(TestFontSettings)
#include "tst_fontsettings.moc"
