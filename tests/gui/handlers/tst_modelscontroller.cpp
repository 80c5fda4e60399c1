// The Models page with its controllers on throw-away trees: the definitions list and
// custom.z3d through "Add" and "Remove", the boxes the installed packs allow, and the
// model-pack cleanup through the shortcut window's cleanup mode.

#include "core/models/ModelMessages.h"
#include "core/platform/FaultInjector.h"
#include "gui/handlers/ModelsController.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/OptionsWindow.h"
#include "support/SoleMessage.h"
#include "support/TestRegistry.h"
#include "support/TextLines.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace z3d;
using namespace z3d::test;

namespace {

struct Fixture : OptionsWindow
{
    Fixture() : models(new ModelsController(context, *window.modelsTab(), *availability, window)) {}

    QCheckBox* box(const char* array, int index)
    {
        return findControl<QCheckBox>(window, array, index);
    }
    QListWidget* list() { return window.findChild<QListWidget*>("GlobalDefList"); }
    QStringList customLines() { return crLfLines(tree.readFile("Z3DLaunch/Data/custom.z3d")); }

    ModelsController* models;
};

void installPack(InstallTree& tree, const QString& folder, const QString& definitions)
{
    tree.addFile(folder + "/model.dmd");
    tree.addFile(definitions);
}

// Runs interact on the modal window named name as soon as it is the one shown.
void whenShown(const char* name, std::function<void(QDialog&)> interact)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, name, interact] {
        auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!shown || shown->objectName() != QLatin1String(name) || !shown->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        interact(*shown);
    });
    poll->start(10);
}

} // namespace

class TestModelsController : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void addAndRemoveKeepCustomFile()
    {
        Fixture f;
        f.tree.addFile("Defs/Custom/mine.ded");
        f.tree.addTextFile("Z3DLaunch/Data/custom.z3d", {"mine,0", "gone,1"});
        f.tree.addFile("Z3DLaunch/Create/dropped.ded");
        f.models->loadDefinitions();
        QCOMPARE(f.list()->count(), 2);
        QVERIFY(!f.tree.exists("Z3DLaunch/Create"));

        const QString elsewhere = f.tree.addFile("elsewhere/theirs.ded");
        f.dialogs.answerOpenFile(elsewhere);
        QTest::mouseClick(f.window.findChild<QPushButton*>("butGlobalDefs"), Qt::LeftButton);
        QCOMPARE(f.customLines(), (QStringList{"mine,0", "dropped,0", elsewhere + ",1"}));

        f.dialogs.answerOpenFile(f.tree.path("Md2/Orrinpack/orrinpack.wad"));
        QTest::mouseClick(f.window.findChild<QPushButton*>("butGlobalDefs"), Qt::LeftButton);
        verifySoleMessage(f.dialogs.messages(), model_messages::kConfigurationWarning.style,
                          model_messages::kConfigurationWarning.title,
                          model_messages::kConfigurationWarning.text);
        QCOMPARE(f.list()->count(), 3);

        f.list()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QTest::mouseClick(f.window.findChild<QPushButton*>("butRemoveGlobalDefs"), Qt::LeftButton);
        QCOMPARE(f.customLines(), (QStringList{"dropped,0", elsewhere + ",1"}));
    }

    void boxesFollowTheInstalledPacks()
    {
        Fixture f;
        f.availability->modelOptionsAtLoad();
        // No pack at all.
        QVERIFY(!f.box("ChkModelOpts", 5)->isEnabled());
        QVERIFY(!f.box("ChkModelOpts", 3)->isEnabled());

        installPack(f.tree, "Md2/CoreEffects", "Defs/Base/CoreEffects.ded");
        installPack(f.tree, "Md2/HudWeapons/chainsaw", "Defs/Model/HudWeapons.ded");
        installPack(f.tree, "Md2/Orrinpack", "Defs/Model/Orrinpack/Fullpack.ded");
        f.box("ChkModelOpts", 8)->setChecked(false);
        f.availability->modelOptionsAtLoad();
        QVERIFY(f.box("ChkModelOpts", 5)->isEnabled());
        QVERIFY(f.box("ChkModelOpts", 1)->isEnabled());
        QVERIFY(!f.box("ChkModelOpts", 2)->isEnabled());
        QVERIFY(f.box("chkAltModels", 1)->isEnabled());
        QVERIFY(!f.box("chkAltModels", 2)->isEnabled());

        QTest::mouseClick(f.box("chkAltModels", 1), Qt::LeftButton);
        QVERIFY(f.context.settings.orrinWeapons);
        QTest::mouseClick(f.box("ChkModelOpts", 1), Qt::LeftButton);
        QVERIFY(!f.box("chkAltModels", 1)->isEnabled());
        QVERIFY(!f.box("chkAltModels", 1)->isChecked());
        QVERIFY(!f.context.settings.orrinWeapons);

        f.availability->lockSpriteOptions(true);
        QVERIFY(!f.window.chkMain(0)->isEnabled());
        QVERIFY(!f.box("ChkModelOpts", 5)->isEnabled());
        f.availability->lockSpriteOptions(false);
        QVERIFY(f.window.chkMain(0)->isEnabled());
        QVERIFY(f.box("ChkModelOpts", 5)->isEnabled());
    }

    void cleanupRemovesTheTickedPackAndSaysSo_data()
    {
        const DataTable<bool> row("failing");
        row("removed", false);
        row("a folder cannot be removed", true);
    }
    void cleanupRemovesTheTickedPackAndSaysSo()
    {
        QFETCH(bool, failing);
        Fixture f;
        f.tree.addFile("Md2/Orrinpack/orrinpack.wad");
        f.tree.addFile("Defs/Model/Orrinpack/Fullpack.ded");
        // No confirmation is asked for while confirm.z3d exists.
        f.tree.addTextFile("Z3DLaunch/Data/confirm.z3d", {"Cleanup confirmation removed."});
        if (failing)
            FaultInjector::fail(FileOperation::Delete, f.tree.path("Md2/Orrinpack/orrinpack.wad"),
                                ErrorNumber::PermissionDenied);
        whenShown("ShortcutForm", [](QDialog& form) {
            QCOMPARE(form.windowTitle(), QStringLiteral("Model Pack Cleanup"));
            findControl<QCheckBox>(form, "chkModDel", 2)->click();
            auto* button = form.findChild<QPushButton*>("OKButton");
            QCOMPARE(button->text(), QStringLiteral("Cleanup"));
            button->click();
        });
        f.models->runCleanup();
        QCOMPARE(f.tree.exists("Defs/Model/Orrinpack"), failing);
        const model_messages::Message expected =
            failing ? model_messages::cleanupStopped(f.tree.path("Md2/Orrinpack"))
                    : model_messages::kCleanupCompleted;
        verifySoleMessage(f.dialogs.messages(), expected.style, expected.title, expected.text);
    }

    void confirmationCancelledRemovesNothingAndRemembersTheBox()
    {
        Fixture f;
        f.tree.addFile("Md2/Orrinpack/orrinpack.wad");
        whenShown("ShortcutForm", [](QDialog& form) {
            findControl<QCheckBox>(form, "chkModDel", 2)->click();
            whenShown("ConfirmForm", [](QDialog& confirm) {
                QCOMPARE(confirm.windowTitle(), QStringLiteral("Model pack cleanup"));
                confirm.findChild<QCheckBox*>("ChkConfirm")->click();
                confirm.findChild<QPushButton*>("CancelButton")->click();
            });
            form.findChild<QPushButton*>("OKButton")->click();
        });
        f.models->runCleanup();
        QVERIFY(f.tree.exists("Md2/Orrinpack/orrinpack.wad"));
        QVERIFY(f.tree.exists("Z3DLaunch/Data/confirm.z3d"));
        QVERIFY(f.dialogs.messages().isEmpty());
    }
};

Z3D_TEST_MAIN(TestModelsController)
#include "tst_modelscontroller.moc"
