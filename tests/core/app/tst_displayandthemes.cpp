// The display mode the engine leaves in Bin/Z3Dres.out, the title pictures of the Themes
// folder and the tips' numbering.

#include "core/app/DisplayMode.h"
#include "core/app/TipsOfTheDay.h"
#include "core/app/TitlePictures.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestDisplayAndThemes : public QObject
{
    Q_OBJECT

private slots:
    void displayLineIsParsed_data()
    {
        const DataTable<QString, QString, QString, QString> row("line", "resolution", "mode",
                                                                "refresh");
        row("windowed", "W 1024 x 768 x 32 * 100 Hz", "1024 x 768 x 32 ", "--- Windowed Mode ---",
            "100 Hz");
        row("fullscreen, several stars", "f  800 x 600 ** 60 Hz", "800 x 600 *",
            "--- Fullscreen Mode ---", "60 Hz");
        row("0 Hz shows nothing", "W 640 x 480 * 0 Hz", "640 x 480 ", "--- Windowed Mode ---", "");
        row("other first letter", "X 640 x 480 * 70 Hz", "640 x 480 ", "", "70 Hz");
        row("no star", "W 1024 x 768", "Default Resolution", "", "");
        row("star alone", "*", "Default Resolution", "", "");
        row("resolution 0", "F 0 x 0 x 0 * 0 Hz", "Default Resolution", "", "");
        row("empty", "", "Default Resolution", "", "");
    }
    void displayLineIsParsed()
    {
        QFETCH(QString, line);
        const DisplayMode parsed = DisplayMode::parse(line);
        QTEST(parsed.resolution, "resolution");
        QTEST(parsed.mode, "mode");
        QTEST(parsed.refresh, "refresh");
    }

    void displayFileIsReadAgainOnlyWhenItChanged_data()
    {
        const DataTable<int> row("seconds"); // how the file's time moves after the read
        row("later", 60);
        row("earlier (an older copy put back)", -60);
    }
    void displayFileIsReadAgainOnlyWhenItChanged()
    {
        QFETCH(int, seconds);
        InstallTree tree;
        const QString root = tree.root();
        const DisplayMode missing = DisplayMode::read(root);
        QCOMPARE(missing.resolution, DisplayMode::kUnknownResolution);
        const QString file = tree.addFile("bin/Z3Dres.out", "W 1024 x 768 x 32 * 100 Hz\r\n");
        QVERIFY(missing.changedOnDisk(root));
        const DisplayMode read = DisplayMode::read(root);
        QCOMPARE(read.mode, QStringLiteral("--- Windowed Mode ---"));
        QVERIFY(!read.changedOnDisk(root));
        QFile touched(file);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(
            touched.setFileTime(read.modified.addSecs(seconds), QFileDevice::FileModificationTime));
        touched.close();
        QVERIFY(read.changedOnDisk(root));
    }

    // Three pictures besides default.jpg: the index runs 0..3 and back to 0; a picture that
    // vanishes while chosen gives default.jpg and index 0.
    void titlePicturesCycle()
    {
        InstallTree tree;
        const QString launcherDir = tree.paths().launcherDir;
        tree.addFile("Z3DLaunch/Themes/b.BMP");
        QVERIFY(TitlePictures::list(launcherDir).isEmpty()); // no default.jpg: nothing changes
        tree.addFiles({"Z3DLaunch/Themes/default.jpg", "Z3DLaunch/Themes/a.jpg",
                       "Z3DLaunch/Themes/c.Jpg", "Z3DLaunch/Themes/notes.txt"});
        const QStringList pictures = TitlePictures::list(launcherDir);
        QStringList names;
        for (const QString& path : pictures)
            names << path.section(QLatin1Char('/'), -1);
        QCOMPARE(names, (QStringList{"default.jpg", "a.jpg", "b.BMP", "c.Jpg"}));
        QList<int> indices{0};
        while (indices.size() < 5)
            indices << TitlePictures::choose(pictures, indices.last() + 1).index;
        QCOMPARE(indices, (QList<int>{0, 1, 2, 3, 0}));

        tree.removeFile("Z3DLaunch/Themes/c.Jpg");
        const TitlePictures::Choice fallback =
            TitlePictures::choose(TitlePictures::list(launcherDir), 3);
        QCOMPARE(fallback.index, 0);
        QVERIFY(fallback.path.endsWith(QLatin1String("default.jpg")));
    }

    void tipsAreNumberedRoundTheFile_data()
    {
        const DataTable<int, int, int> row("tipNumber", "count", "next");
        row("first run", 0, 3, 1);
        row("middle", 2, 3, 3);
        row("after the last", 3, 3, 1);
        row("file got shorter", 7, 3, 1);
        row("negative", -5, 3, 1);
        row("no tips", 2, 0, 0);
    }
    void tipsAreNumberedRoundTheFile()
    {
        const auto [tipNumber, count, next] =
            fetchRow<int, int, int>("tipNumber", "count", "next");
        QCOMPARE(TipsOfTheDay::next(tipNumber, count), next);
    }
};

Z3D_TEST_GUILESS_MAIN(TestDisplayAndThemes)
#include "tst_displayandthemes.moc"
