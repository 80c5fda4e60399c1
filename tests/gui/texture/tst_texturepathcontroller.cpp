#include "gui/tabs/GraphicsTab.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/OptionsWindow.h"
#include "support/TestRegistry.h"

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

struct Fixture : OptionsWindow
{
    QLineEdit* box() const { return test::findControl<QLineEdit>(window, "HiResText"); }
    QString texpathFile() const { return "Z3DLaunch/Data/texpath.z3d"; }
    // The player clicks TexButton and answers the folder browser (nullopt: cancels it).
    void browseTo(const std::optional<QString>& folder)
    {
        dialogs.answerFolder(folder);
        texturePaths->texButtonClick();
    }
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
        const DataTable<int, QString> row("length", "prefix");
        row("30 characters", 30, "Current Location: ");
        row("35 characters", 35, "Location: ");
        row("45 characters", 45, "");
        row("50 characters", 50, "-");
    }
    void browserTitleFollowsThePathLength()
    {
        const auto [length, prefix] = fetchRow<int, QString>("length", "prefix");
        Fixture f;
        const QString path = "/" + QString(length - 1, QLatin1Char('t'));
        f.context.texture.texturePath = path;
        f.browseTo(std::nullopt);
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
        f.browseTo(f.tree.path("Mine"));
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
        f.browseTo(f.tree.path("Data/Textures"));
        QVERIFY(!f.tree.exists(f.texpathFile()));
        QVERIFY(f.window.chkMain(1)->isEnabled());
    }

    void choosingAnInvalidFolderDisablesTheTextures()
    {
        Fixture f;
        f.tree.addFolder("Empty");
        f.tree.addTextFile(f.texpathFile(), {"/somewhere/else"});
        f.browseTo(f.tree.path("Empty"));
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

Z3D_TEST_MAIN(TestTexturePathController)
#include "tst_texturepathcontroller.moc"
