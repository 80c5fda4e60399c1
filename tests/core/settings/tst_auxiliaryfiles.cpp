#include "core/platform/FaultInjector.h"
#include "core/settings/AuxiliaryFiles.h"
#include "core/settings/FolderBrowserTitle.h"
#include "core/settings/SettingsLoader.h"
#include "core/settings/TexturePaths.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

Q_DECLARE_METATYPE(ControlChange)

namespace {

// "@" in a row stands for the installation root.
QString rooted(const InstallTree& tree, const QString& text)
{
    QString t = text;
    return t.replace("@", tree.root());
}

void addFolders(InstallTree& tree, const QStringList& folders)
{
    for (const QString& folder : folders)
        tree.addFolder(folder);
}

} // namespace

class TestAuxiliaryFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void loaderReadsTexpathAndArchives();
    void loaderDefaultsWithoutFiles();
    void loaderOutcomePassedOn();
    void blankLineIsNoValue();

    void lastInstallFolder_data();
    void lastInstallFolder();

    void lastInstallFolderReadsBack();
    void texturePathStoredUnlessDefault();
    void zipLibraryLocation();
    void cleanupConfirmation();

    void texturePathValid_data();
    void texturePathValid();
    void patchesAvailable_data();
    void patchesAvailable();
    void chooseDefaultFolderDeletesTexpath();
    void chooseOtherFolderWritesTexpath();
    void chooseInvalidFolder();
    void pathBoxChanged();

    void browserTitle_data();
    void browserTitle();
};

void TestAuxiliaryFiles::loaderReadsTexpathAndArchives()
{
    InstallTree tree;
    tree.addTextFile("Z3DLaunch/Data/texpath.z3d", {"/mnt/hires/Textures", "ignored"});
    tree.addFolder("Stick/Zips");
    tree.addTextFile("Z3DLaunch/Data/archives.z3d", {tree.path("Stick/Zips")});
    tree.addTextFile("Z3DLaunch/config.z3d", {"v7.5", " 3 "});
    LoadedSettings loaded = SettingsLoader::load(tree.paths(), false, 15360, 11520);
    QCOMPARE(loaded.texturePath, QString("/mnt/hires/Textures"));
    QCOMPARE(loaded.paths.zipLibraryDir, tree.path("Stick/Zips"));
    // Once the drive is gone the default library stands in; nothing is created.
    QVERIFY(QDir(tree.path("Stick")).removeRecursively());
    loaded = SettingsLoader::load(tree.paths(), false, 15360, 11520);
    QCOMPARE(loaded.paths.zipLibraryDir, tree.paths().zipLibraryDir);
    QVERIFY(!QFileInfo::exists(tree.path("Stick")));
    QCOMPARE(loaded.paths.launcherDir, tree.paths().launcherDir);
    QCOMPARE(loaded.result.settings.lastSkill, 3);
    QCOMPARE(loaded.result.linesRead, 2);
    QCOMPARE(loaded.result.settings.windowLeft, 2830);
}

void TestAuxiliaryFiles::loaderDefaultsWithoutFiles()
{
    InstallTree tree;
    const LoadedSettings loaded = SettingsLoader::load(tree.paths(), true, 15360, 11520);
    QCOMPARE(loaded.texturePath, tree.root() + "/Data/Textures");
    QCOMPARE(loaded.paths.zipLibraryDir, tree.root() + "/Z3DArchives");
    QCOMPARE(loaded.result.outcome, SettingsReadOutcome::Ok);
    QVERIFY(loaded.result.settings == LauncherSettings::defaults(15360, 11520));
}

void TestAuxiliaryFiles::loaderOutcomePassedOn()
{
    InstallTree tree;
    tree.addTextFile("z3dlaunch/CONFIG.Z3D", {"v7.5", " 2 ", " 0 ", " 0 ", "abc"});
    tree.removeFolder("Z3DLaunch");
    const LoadedSettings loaded = SettingsLoader::load(tree.paths(), false, 15360, 11520);
    QCOMPARE(loaded.result.outcome, SettingsReadOutcome::ConversionError);
}

void TestAuxiliaryFiles::blankLineIsNoValue()
{
    InstallTree tree;
    tree.addTextFile("Z3DLaunch/Data/archives.z3d", {"   "});
    tree.addFile("Z3DLaunch/Data/texpath.z3d", "");
    QVERIFY(!AuxiliaryFiles::readZipLibraryDir(tree.paths()));
    QVERIFY(!AuxiliaryFiles::readTexturePath(tree.paths()));
}

void TestAuxiliaryFiles::lastInstallFolder_data()
{
    const DataTable<QStringList, QByteArray, QString> row("folders", "file", "expected");
    row("existing", QStringList{"Downloads"}, QByteArray("@/Downloads\r\n"), "@/Downloads");
    row("case differs", QStringList{"Downloads"}, QByteArray("@/DOWNLOADS\r\n"), "@/Downloads");
    row("gone", QStringList{}, QByteArray("@/Downloads\r\n"), "");
    row("comma cuts the folder", QStringList{"Maps, new"}, QByteArray("@/Maps, new\r\n"), "");
    row("comma, part before exists", QStringList{"Maps"}, QByteArray("@/Maps,rest\r\n"), "@/Maps");
    row("quoted comma", QStringList{"Maps, new"}, QByteArray("\"@/Maps, new\"\r\n"), "@/Maps, new");
    row("leading blanks", QStringList{"Downloads"}, QByteArray("   @/Downloads\r\n"),
        "@/Downloads");
    row("empty file", QStringList{}, QByteArray(), "");
}

void TestAuxiliaryFiles::lastInstallFolder()
{
    const auto [folders, file, expected] =
        fetchRow<QStringList, QByteArray, QString>("folders", "file", "expected");
    InstallTree tree;
    addFolders(tree, folders);
    tree.addFile("Z3DLaunch/Data/pwads.z3d", rooted(tree, QString::fromUtf8(file)).toUtf8());
    QCOMPARE(AuxiliaryFiles::readLastInstallFolder(tree.paths()), rooted(tree, expected));
}

// The folder written is the folder read, whatever its name holds.
void TestAuxiliaryFiles::lastInstallFolderReadsBack()
{
    InstallTree tree;
    for (const char* name : {"Maps, new", "My \"Maps\", v2", " lead"}) {
        const QString folder =
            tree.addFolder(QStringLiteral("Downloads/") + QString::fromUtf8(name));
        QCOMPARE(AuxiliaryFiles::writeLastInstallFolder(tree.paths(), folder), ErrorNumber::None);
        QCOMPARE(AuxiliaryFiles::readLastInstallFolder(tree.paths()), folder);
    }
}

void TestAuxiliaryFiles::texturePathStoredUnlessDefault()
{
    InstallTree tree;
    const InstallPaths p = tree.paths();
    QCOMPARE(AuxiliaryFiles::storeTexturePath(p, "/mnt/hires/Textures"), ErrorNumber::None);
    QCOMPARE(tree.readFile("Z3DLaunch/Data/texpath.z3d"), QByteArray("/mnt/hires/Textures\r\n"));
    // The default folder, in another case and with a trailing separator, deletes the file.
    QCOMPARE(AuxiliaryFiles::storeTexturePath(p, tree.root() + "/DATA/textures/"),
             ErrorNumber::None);
    QVERIFY(!tree.exists("Z3DLaunch/Data/texpath.z3d"));
    QCOMPARE(AuxiliaryFiles::storeTexturePath(p, tree.root() + "/Data/Textures"),
             ErrorNumber::None);

    FaultInjector::fail(FileOperation::Write, AuxiliaryFiles::texturePathFile(p),
                        ErrorNumber::PermissionDenied);
    QCOMPARE(AuxiliaryFiles::storeTexturePath(p, "/x"), ErrorNumber::PermissionDenied);
    QVERIFY(!tree.exists("Z3DLaunch/Data/texpath.z3d"));
}

void TestAuxiliaryFiles::zipLibraryLocation()
{
    InstallTree tree;
    const InstallPaths p = tree.paths();
    tree.addFolder("Elsewhere/Zips");
    ErrorNumber error = ErrorNumber::Overflow;
    QCOMPARE(AuxiliaryFiles::storeZipLibraryDir(p, tree.path("elsewhere/zips/"), &error),
             tree.path("Elsewhere/Zips"));
    QCOMPARE(error, ErrorNumber::None);
    QCOMPARE(tree.readFile("Z3DLaunch/Data/archives.z3d"),
             (tree.path("Elsewhere/Zips") + "\r\n").toUtf8());
    QCOMPARE(AuxiliaryFiles::storeZipLibraryDir(p, tree.path("Gone")),
             tree.root() + "/Z3DArchives");
    QCOMPARE(tree.readFile("Z3DLaunch/Data/archives.z3d"),
             (tree.root() + "/Z3DArchives\r\n").toUtf8());
    QCOMPARE(AuxiliaryFiles::readZipLibraryDir(p), tree.root() + "/Z3DArchives");
}

void TestAuxiliaryFiles::cleanupConfirmation()
{
    InstallTree tree;
    const InstallPaths p = tree.paths();
    QVERIFY(!AuxiliaryFiles::cleanupConfirmationRemoved(p));
    QCOMPARE(AuxiliaryFiles::setCleanupConfirmationRemoved(p, true), ErrorNumber::None);
    QCOMPARE(tree.readFile("Z3DLaunch/Data/confirm.z3d"),
             QByteArray("Cleanup confirmation removed.\r\n"));
    QVERIFY(AuxiliaryFiles::cleanupConfirmationRemoved(p));
    QCOMPARE(AuxiliaryFiles::setCleanupConfirmationRemoved(p, false), ErrorNumber::None);
    QVERIFY(!tree.exists("Z3DLaunch/Data/confirm.z3d"));
    QCOMPARE(AuxiliaryFiles::setCleanupConfirmationRemoved(p, false), ErrorNumber::None);
}

void TestAuxiliaryFiles::texturePathValid_data()
{
    const DataTable<QStringList, QString, QString, bool, QString, QString> row(
        "folders", "texturePath", "boxText", "valid", "newPath",
        "newBox"); // "-" when the box keeps its text
    row("folder holding Textures", QStringList{"HiRes/Textures"}, "@/HiRes", "x", true, "@/HiRes",
        "-");
    row("path ending in lower-case textures", QStringList{"Pack/textures"}, "@/Pack/textures", "x",
        true, "@/Pack/textures", "-");
    row("case differs from disk", QStringList{"Pack/Textures"}, "@/PACK/TEXTURES", "", true,
        "@/Pack/Textures", "-");
    row("gone: box text taken", QStringList{"New/Textures"}, "@/Old", "@/New", true, "@/New", "-");
    row("named Textures but missing: default", QStringList{"Data/Textures"}, "@/Gone/Textures", "",
        true, "@/Data/Textures", "@/Data/Textures");
    row("existing folder without textures: default", QStringList{"Plain", "Data/Textures"},
        "@/Plain", "@/Plain", true, "@/Data/Textures", "@/Data/Textures");
    row("nothing valid", QStringList{"Plain"}, "@/Gone", "@/Gone2", false, "@/Gone2", "-");
    row("box holds the notice", QStringList{}, "@/Gone",
        "Not installed or the specified path is invalid", false,
        "Not installed or the specified path is invalid", "-");
}

void TestAuxiliaryFiles::texturePathValid()
{
    const auto [folders, texturePath, boxText, valid, newPath, newBox] =
        fetchRow<QStringList, QString, QString, bool, QString, QString>("folders", "texturePath", "boxText", "valid", "newPath", "newBox");
    InstallTree tree;
    addFolders(tree, folders);
    const TexturePathCheck check = TexturePaths::texturePathValid(
        rooted(tree, texturePath), rooted(tree, boxText), tree.paths());
    QCOMPARE(check.valid, valid);
    QCOMPARE(check.texturePath, rooted(tree, newPath));
    if (newBox == "-")
        QVERIFY(!check.boxText);
    else
        QCOMPARE(check.boxText.value_or("-"), rooted(tree, newBox));
}

void TestAuxiliaryFiles::patchesAvailable_data()
{
    const DataTable<QStringList, QString, bool, QString> row("folders", "texturePath", "available",
                                                             "setDir");
    row("installation patches", QStringList{"Data/Patches"}, "@/HiRes/Textures", true,
        "@/unchanged");
    row("beside Textures", QStringList{"HiRes/Textures", "HiRes/Patches"}, "@/HiRes/Textures", true,
        "@/HiRes");
    row("beside textures, trailing separator", QStringList{"HiRes/textures", "HiRes/patches"},
        "@/HiRes/textures/", true, "@/HiRes");
    row("set folder given", QStringList{"HiRes/Textures", "HiRes/Patches"}, "@/HiRes", true,
        "@/HiRes");
    row("none", QStringList{"HiRes/Textures"}, "@/HiRes/Textures", false, "@/HiRes");
}

void TestAuxiliaryFiles::patchesAvailable()
{
    const auto [folders, texturePath, available, setDir] =
        fetchRow<QStringList, QString, bool, QString>("folders", "texturePath", "available", "setDir");
    InstallTree tree;
    addFolders(tree, folders);
    const PatchesCheck check = TexturePaths::patchesAvailable(
        rooted(tree, texturePath), rooted(tree, "@/unchanged"), tree.paths());
    QCOMPARE(check.available, available);
    QCOMPARE(check.textureSetDir, rooted(tree, setDir));
}

void TestAuxiliaryFiles::chooseDefaultFolderDeletesTexpath()
{
    InstallTree tree;
    tree.addFolder("Data/Textures");
    tree.addFolder("HiRes/Textures");
    tree.addTextFile("Z3DLaunch/Data/texpath.z3d", {tree.path("HiRes")});
    const TextureChoiceOutcome out = TexturePaths::chooseFolder(
        tree.path("HiRes"), {}, tree.path("HiRes"), tree.path("data/textures"), tree.paths());
    QVERIFY(out.valid);
    QCOMPARE(out.texturePath, tree.path("Data/Textures"));
    QCOMPARE(out.boxText, tree.path("Data/Textures"));
    QVERIFY(!tree.exists("Z3DLaunch/Data/texpath.z3d"));
}

void TestAuxiliaryFiles::chooseOtherFolderWritesTexpath()
{
    InstallTree tree;
    tree.addFolder("Data/Textures");
    tree.addFolder("HiRes/Textures");
    tree.addFolder("HiRes/Patches");
    const TextureChoiceOutcome out =
        TexturePaths::chooseFolder(tree.path("Data/Textures"), {}, tree.path("Data/Textures"),
                                   tree.path("HiRes") + QChar(0) + "junk", tree.paths());
    QVERIFY(out.valid);
    QCOMPARE(out.texturePath, tree.path("HiRes"));
    QCOMPARE(out.boxText, tree.path("HiRes"));
    QCOMPARE(out.textureSetDir, tree.path("HiRes"));
    QCOMPARE(out.patches, ControlChange::Enable);
    QCOMPARE(tree.readFile("Z3DLaunch/Data/texpath.z3d"), (tree.path("HiRes") + "\r\n").toUtf8());

    // Cancelled: the current path stays and is stored again.
    const TextureChoiceOutcome kept = TexturePaths::chooseFolder(
        tree.path("HiRes"), tree.path("HiRes"), tree.path("HiRes"), std::nullopt, tree.paths());
    QVERIFY(kept.valid);
    QCOMPARE(kept.texturePath, tree.path("HiRes"));
}

void TestAuxiliaryFiles::chooseInvalidFolder()
{
    InstallTree tree;
    tree.addFolder("Plain");
    tree.addTextFile("Z3DLaunch/Data/texpath.z3d", {"/old"});
    const TextureChoiceOutcome out =
        TexturePaths::chooseFolder(tree.path("Gone"), {}, "", tree.path("Plain"), tree.paths());
    QVERIFY(!out.valid);
    QCOMPARE(out.boxText, QString("Not installed or the specified path is invalid"));
    QCOMPARE(out.patches, ControlChange::Disable);
    QVERIFY(!tree.exists("Z3DLaunch/Data/texpath.z3d"));

    tree.addFolder("Data/Patches");
    const TextureChoiceOutcome withPatches =
        TexturePaths::chooseFolder(tree.path("Gone"), {}, "", tree.path("Plain"), tree.paths());
    QCOMPARE(withPatches.patches, ControlChange::Unchanged);
}

void TestAuxiliaryFiles::pathBoxChanged()
{
    InstallTree tree;
    tree.addFolder("HiRes/Textures");
    const InstallPaths p = tree.paths();
    // The current path exists: the typed text becomes the path and is stored.
    QCOMPARE(TexturePaths::pathBoxChanged(tree.path("HiRes"), "/typed", p), QString("/typed"));
    QCOMPARE(tree.readFile("Z3DLaunch/Data/texpath.z3d"), QByteArray("/typed\r\n"));
    // The current path is gone: nothing changes.
    QCOMPARE(TexturePaths::pathBoxChanged("/typed", "/other", p), QString("/typed"));
    QCOMPARE(tree.readFile("Z3DLaunch/Data/texpath.z3d"), QByteArray("/typed\r\n"));
    // The invalid-path notice is never taken as a path.
    QCOMPARE(TexturePaths::pathBoxChanged(tree.path("HiRes"),
                                          "Not installed or the specified path is invalid", p),
             tree.path("HiRes"));
    QCOMPARE(tree.readFile("Z3DLaunch/Data/texpath.z3d"), QByteArray("/typed\r\n"));
    // The default folder is taken but not written.
    tree.removeFile("Z3DLaunch/Data/texpath.z3d");
    QCOMPARE(TexturePaths::pathBoxChanged(tree.path("HiRes"), tree.path("Data/Textures"), p),
             tree.path("Data/Textures"));
    QVERIFY(!tree.exists("Z3DLaunch/Data/texpath.z3d"));
}

void TestAuxiliaryFiles::browserTitle_data()
{
    const DataTable<int, QString> row("length",
                                      "prefix"); // "!" for the sentence alone
    // Each prefix with the path lengths at and between the bounds of its band.
    const QList<std::pair<QString, QList<int>>> bands = {{"Current Location: ", {5, 30}},
                                                         {"Location: ", {31, 35, 40}},
                                                         {"", {41, 45, 49}},
                                                         {"!", {50, 200}}};
    for (const auto& [prefix, lengths] : bands) {
        for (const int length : lengths)
            row(QByteArray::number(length).constData(), length, prefix);
    }
}

void TestAuxiliaryFiles::browserTitle()
{
    const auto [length, prefix] = fetchRow<int, QString>("length", "prefix");
    const QString path =
        ("/home/player/games/zorn3d/Data/Textures/" + QString(200, u'x')).left(length);
    const QString texture = "Select the new location of your high resolution textures ...";
    const QString zips = "Select the new location of your zipped wad files ...";
    QCOMPARE(QString(FolderBrowserTitle::kTextureSentence), texture);
    QCOMPARE(QString(FolderBrowserTitle::kZipLibrarySentence), zips);
    const QString expected = prefix == "!" ? texture : prefix + path + "\r\n" + texture;
    QCOMPARE(FolderBrowserTitle::make(path, texture), expected);
    const QString expectedZip = prefix == "!" ? zips : prefix + path + "\r\n" + zips;
    QCOMPARE(FolderBrowserTitle::make(path, zips), expectedZip);
}

Z3D_TEST_GUILESS_MAIN(TestAuxiliaryFiles)
#include "tst_auxiliaryfiles.moc"
