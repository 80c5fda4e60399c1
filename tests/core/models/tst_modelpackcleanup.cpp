// DeleteModelPacks on throw-away installation trees.

#include "core/models/ModelPackCleanup.h"
#include "core/platform/FaultInjector.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/LinkedAway.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace z3d;
using z3d::test::DataTable;
using z3d::test::InstallTree;

class TestModelPackCleanup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }
    void orrinpackAloneKeepsTheSharedTextures();
    void standardModelsKeepTheBrannockSoldiers();
    void lastPackTakesTheSharedTextures();
    void sharedTexturesStayWhileAPackUsesThem_data();
    void sharedTexturesStayWhileAPackUsesThem();
    void linkInsidePackIsRemovedAsALink();
    void packsInsideALinkedModelFolder();
    void failureStopsAndIsReported();
};

namespace {

void addSharedTextures(InstallTree& tree)
{
    tree.addFile("Md2/shiny.png");
    tree.addFile("Md2/metallic.png");
}

} // namespace

void TestModelPackCleanup::orrinpackAloneKeepsTheSharedTextures()
{
    InstallTree tree;
    tree.addFiles({"Md2/Orrinpack/orrinpack.wad", "Defs/Model/Orrinpack/Fullpack.ded",
                   "Md2/Pellam/Gore/hang7.dmd"});
    addSharedTextures(tree);
    CleanupChoice choice;
    choice.orrinpack = true;
    QVERIFY(deleteModelPacks(tree.paths(), choice).complete());
    QVERIFY(!tree.exists("Md2/Orrinpack"));
    QVERIFY(!tree.exists("Defs/Model/Orrinpack"));
    QVERIFY(tree.exists("Md2/Pellam/Gore/hang7.dmd"));
    QVERIFY(tree.exists("Md2/shiny.png"));
    QVERIFY(tree.exists("Md2/metallic.png"));
}

void TestModelPackCleanup::standardModelsKeepTheBrannockSoldiers()
{
    InstallTree tree;
    for (const char* path :
         {"Md2/Monsters/Imp/imp.dmd", "Md2/Monsters/SSDUDE/s.dmd", "Md2/Monsters/Soldiers2/s.dmd",
          "Md2/HudWeapons/chainsaw/c.dmd", "Md2/Lod/Standard/l.dmd", "Md2/Lod/Enhanced/l.dmd",
          "Defs/Model/Monsters.ded", "Defs/Model/Addon/ExtraFX.ded",
          "Defs/Model/Addon/TolmsSoldiers.ded", "Defs/Custom/Standard chaingun.ded",
          "Defs/Custom/mine.ded"})
        tree.addFile(path);
    QFile::setPermissions(tree.path("Defs/Model/Monsters.ded"), QFileDevice::ReadOwner);
    CleanupChoice choice;
    choice.standardModels = true;
    QVERIFY(deleteModelPacks(tree.paths(), choice).complete());
    for (const char* gone : {"Md2/Monsters/Imp", "Md2/Monsters/SSDUDE", "Md2/HudWeapons",
                             "Md2/Lod/Standard", "Defs/Model/Monsters.ded",
                             "Defs/Model/Addon/ExtraFX.ded", "Defs/Custom/Standard chaingun.ded"})
        QVERIFY2(!tree.exists(gone), gone);
    for (const char* kept : {"Md2/Monsters/Soldiers2/s.dmd", "Md2/Lod/Enhanced/l.dmd",
                             "Defs/Model/Addon/TolmsSoldiers.ded", "Defs/Custom/mine.ded"})
        QVERIFY2(tree.exists(kept), kept);
}

void TestModelPackCleanup::lastPackTakesTheSharedTextures()
{
    InstallTree tree;
    tree.addFiles({"Md2/Monsters/Soldiers2/s.dmd", "Md2/Monsters/Player.txt", "Md2/Pellam/p.dmd",
                   "Md2/Lod/Enhanced/e.dmd", "Defs/Model/Pellam/hudweapons.ded",
                   "Defs/Model/Addon/TolmsSoldiersLod.ded"});
    addSharedTextures(tree);
    CleanupChoice choice;
    choice.pellamOrrinModels = true;
    choice.brannockSoldiers = true;
    QVERIFY(deleteModelPacks(tree.paths(), choice).complete());
    for (const char* gone :
         {"Md2/Monsters", "Md2/Pellam", "Md2/Lod", "Defs/Model/Pellam",
          "Defs/Model/Addon/TolmsSoldiersLod.ded", "Md2/shiny.png", "Md2/metallic.png"})
        QVERIFY2(!tree.exists(gone), gone);
    QVERIFY(tree.exists("Defs/Model/Addon"));
}

void TestModelPackCleanup::sharedTexturesStayWhileAPackUsesThem_data()
{
    const DataTable<QString> row("remaining"); // the one pack folder left under Md2
    row("HUD weapons", QStringLiteral("Md2/HudWeapons/pistol/p.dmd"));
    row("Orrinpack", QStringLiteral("Md2/Orrinpack/orrinpack.wad"));
    row("Pellam", QStringLiteral("Md2/Pellam/Gore/hang7.dmd"));
}

// The Brannock soldiers go; the one pack left still uses the textures.
void TestModelPackCleanup::sharedTexturesStayWhileAPackUsesThem()
{
    QFETCH(QString, remaining);
    InstallTree tree;
    tree.addFile(remaining);
    tree.addFile("Md2/Monsters/Soldiers2/s.dmd");
    addSharedTextures(tree);
    CleanupChoice choice;
    choice.brannockSoldiers = true;
    QVERIFY(deleteModelPacks(tree.paths(), choice).complete());
    QVERIFY(!tree.exists("Md2/Monsters"));
    QVERIFY(tree.exists(remaining));
    QVERIFY(tree.exists("Md2/shiny.png"));
    QVERIFY(tree.exists("Md2/metallic.png"));
}

void TestModelPackCleanup::linkInsidePackIsRemovedAsALink()
{
    InstallTree tree;
    const QString outside = tree.addFile("Keep/precious.dmd");
    tree.addFolder("Md2/Orrinpack");
    QVERIFY(QFile::link(tree.path("Keep"), tree.path("Md2/Orrinpack/linked")));
    tree.removeFolder("Defs/Model/Orrinpack");
    // A pack folder that is itself a link, and a pack item reached through a linked folder.
    QVERIFY(QFile::link(tree.path("Keep"), tree.path("Defs/Model/Orrinpack")));
    tree.addFile("Keep2/Imp/imp.dmd");
    QVERIFY(QFile::link(tree.path("Keep2"), tree.path("Md2/Monsters")));
    CleanupChoice choice;
    choice.orrinpack = true;
    choice.standardModels = true;
    QVERIFY(deleteModelPacks(tree.paths(), choice).complete());
    QVERIFY(!tree.exists("Md2/Orrinpack"));
    QVERIFY(!QFileInfo(tree.path("Defs/Model/Orrinpack")).isSymLink());
    QVERIFY(!QFileInfo(tree.path("Md2/Monsters")).isSymLink());
    QVERIFY(QFile::exists(outside));
    QVERIFY(tree.exists("Keep2/Imp/imp.dmd"));
}

void TestModelPackCleanup::packsInsideALinkedModelFolder()
{
    // Md2 kept on another disk: the packs in it are the player's to clean up, the link stays.
    InstallTree tree;
    tree.addFile("Md2/Orrinpack/orrinpack.wad");
    tree.addFile("Md2/Pellam/Gore/hang7.dmd");
    QVERIFY(z3d::test::linkAway(tree, "Md2", "Elsewhere/Md2"));
    CleanupChoice choice;
    choice.orrinpack = true;
    QVERIFY(deleteModelPacks(tree.paths(), choice).complete());
    QVERIFY(QFileInfo(tree.path("Md2")).isSymLink());
    QVERIFY(!tree.exists("Elsewhere/Md2/Orrinpack"));
    QVERIFY(tree.exists("Elsewhere/Md2/Pellam/Gore/hang7.dmd"));
}

void TestModelPackCleanup::failureStopsAndIsReported()
{
    InstallTree tree;
    tree.addFiles({"Md2/Decorations/d.dmd", "Md2/Flames/f.dmd", "Md2/Items/i.dmd"});
    FaultInjector::fail(FileOperation::Delete, tree.path("Md2/Flames/f.dmd"),
                        ErrorNumber::PermissionDenied);
    CleanupChoice choice;
    choice.standardModels = true;
    const CleanupResult result = deleteModelPacks(tree.paths(), choice);
    QVERIFY(!result.complete());
    QCOMPARE(result.failedItem, tree.path("Md2/Flames"));
    QCOMPARE(result.error, ErrorNumber::PermissionDenied);
    QVERIFY(!tree.exists("Md2/Decorations"));
    QVERIFY(tree.exists("Md2/Items/i.dmd"));
}

Z3D_TEST_GUILESS_MAIN(TestModelPackCleanup)
#include "tst_modelpackcleanup.moc"
