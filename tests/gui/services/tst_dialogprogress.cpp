// The progress dialog of long file work: not shown for work that ends at once, shown over the
// main window with the file and the share once the work lasts, and closed by nothing but the
// work's end, though Escape and its close button ask work that allows it to stop; a question
// asked during the work stays answerable.

#include "gui/services/DialogProgress.h"
#include "gui/services/WidgetDialogs.h"

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QInputDialog>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace z3d;
using namespace z3d::test;

namespace {

// A progress whose dialog stands over a shown main window.
struct OverMainWindow
{
    OverMainWindow()
    {
        mainWindow.show();
        progress.setMainWindow(&mainWindow);
    }

    QWidget mainWindow;
    DialogProgress progress;
};

} // namespace

class TestDialogProgress : public QObject
{
    Q_OBJECT

private slots:
    void quickWorkShowsNothing();
    void lastingWorkShowsFileAndShare();
    void countedWorkShowsTheCount();
    void cancellableWorkIsAskedToStop_data();
    void cancellableWorkIsAskedToStop();
    void questionDuringTheWorkIsAnswerable_data();
    void questionDuringTheWorkIsAnswerable();
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
    OverMainWindow f;
    auto& [mainWindow, progress] = f;
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

void TestDialogProgress::countedWorkShowsTheCount()
{
    OverMainWindow f;
    auto& [mainWindow, progress] = f;
    progress.begin(" Checking", 20000);
    QThread::msleep(DialogProgress::kShowAfterMs + 100);
    progress.advanceCount("Checking 5000 of 20000 files", 5000);
    QProgressDialog* dialog = progress.dialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->labelText(), QString("Checking 5000 of 20000 files"));
    QCOMPARE(dialog->value(), 250);
    progress.end();
}

void TestDialogProgress::cancellableWorkIsAskedToStop_data()
{
    // request: how the stop is asked for; "signal" is the launcher's answer to a termination.
    const DataTable<QString, bool> row("request", "cancellable");
    row("Escape", "Escape", true);
    row("close button", "close", true);
    row("termination signal", "signal", true);
    row("Escape, work that cannot stop", "Escape", false);
    row("close button, work that cannot stop", "close", false);
    row("termination signal, work that cannot stop", "signal", false);
}

void TestDialogProgress::cancellableWorkIsAskedToStop()
{
    const auto [request, cancellable] = fetchRow<QString, bool>("request", "cancellable");
    OverMainWindow f;
    auto& [mainWindow, progress] = f;
    progress.begin(" Extracting", 100);
    if (cancellable)
        progress.allowCancel();
    QThread::msleep(DialogProgress::kShowAfterMs + 100);
    progress.advance("bomb.wad", 10);
    QProgressDialog* dialog = progress.dialog();
    QVERIFY(dialog && dialog->isVisible());

    if (request == "Escape")
        QTest::keyClick(dialog, Qt::Key_Escape);
    else if (request == "close")
        dialog->close();
    else
        progress.cancel();
    QCOMPARE(progress.cancelRequested(), cancellable);
    // The dialog goes with the work, which stops at its next step.
    QVERIFY(dialog->isVisible());
    progress.end();
    QVERIFY(!progress.cancelRequested());
    progress.begin(" Extracting", 100);
    progress.allowCancel();
    QVERIFY(!progress.cancelRequested());
    progress.end();
}

void TestDialogProgress::questionDuringTheWorkIsAnswerable_data()
{
    const DataTable<bool> row("shownBefore");
    row("asked before the progress appeared", false);
    row("asked while the progress is up", true);
}

// The progress steps aside for the question, even when the question stays open longer than
// the progress takes to appear, and comes back with the work's next step.
void TestDialogProgress::questionDuringTheWorkIsAnswerable()
{
    QFETCH(bool, shownBefore);
    OverMainWindow f;
    auto& [mainWindow, progress] = f;
    WidgetDialogs dialogs({}, {});
    dialogs.setMainWindow(&mainWindow);
    dialogs.setProgress(&progress);

    progress.begin(" Extracting", 100);
    if (shownBefore)
        QThread::msleep(DialogProgress::kShowAfterMs + 100);
    progress.advance("secret.wad", 10);
    QCOMPARE(progress.dialog()->isVisible(), shownBefore);

    bool progressShownOverQuestion = true;
    bool questionFound = false;
    QTimer::singleShot(DialogProgress::kShowAfterMs + 300, &mainWindow, [&] {
        progressShownOverQuestion = progress.dialog()->isVisible();
        const auto questions = mainWindow.findChildren<QInputDialog*>();
        questionFound = questions.size() == 1 && QApplication::activeModalWidget() == questions[0];
        for (QInputDialog* question : questions) {
            question->setTextValue("swordfish");
            question->accept();
        }
    });
    const std::optional<QString> answer =
        dialogs.inputBox("Please Enter The Password!", QString(), QString());
    QVERIFY(questionFound);
    QVERIFY(!progressShownOverQuestion);
    QVERIFY(answer.has_value());
    QCOMPARE(*answer, QStringLiteral("swordfish"));

    progress.advance("secret.wad", 50);
    QVERIFY(progress.dialog()->isVisible());
    progress.end();
}

Z3D_TEST_MAIN(TestDialogProgress)
#include "tst_dialogprogress.moc"
