#include "core/desktop/ShortcutChoices.h"
#include "gui/handlers/LaunchHandler.h"
#include "gui/handlers/MainFormHandlers.h"
#include "gui/tabs/GamesTab.h"
#include "support/LauncherRun.h"
#include "support/TestRegistry.h"
#include "support/TextLines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kFreedoom2 = QStringLiteral("/usr/share/games/doom/freedoom2.wad");

// An installation whose bin holds the real checker and the demo engine, with Freedoom's
// Doom II file as the Doom II IWAD, started with the launcher's real process service.
struct Installation
{
    Installation()
    {
        tree.addBuiltProgram("Z3DgFiles");
        tree.addBuiltProgram("Zorn3D");
        tree.addFolder("Iwads");
        QFile::copy(kFreedoom2, tree.path("Iwads/Doom2.wad"));
    }

    InstallTree tree;
};

} // namespace

class TestCommercialLaunch : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (!QFile::exists(kFreedoom2))
            QSKIP("Freedoom is not installed");
        qunsetenv("DOOMWADDIR");
        qunsetenv("$DOOMWADDIR");
    }

    void doomTwoMapSevenSkillFourStartsTheEngine()
    {
        Installation installation;
        InstallTree& tree = installation.tree;
        LauncherRun launcher(tree);
        QCOMPARE(launcher.startup.run(), LauncherStartup::Outcome::Running);
        MainWindow& window = launcher.window();

        findControl<QRadioButton>(window, "OptionUdir", 1)->setChecked(true);
        QListWidget* games = launcher.list("PwadList");
        QCOMPARE(games->count(), 1);
        QCOMPARE(games->item(0)->text(), QStringLiteral("DOOM II"));
        games->setCurrentRow(0);
        QCOMPARE(launcher.list("PwadShowlist")->item(0)->text(), QStringLiteral("Doom2.wad"));

        QListWidget* maps = launcher.list("MapList");
        QCOMPARE(maps->count(), 32);
        QCOMPARE(maps->item(6)->text(), QStringLiteral("MAP07"));
        maps->setCurrentRow(6);
        window.skillsLevel(1)->setCurrentIndex(4);
        QCOMPARE(launcher.context.launch.warpArgument, QStringLiteral("07"));
        window.exitOption(2)->setChecked(true);

        QVERIFY(window.findChild<QPushButton*>("LaunchButton")->isEnabled());
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY2(launcher.dialogs.messages().isEmpty(),
                 qPrintable(launcher.dialogs.messages().value(0).text));

        const QStringList log = crLfLines(tree.readFile("Z3DLaunch/launch.log"));
        QCOMPARE(log.size(), 1);
        QVERIFY2(log.at(0).startsWith(QStringLiteral("Bin\\Zorn3D -doom2 ")),
                 qPrintable(log.at(0)));
        QVERIFY2(log.at(0).endsWith(QStringLiteral("-sk 4 -wp 07 ")), qPrintable(log.at(0)));

        // The demo engine records what it was given, in the installation root.
        QTRY_VERIFY(tree.exists("Zorn3D.out"));
        const QString engineRecord = QString::fromUtf8(tree.readFile("Zorn3D.out"));
        QVERIFY2(engineRecord.startsWith(QStringLiteral("Zorn3D [-doom2]")),
                 qPrintable(engineRecord));
        QVERIFY(engineRecord.contains(QStringLiteral("[-sk] [4] [-wp] [07]")));

        // "Exit": the launcher closed and remembered the action.
        QVERIFY(!window.isVisible());
        const QStringList config = crLfLines(tree.readFile("Z3DLaunch/config.z3d"));
        QCOMPARE(config.size(), 86);
        QCOMPARE(config.at(74), QStringLiteral(" 2 "));
    }

    void gameWithoutLevelsIsRefused()
    {
        Installation installation;
        LauncherRun launcher(installation.tree);
        QCOMPARE(launcher.startup.run(), LauncherStartup::Outcome::Running);
        launcher.context.selection.currentGameFile = QStringLiteral("/x/EMPTY.WAD");
        launcher.list("MapList")->clear();
        emit launcher.window().launchRequested();
        const auto messages = launcher.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).title, QStringLiteral(" Wad error"));
        QCOMPARE(messages.at(0).text, QStringLiteral("The empty.wad contains no levels.    "));
        QCOMPARE(messages.at(0).style, 64);
    }

    void shortcutForDoomTwoMapSeven()
    {
        // The shortcut folders are the test mode's own, never the player's desktop.
        QStandardPaths::setTestModeEnabled(true);
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        const QString menu = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        for (const QString& folder : {desktop, menu})
            QDir(folder + "/Zorn3D Shortcuts").removeRecursively();

        Installation installation;
        LauncherRun launcher(installation.tree);
        QCOMPARE(launcher.startup.run(), LauncherStartup::Outcome::Running);
        MainWindow& window = launcher.window();
        findControl<QCheckBox>(window, "chkLaunchPrefs", 2)->setChecked(true);
        launcher.list("PwadList")->setCurrentRow(0);
        window.skillsLevel(1)->setCurrentIndex(4);
        launcher.list("MapList")->setCurrentRow(6);
        auto* handlers = window.findChild<MainFormHandlers*>();
        QVERIFY(handlers);
        QCOMPARE(handlers->launch().shortcutLabel(), QStringLiteral("DOOM II"));
        handlers->launch().createShortcut(ShortcutChoices{true, true, true, false});
        for (const QString& folder : {desktop, menu}) {
            const QString link = folder + "/Zorn3D Shortcuts/Doom2 - Map07.desktop";
            QVERIFY2(QFile::exists(link), qPrintable(link));
            QFile file(link);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            QVERIFY2(text.contains(" -doom2 "), qPrintable(text));
            QVERIFY2(text.contains(" -sk 4 -wp 07"), qPrintable(text));
        }
        // A shortcut is not a launch: nothing was started and nothing logged.
        QVERIFY(!installation.tree.exists("Z3DLaunch/launch.log"));
        for (const QString& folder : {desktop, menu})
            QDir(folder + "/Zorn3D Shortcuts").removeRecursively();
    }
};

Z3D_TEST_MAIN(TestCommercialLaunch)
#include "tst_commerciallaunch.moc"
