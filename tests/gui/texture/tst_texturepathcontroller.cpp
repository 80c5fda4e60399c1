#include "core/app/LauncherContext.h"
#include "gui/handlers/AvailabilityController.h"
#include "gui/mainwindow.h"
#include "gui/tabs/GraphicsTab.h"
#include "gui/TexturePathController.h"
#include "support/Controls.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kInvalid = QStringLiteral("Not installed or the specified path is invalid");
const QString kSentence =
    QStringLiteral("Select the new location of your high resolution textures ...");

// A main window on an installation tree with the texture controls wired.
struct Fixture
{
    Fixture() : window(context.settings)
    {
        context.paths = tree.paths();
        context.dialogs = &dialogs;
        window.setInstallPaths(context.paths);
        controller = new TexturePathController(context, *window.graphicsTab(), window.shell());
        availability = new AvailabilityController(context, window.pages(), *window.chkMain(0),
                                                  *window.chkMain(1), *controller);
    }

    QLineEdit* box() const { return test::findControl<QLineEdit>(window, "HiResText"); }
    QString texpathFile() const { return "Z3DLaunch/Data/texpath.z3d"; }

    InstallTree tree;
    LauncherContext context;
    RecordingDialogs dialogs;
    MainWindow window;
    TexturePathController* controller;
    AvailabilityController* availability;
};

} // namespace

class TestTexturePathController : public QObject
{
    Q_OBJECT

private slots:
    void loadShowsAValidStoredPath()
    {
        Fixture f;
        f.tree.addFolder("HiRes/Textures");
        f.context.texture.texturePath = f.tree.path("HiRes");
        f.window.chkMain(1)->setChecked(true);
        f.availability->applyAtLoad();
        QCOMPARE(f.box()->text(), f.tree.path("HiRes"));
        QVERIFY(f.box()->isEnabled());
        QVERIFY(f.window.chkMain(1)->isEnabled());
    }

    void loadWithoutAnyTexturesGreysTheFrame()
    {
        Fixture f;
        f.context.texture.texturePath = f.tree.path("Gone");
        f.window.chkMain(1)->setChecked(true);
        f.availability->applyAtLoad();
        QCOMPARE(f.box()->text(), kInvalid);
        QVERIFY(!f.box()->isEnabled());
        QVERIFY(!f.window.chkMain(1)->isEnabled());
    }

    void basicDoomModeDisablesTheBoxAndButton()
    {
        Fixture f;
        f.tree.addFolder("Data/Textures");
        f.context.texture.texturePath = f.tree.path("Data/Textures");
        f.window.chkMain(1)->setChecked(true);
        f.window.chkMain(0)->setChecked(true);
        f.availability->applyAtLoad();
        QVERIFY(!f.box()->isEnabled());
        QVERIFY(!test::findControl<QPushButton>(f.window, "TexButton")->isEnabled());
    }

    void browserTitleFollowsThePathLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("30 characters") << 30 << "Current Location: ";
        QTest::newRow("35 characters") << 35 << "Location: ";
        QTest::newRow("45 characters") << 45 << "";
        QTest::newRow("50 characters") << 50 << "-";
    }
    void browserTitleFollowsThePathLength()
    {
        QFETCH(int, length);
        QFETCH(QString, prefix);
        Fixture f;
        const QString path = "/" + QString(length - 1, QLatin1Char('t'));
        f.context.texture.texturePath = path;
        f.dialogs.answerFolder(std::nullopt);
        f.controller->texButtonClick();
        const auto calls = f.dialogs.calls();
        QCOMPARE(calls.size(), 1);
        const QString expected =
            prefix == "-" ? kSentence : prefix + path + QStringLiteral("\r\n") + kSentence;
        QCOMPARE(calls.at(0).text, expected);
    }

    void choosingAFolderWithTexturesStoresIt()
    {
        Fixture f;
        f.tree.addFolder("Mine/Textures");
        f.tree.addFolder("Mine/Patches");
        f.window.chkMain(1)->setChecked(false);
        f.dialogs.answerFolder(f.tree.path("Mine"));
        f.controller->texButtonClick();
        QCOMPARE(f.box()->text(), f.tree.path("Mine"));
        QVERIFY(f.window.chkMain(1)->isChecked());
        QVERIFY(f.window.chkMain(1)->isEnabled());
        QVERIFY(findControl<QCheckBox>(f.window, "chkGraphics", 4)->isEnabled());
        QCOMPARE(f.tree.readFile(f.texpathFile()), (f.tree.path("Mine") + "\r\n").toUtf8());
    }

    void choosingTheDefaultFolderDeletesTheRecord()
    {
        Fixture f;
        f.tree.addFolder("Data/Textures");
        f.tree.addTextFile(f.texpathFile(), {"/somewhere/else"});
        f.dialogs.answerFolder(f.tree.path("Data/Textures"));
        f.controller->texButtonClick();
        QVERIFY(!f.tree.exists(f.texpathFile()));
        QVERIFY(f.window.chkMain(1)->isEnabled());
    }

    void choosingAnInvalidFolderDisablesTheTextures()
    {
        Fixture f;
        f.tree.addFolder("Empty");
        f.tree.addTextFile(f.texpathFile(), {"/somewhere/else"});
        f.dialogs.answerFolder(f.tree.path("Empty"));
        f.controller->texButtonClick();
        QCOMPARE(f.box()->text(), kInvalid);
        QVERIFY(!f.window.chkMain(1)->isEnabled());
        QVERIFY(!f.box()->isEnabled());
        QVERIFY(!f.tree.exists(f.texpathFile()));
    }

    void typingAPathStoresItWhileTheCurrentOneExists()
    {
        Fixture f;
        f.tree.addFolder("Current/Textures");
        f.context.texture.texturePath = f.tree.path("Current");
        f.box()->setText(f.tree.path("Typed"));
        QCOMPARE(f.context.texture.texturePath, f.tree.path("Typed"));
        QCOMPARE(f.tree.readFile(f.texpathFile()), (f.tree.path("Typed") + "\r\n").toUtf8());
    }
};

QTEST_MAIN(TestTexturePathController)
#include "tst_texturepathcontroller.moc"
