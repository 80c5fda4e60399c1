// The launcher's own applications-menu entry, written through the shortcuts' desktop-entry
// writer: its fields, the file it makes, and the values the format cannot carry.

#include "core/desktop/DesktopEntry.h"
#include "core/desktop/LauncherMenuEntry.h"

#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace z3d;

class TestLauncherMenuEntry : public QObject
{
    Q_OBJECT

private slots:
    void fields()
    {
        const DesktopEntryFields f =
            LauncherMenuEntry::fields("/opt/Zorn3D/bin/Z3Dlauncher", "/opt/Zorn3D/bin/Z3D.png");
        QCOMPARE(f.name, QStringLiteral("Z3DLauncher"));
        QCOMPARE(f.command, QStringList{"/opt/Zorn3D/bin/Z3Dlauncher"});
        QCOMPARE(f.workingFolder, QStringLiteral("/opt/Zorn3D/bin"));
        QCOMPARE(f.icon, QStringLiteral("/opt/Zorn3D/bin/Z3D.png"));
        QCOMPARE(f.categories, QStringList{"Game"});
        QVERIFY(!f.comment.isEmpty());
    }

    void commentAndCategoriesOnlyWhenGiven()
    {
        DesktopEntryFields f;
        f.name = QStringLiteral("Doom2 - Map07");
        f.command = QStringList{"/x/Zorn3D", "-doom2"};
        QVERIFY(!DesktopEntry::text(f)->contains("Comment="));
        QVERIFY(!DesktopEntry::text(f)->contains("Categories="));
        f.comment = QStringLiteral(" a tip");
        f.categories = QStringList{"Game", "ActionGame"};
        QVERIFY(DesktopEntry::text(f)->contains("\nComment=\\sa tip\n"));
        QVERIFY(DesktopEntry::text(f)->endsWith("\nCategories=Game;ActionGame;\n"));
        f.categories = QStringList{"Game;Shooter"};
        QVERIFY2(!DesktopEntry::text(f), "a ';' inside a category would make two");
        f.categories = QStringList{QString()};
        QVERIFY(!DesktopEntry::text(f));
    }

    void writesIntoTheApplicationsFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString applications = dir.filePath("share/applications");
        QString written;
        QCOMPARE(LauncherMenuEntry::write(applications, "/g/My Games/bin/Z3Dlauncher",
                                          "/g/My Games/bin/Z3Dlauncher.png", &written),
                 ErrorNumber::None);
        QCOMPARE(written, applications + "/Z3DLauncher.desktop");
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("\nExec=\"/g/My Games/bin/Z3Dlauncher\"\n"));
        QVERIFY(text.contains("\nPath=/g/My Games/bin\n"));
        QVERIFY(text.contains("\nIcon=/g/My Games/bin/Z3Dlauncher.png\n"));
    }

    void aPathTheFormatCannotCarryWritesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString applications = dir.filePath("applications");
        QString written;
        QCOMPARE(LauncherMenuEntry::write(applications, QStringLiteral("/g/a\x01/Z3Dlauncher"),
                                          "/g/icon.png", &written),
                 ErrorNumber::PathFileAccessError);
        QVERIFY(written.isEmpty());
        QVERIFY(!QDir(applications).exists());
    }
};

Z3D_TEST_GUILESS_MAIN(TestLauncherMenuEntry)
#include "tst_launchermenuentry.moc"
