// The Orrinpack version test and the hud-weapons compatibility test on real files.

#include "core/models/ModelVersions.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QByteArray kOrrinLine = "# ORRINPACK version 7 - Do not edit this line\r\nrest\r\n";
const QByteArray kHudLine = "# hweapons version 9 - Do not edit this line\r\n";

} // namespace

class TestModelVersions : public QObject
{
    Q_OBJECT

private slots:
    void orrinpackVersion_data();
    void orrinpackVersion();
    void compatibility_data();
    void compatibility();
};

void TestModelVersions::orrinpackVersion_data()
{
    const DataTable<QByteArray, bool, QDateTime, bool, bool> row("firstLines", "wad", "wadTime",
                                                                 "wine", "passes");
    const QDateTime cutOff = ModelVersions::orrinpackWadCutOff();
    const QDateTime newer = cutOff.addSecs(60);
    row("right line, newer wad", kOrrinLine, true, newer, false, true);
    row("right line, wad dated before the cut-off", kOrrinLine, true, cutOff.addSecs(-60), false,
        false);
    row("right line, wad dated at the cut-off", kOrrinLine, true, cutOff, false, false);
    row("wad dated in the future", kOrrinLine, true, QDateTime::currentDateTime().addYears(5),
        false, true);
    row("old version line", "# Orrinpack version 6 - Do not edit this line\r\n", true, newer, false,
        false);
    row("binary first line", QByteArray("\0\x01\xff\xfe", 4), true, newer, false, false);
    row("empty definition file", "", true, newer, false, false);
    row("no wad", kOrrinLine, false, newer, false, false);
    row("under Wine nothing is read", "wrong", true, cutOff.addYears(-1), true, true);
    row("under Wine the wad must still exist", kOrrinLine, false, newer, true, false);
}

void TestModelVersions::orrinpackVersion()
{
    const auto [firstLines, wad, wadTime, wine, passes] =
        fetchRow<QByteArray, bool, QDateTime, bool, bool>("firstLines", "wad", "wadTime", "wine", "passes");
    InstallTree tree;
    tree.addFile("Defs/Model/Orrinpack/fullpack.ded", firstLines);
    if (wad) {
        QFile file(tree.addFile("Md2/ORRINPACK/orrinpack.wad", "IWAD"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(wadTime, QFileDevice::FileModificationTime));
    }
    QCOMPARE(ModelVersions::orrinpackVersionOk(tree.paths(), "Fullpack.ded", wine), passes);
    QVERIFY(!ModelVersions::orrinpackVersionOk(tree.paths(), "Alternative.ded", wine));
}

void TestModelVersions::compatibility_data()
{
    const DataTable<QByteArray, QByteArray, bool, bool> row("standard", "enhanced", "chosen",
                                                            "passes");
    row("both carry the version line", kHudLine, kHudLine, true, true);
    row("neither does", "old\r\n", "older\r\n", true, true);
    row("only the standard one", kHudLine, "old\r\n", true, false);
    row("only the enhanced one", "", kHudLine, true, false);
    row("replacements not chosen", kHudLine, "old\r\n", false, true);
    row("no enhanced file", kHudLine, QByteArray(), true, true);
}

void TestModelVersions::compatibility()
{
    const auto [standard, enhanced, chosen, passes] =
        fetchRow<QByteArray, QByteArray, bool, bool>("standard", "enhanced", "chosen", "passes");
    InstallTree tree;
    tree.addFile("Defs/Model/HudWeapons.ded", standard);
    if (!enhanced.isNull())
        tree.addFile("Defs/Model/Pellam/hudweapons.ded", enhanced);
    QCOMPARE(ModelVersions::modelsCompatible(tree.paths(), false, false, chosen), passes);
    QVERIFY(ModelVersions::modelsCompatible(tree.paths(), true, false, chosen));
    QVERIFY(ModelVersions::modelsCompatible(tree.paths(), false, true, chosen));
}

Z3D_TEST_GUILESS_MAIN(TestModelVersions)
#include "tst_modelversions.moc"
