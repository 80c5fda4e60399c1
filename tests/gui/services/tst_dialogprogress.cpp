// The progress dialog of long file work: not shown for work that ends at once, shown over the
// main window with the file and the share once the work lasts, and closed by nothing but the
// work's end.

#include "gui/services/DialogProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>

using namespace z3d;

class TestDialogProgress : public QObject
{
    Q_OBJECT

private slots:
    void quickWorkShowsNothing();
    void lastingWorkShowsFileAndShare();
};

void TestDialogProgress::quickWorkShowsNothing()
{
    DialogProgress progress;
    progress.begin(" Extracting", 100);
    progress.advance("a.wad", 50);
    progress.advance("b.wad", 100);
    QVERIFY(progress.dialog());
    QVERIFY(!progress.dialog()->isVisible());
    progress.end();
    QVERIFY(!progress.dialog());
    // An advance outside any work is no fault.
    progress.advance("c.wad", 1);
}

void TestDialogProgress::lastingWorkShowsFileAndShare()
{
    QWidget mainWindow;
    mainWindow.show();
    DialogProgress progress;
    progress.setMainWindow(&mainWindow);
    progress.begin(" Installing", 4000);
    progress.advance("castle.wad", 0);
    // The work holds the thread, as a copy does.
    QThread::msleep(DialogProgress::kShowAfterMs + 100);
    progress.advance("castle.wad", 1000);

    QProgressDialog* dialog = progress.dialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->parentWidget(), &mainWindow);
    QCOMPARE(dialog->windowTitle(), QString(" Installing"));
    QCOMPARE(dialog->labelText(), QString("Writing castle.wad"));
    QCOMPARE(dialog->value(), 250);
    QVERIFY(dialog->isModal());
    QVERIFY(dialog->findChildren<QPushButton*>().isEmpty());

    // Only the end of the work takes it away.
    QTest::keyClick(dialog, Qt::Key_Escape);
    dialog->close();
    QVERIFY(dialog->isVisible());
    progress.advance("castle.deh", 4000);
    QCOMPARE(dialog->labelText(), QString("Writing castle.deh"));
    QCOMPARE(dialog->value(), DialogProgress::kSteps);
    progress.end();
    QVERIFY(!progress.dialog());
}

QTEST_MAIN(TestDialogProgress)
#include "tst_dialogprogress.moc"
