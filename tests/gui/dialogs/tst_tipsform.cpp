// The tips window: the tip after the one shown last, also across runs, and its box.

#include "gui/dialogs/TipsForm.h"

#include "core/settings/LauncherSettings.h"
#include "gui/handlers/TipsWindow.h"
#include "support/Controls.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestTipsForm : public QObject
{
    Q_OBJECT

private slots:
    void tipsFollowOnAcrossRuns()
    {
        InstallTree tree;
        tree.addTextFile("Z3DLaunch/Data/tips.txt", {"one", "two", "three"});
        LauncherSettings settings;
        QStringList shown;
        {
            TipsForm form(settings, tree.paths().launcherDataDir);
            QCOMPARE(form.windowTitle(), QStringLiteral("Tips for running the launcher"));
            auto* text = findControl<QLabel>(form, "lblTipText");
            shown << text->text();
            for (int press = 0; press < 3; ++press) {
                findControl<QPushButton>(form, "cmdNextTip")->click();
                shown << text->text();
            }
        }
        QCOMPARE(shown, (QStringList{"one", "two", "three", "one"}));
        QCOMPARE(settings.tipNumber, 1);
        // The next run, shown or only loaded, goes on with tip 2.
        QWidget owner;
        InstallPaths paths = tree.paths();
        TipsWindow next(settings, paths, owner);
        next.loadHidden();
        QCOMPARE(settings.tipNumber, 2);
        // Shown later in that run, the window holds the tip it was loaded with; after it is
        // closed, the next showing loads it again with the following tip.
        tree.addTextFile("Z3DLaunch/Data/tips.txt", {"uno", "dos", "tres"});
        const auto shownTip = [&owner] {
            auto* form = owner.findChild<QDialog*>("TipsForm");
            return form && form->isVisible() ? findControl<QLabel>(*form, "lblTipText")->text()
                                             : QString();
        };
        next.show();
        QCOMPARE(shownTip(), QStringLiteral("two"));
        QCOMPARE(settings.tipNumber, 2);
        owner.findChild<QDialog*>("TipsForm")->accept();
        QTRY_VERIFY(!owner.findChild<QDialog*>("TipsForm"));
        next.show();
        QCOMPARE(shownTip(), QStringLiteral("tres"));
        QCOMPARE(settings.tipNumber, 3);
    }

    void missingFileIsExplained()
    {
        InstallTree tree;
        LauncherSettings settings;
        settings.tipNumber = 4;
        TipsForm form(settings, tree.paths().launcherDataDir);
        QCOMPARE(findControl<QLabel>(form, "lblTipText")->text(),
                 QStringLiteral("That the tips.txt file was not found? \r\n\r\nThis file was "
                                "placed in the Z3DLaunch\\Data folder when Zorn3D was originally "
                                "installed."));
        findControl<QPushButton>(form, "cmdNextTip")->click();
        QCOMPARE(settings.tipNumber, 4);
    }

    void uncheckingTheBoxAsksTheMainWindowToFollow()
    {
        InstallTree tree;
        LauncherSettings settings;
        settings.showTips = true;
        TipsForm form(settings, tree.paths().launcherDataDir);
        QSignalSpy turnedOff(&form, &TipsForm::showAtStartupTurnedOff);
        form.show();
        auto* box = findControl<QCheckBox>(form, "chkShowTips");
        QVERIFY(box->isChecked());
        box->click();
        QCOMPARE(turnedOff.count(), 1);
        box->click();
        QCOMPARE(turnedOff.count(), 1);
        QVERIFY(settings.showTips);
    }
};

Z3D_TEST_MAIN(TestTipsForm)
#include "tst_tipsform.moc"
