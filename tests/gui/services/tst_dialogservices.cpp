#include "gui/services/DialogGeometry.h"
#include "gui/services/MessageBoxStyle.h"
#include "gui/services/WidgetDialogs.h"

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace z3d;
using namespace z3d::test;

Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(QMessageBox::Icon)

class TestDialogServices : public QObject
{
    Q_OBJECT

private slots:
    void styleSums_data()
    {
        const DataTable<int, int, QMessageBox::StandardButton, QMessageBox::Icon, bool> row(
            "style", "buttons", "defaultButton", "icon", "appModal");
        row("system modal ok", 4096, int(QMessageBox::Ok), QMessageBox::Ok, QMessageBox::NoIcon,
            true);
        row("information", 64, int(QMessageBox::Ok), QMessageBox::Ok, QMessageBox::Information,
            false);
        row("exclamation", 48, int(QMessageBox::Ok), QMessageBox::Ok, QMessageBox::Warning, false);
        row("critical", 16, int(QMessageBox::Ok), QMessageBox::Ok, QMessageBox::Critical, false);
        row("question yes/no", 36, int(QMessageBox::Yes | QMessageBox::No), QMessageBox::Yes,
            QMessageBox::Question, false);
        row("yes/no/cancel second default", (3 + 32 + 256),
            int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel), QMessageBox::No,
            QMessageBox::Question, false);
        row("ok/cancel", 1, int(QMessageBox::Ok | QMessageBox::Cancel), QMessageBox::Ok,
            QMessageBox::NoIcon, false);
    }
    void styleSums()
    {
        const auto [style, buttons, defaultButton, icon, appModal] =
            fetchRow<int, int, QMessageBox::StandardButton, QMessageBox::Icon, bool>("style", "buttons", "defaultButton", "icon", "appModal");
        const MessageBoxStyle mapped = MessageBoxStyle::fromStyleSum(style);
        QCOMPARE(int(mapped.buttons), buttons);
        QCOMPARE(mapped.defaultButton, defaultButton);
        QCOMPARE(mapped.icon, icon);
        QCOMPARE(mapped.applicationModal, appModal);
    }

    void resultCodes()
    {
        QCOMPARE(messageBoxResultCode(QMessageBox::Ok), 1);
        QCOMPARE(messageBoxResultCode(QMessageBox::Cancel), 2);
        QCOMPARE(messageBoxResultCode(QMessageBox::Yes), 6);
        QCOMPARE(messageBoxResultCode(QMessageBox::No), 7);
    }

    void centredOverTheMainWindowEvenWhenLarger()
    {
        // Launcher on the right half of a wide screen.
        const QRect main(1500, 200, 647, 514);
        QCOMPARE(centredOver(main, QSize(300, 120)), QPoint(1500 + 173, 200 + 197));
        // A box larger than the launcher keeps the launcher's centre.
        const QPoint corner = centredOver(main, QSize(800, 600));
        QCOMPARE(corner, QPoint(1500 - 76, 200 - 43));
        QCOMPARE(QRect(corner, QSize(800, 600)).center().x(), main.center().x());
    }

    void hookedFileDialogPlacement()
    {
        const QRect main(100, 50, 700, 500);
        QCOMPARE(hookedFileDialogPosition(main, true), QPoint(100 + 63, 50 + 90));
        QCOMPARE(hookedFileDialogPosition(main, false), QPoint(100 + 63, 50 + 100));
    }

    // The folder browser opens on the location it replaces, or the nearest folder of it that
    // is still there, shown in its tree; OK returns it.
    void folderBrowserOpensOnTheCurrentLocation_data()
    {
        const DataTable<QString, QString> row("start", "opened");
        row("existing folder", "Games/Zips", "Games/Zips");
        row("gone folder", "Games/Zips/Gone/Deeper", "Games/Zips");
    }
    void folderBrowserOpensOnTheCurrentLocation()
    {
        QFETCH(QString, start);
        QFETCH(QString, opened);
        QTemporaryDir root;
        const QDir folder(root.path());
        QVERIFY(folder.mkpath(QStringLiteral("Games/Zips")));
        QWidget main;
        main.show();
        WidgetDialogs dialogs([] { return true; }, [] { return false; });
        dialogs.setMainWindow(&main);
        bool parentExpanded = false;
        QTimer::singleShot(0, [&] {
            QDialog* browser = nullptr;
            QTRY_VERIFY((browser = qobject_cast<QDialog*>(QApplication::activeModalWidget())));
            const auto* tree = browser->findChild<QTreeView*>();
            parentExpanded = tree->isExpanded(tree->currentIndex().parent());
            browser->accept();
        });
        const std::optional<QString> chosen =
            dialogs.browseForFolder(QStringLiteral("Choose"), folder.filePath(start));
        QCOMPARE(chosen, std::optional<QString>(folder.filePath(opened)));
        QVERIFY(parentExpanded);
    }

    void messageBoxShowsTextTitleAndReturnsPressedButton()
    {
        QWidget main;
        main.setGeometry(400, 100, 600, 500);
        main.show();
        WidgetDialogs dialogs([] { return true; }, [] { return false; });
        dialogs.setMainWindow(&main);
        QString seenTitle, seenText;
        QPoint seenCentre;
        QTimer::singleShot(0, [&] {
            QMessageBox* box = nullptr;
            QTRY_VERIFY((box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())));
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenCentre = box->frameGeometry().center();
            box->button(QMessageBox::No)->click();
        });
        // Long enough that the box grows past its first size when it is shown.
        const QString text = QStringLiteral("  Delete it?  \r\n second ") + QString(200, u'x');
        const int result = dialogs.messageBox(text, 36, QStringLiteral(" Delete game"));
        QCOMPARE(result, 7);
        QCOMPARE(seenTitle, QStringLiteral(" Delete game"));
        QCOMPARE(seenText, text);
        // Centred over the launcher in its final size.
        QVERIFY2((seenCentre - main.frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(seenCentre.x()).arg(seenCentre.y())));
    }
};

Z3D_TEST_MAIN(TestDialogServices)
#include "tst_dialogservices.moc"
