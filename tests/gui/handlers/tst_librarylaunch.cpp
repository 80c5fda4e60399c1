#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/LauncherRun.h"
#include "support/MapNames.h"
#include "support/TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace z3d;
using namespace z3d::test;

class TestLibraryLaunch : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_treeOwner = std::make_unique<InstallTree>();
        InstallTree& tree = *m_treeOwner;
        qunsetenv("DOOMWADDIR");
        QVERIFY(!tree.addBuiltProgram("Z3DgFiles").isEmpty());
        QVERIFY(!tree.addBuiltProgram("Zorn3D").isEmpty());
        tree.addFile("Iwads/Doom2.wad", wadWithMaps(numberedMarkers(32), "IWAD"));
        tree.addFile("Z3DGames/Castle/Pwads/castle.wad", wadWithMaps(numberedMarkers(4)));
        tree.addFile("Z3DGames/Udir/Gwads/one.wad", wadWithMaps(numberedMarkers(2)));
        tree.addFile("Z3DGames/Udir/Gwads/two.wad", wadWithMaps(numberedMarkers(3)));
        QVERIFY(writeZip(tree.path("Z3DArchives/canyon.zip"),
                         {{"canyon/canyon.wad", wadWithMaps(numberedMarkers(5))}}));
    }
    void cleanup() { m_treeOwner.reset(); }

    void launchLines_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("gameFiles");
        QTest::addColumn<QString>("ending");
        // <root> stands for the installation of the test function.
        const QString root = QStringLiteral("<root>");
        QTest::newRow("installed game") << 0 << "CASTLE"
                                        << "castle.wad"
                                        << "MAP03"
                                        << "-f \"" + root + "/Z3DGames/Castle/Pwads/castle.wad\" "
                                        << "-sk 3 -wp 03 ";
        QTest::newRow("user directory")
            << 0 << "UDIR"
            << "two.wad"
            << "MAP02"
            << "-udir \"" + root + "/Z3DGames/Udir/Gwads\" -f \"two.wad\" "
            << "-sk 3 -wp 02 ";
        QTest::newRow("zip archive") << 2 << "CANYON"
                                     << "canyon.wad"
                                     << "MAP05"
                                     << "-f \"" + root + "/Z3DLaunch/Zips/canyon.wad\" "
                                     << "-sk 3 -wp 05 ";
    }
    void launchLines()
    {
        auto [view, game, file, map, gameFiles, ending] =
            fetchRow<int, QString, QString, QString, QString, QString>("view", "game", "file", "map", "gameFiles", "ending");
        InstallTree& tree = *m_treeOwner;
        gameFiles.replace(QStringLiteral("<root>"), tree.root());
        LauncherRun run(tree);
        QCOMPARE(run.startup.run(), LauncherStartup::Outcome::Running);
        MainWindow& window = run.window();
        window.chkMain(2)->setChecked(true); // the zip library view needs the advanced layout
        findControl<QRadioButton>(window, "OptionUdir", view)->setChecked(true);
        window.skillsLevel(1)->setCurrentIndex(3);
        run.select("PwadList", game);
        run.select("PwadShowlist", file);
        run.select("MapList", map);
        emit window.launchRequested();
        QVERIFY2(run.dialogs.messages().isEmpty(),
                 qPrintable(run.dialogs.messages().value(0).text));

        const QString line = QString::fromUtf8(tree.readFile("Z3DLaunch/launch.log")).trimmed();
        QVERIFY2(line.startsWith("Bin\\Zorn3D -doom2 " + gameFiles), qPrintable(line));
        QVERIFY2((line + ' ').endsWith(ending), qPrintable(line));
        QTRY_VERIFY(tree.exists("Zorn3D.out"));
    }

    // A download's member whose quotes would split the engine's arguments is refused with a
    // message and never reaches the engine; an odd but quotable name arrives as one argument.
    void hostileNamesNeverSplitTheArguments()
    {
        InstallTree& tree = *m_treeOwner;
        const QByteArray odd("it's, a -exec test.wad");
        const QByteArray evil("evil\" -exec \"pwn.cfg\" -connect \"203.0.113.9.wad");
        QVERIFY(writeZip(tree.path("Z3DArchives/hostile.zip"),
                         {{evil, wadWithMaps(numberedMarkers(2))},
                          {odd, wadWithMaps(numberedMarkers(3))}}));
        LauncherRun run(tree);
        QCOMPARE(run.startup.run(), LauncherStartup::Outcome::Running);
        MainWindow& window = run.window();
        window.chkMain(2)->setChecked(true);
        findControl<QRadioButton>(window, "OptionUdir", 2)->setChecked(true);
        run.select("PwadList", "HOSTILE");
        QCOMPARE(run.dialogs.messages().size(), 1);
        QVERIFY2(run.dialogs.messages().at(0).text.contains("evil\" -exec"),
                 qPrintable(run.dialogs.messages().at(0).text));
        QVERIFY(!tree.exists("Z3DLaunch/Zips/" + QString::fromUtf8(evil)));
        run.select("PwadShowlist", odd);
        run.select("MapList", "MAP03");
        emit window.launchRequested();
        QCOMPARE(run.dialogs.messages().size(), 1);

        QTRY_VERIFY(tree.exists("Zorn3D.out"));
        const QString arguments = QString::fromUtf8(tree.readFile("Zorn3D.out"));
        QVERIFY2(arguments.startsWith("Zorn3D [-doom2] [-f] [" + tree.path("Z3DLaunch/Zips/") +
                                      odd + "] "),
                 qPrintable(arguments));
        QVERIFY2(!arguments.contains("[-exec]"), qPrintable(arguments));
    }

    void choicesComeBackAfterARestart()
    {
        InstallTree& tree = *m_treeOwner;
        {
            LauncherRun first(tree);
            QCOMPARE(first.startup.run(), LauncherStartup::Outcome::Running);
            MainWindow& window = first.window();
            findControl<QRadioButton>(window, "OptionUdir", 0)->setChecked(true);
            window.skillsLevel(1)->setCurrentIndex(4);
            first.select("PwadList", "UDIR");
            first.select("PwadShowlist", "one.wad");
            first.select("MapList", "MAP02");
            window.close();
        }
        LauncherRun second(tree);
        QCOMPARE(second.startup.run(), LauncherStartup::Outcome::Running);
        QCOMPARE(second.selected("PwadList"), QStringLiteral("UDIR"));
        QCOMPARE(second.selected("PwadShowlist"), QStringLiteral("one.wad"));
        QCOMPARE(second.selected("MapList"), QStringLiteral("MAP02"));
        QCOMPARE(second.window().skillsLevel(1)->currentIndex(), 4);
    }

private:
    std::unique_ptr<InstallTree> m_treeOwner;
};

Z3D_TEST_MAIN(TestLibraryLaunch)
#include "tst_librarylaunch.moc"
