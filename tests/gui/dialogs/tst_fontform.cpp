// The font window, the launcher font on the launcher's windows, and the font command of the
// main window that keeps the choice and restarts.

#include "gui/dialogs/FontForm.h"

#include "core/app/LauncherContext.h"
#include "gui/handlers/MainFormHandlers.h"
#include "gui/LauncherFont.h"
#include "gui/LauncherStartup.h"
#include "gui/mainwindow.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProcesses.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace z3d;
using namespace z3d::test;

namespace {

QString highlighted(const FontForm& form, const char* list)
{
    const QListWidgetItem* item = findControl<QListWidget>(form, list)->currentItem();
    return item ? item->text() : QString();
}

// Presses a button of the font window as soon as it is shown modally.
class FontWindowAnswer : public QObject
{
public:
    explicit FontWindowAnswer(const char* button) : m_button(button)
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* form = qobject_cast<FontForm*>(QApplication::activeModalWidget())) {
                findControl<QListWidget>(*form, "ListFont")->setCurrentRow(0); // Arial
                findControl<QPushButton>(*form, m_button)->click();
            }
        });
        m_timer.start();
    }

private:
    const char* m_button;
    QTimer m_timer;
};

} // namespace

class TestFontForm : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTheFontInForce()
    {
        FontForm form({"Verdana", 8, true}, true);
        QCOMPARE(form.windowTitle(), QStringLiteral("Font"));
        QCOMPARE(highlighted(form, "ListFont"), QStringLiteral("Verdana"));
        QCOMPARE(highlighted(form, "ListStyle"), QStringLiteral("Bold"));
        QCOMPARE(highlighted(form, "ListSize"), QStringLiteral("8"));
        QCOMPARE(itemTexts(findControl<QListWidget>(form, "ListSize")), (QStringList{"8", "9"}));
        QCOMPARE(findControl<QLabel>(form, "PreviewLabel")->text(), QStringLiteral("Verdana"));
        QVERIFY(findControl<QLabel>(form, "PreviewLabel")->font().bold());

        findControl<QListWidget>(form, "ListStyle")->setCurrentRow(0); // Regular
        QCOMPARE(itemTexts(findControl<QListWidget>(form, "ListSize")),
                 (QStringList{"8", "9", "10"}));
        // Calibri offers only 10, which replaces the 8 chosen.
        const QList<QListWidgetItem*> calibri =
            findControl<QListWidget>(form, "ListFont")->findItems("Calibri", Qt::MatchExactly);
        findControl<QListWidget>(form, "ListFont")->setCurrentItem(calibri.constFirst());
        QCOMPARE(highlighted(form, "ListSize"), QStringLiteral("10"));
        QCOMPARE(form.chosenFont(), (FontSettings{"Calibri", 10, false}));
    }

    void withoutACustomFontTheDesignedFontIsOffered()
    {
        FontForm form({"Tahoma", 10, true}, false);
        QCOMPARE(highlighted(form, "ListFont"), QStringLiteral("MS Sans Serif"));
        QCOMPARE(highlighted(form, "ListStyle"), QStringLiteral("Regular"));
        QCOMPARE(highlighted(form, "ListSize"), QStringLiteral("8"));
    }

    void launcherFontReachesTheLaunchersWindowsOnly()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("IwadForm"));
        auto* button = new QPushButton(QStringLiteral("OK"), &window);
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        QMessageBox message;
        LauncherFont font({"Tahoma", 0, false});
        qApp->installEventFilter(&font);
        window.show();
        message.show();
        qApp->removeEventFilter(&font);
        QCOMPARE(button->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(button->font().pointSize(), 8);
        QVERIFY2(button->font().bold(), "a bold control keeps its weight");
        QVERIFY(message.font().family() != QStringLiteral("Tahoma"));
    }

    void fontCommandKeepsTheChoiceAndRestarts_data()
    {
        const DataTable<QString, QByteArray, bool> row("button", "fontFile", "restart");
        // Verdana bold offers no 10: the window starts on 8, which Arial keeps.
        row("OK", "FontBut_1", QByteArray("Arial,8,b\r\n"), true);
        row("Default", "FontBut_0", QByteArray(), true);
        row("Cancel", "FontBut_2", QByteArray("Verdana,10,b\r\n"), false);
    }
    void fontCommandKeepsTheChoiceAndRestarts()
    {
        const auto [button, fontFile, restart] =
            fetchRow<QString, QByteArray, bool>("button", "fontFile", "restart");
        InstallTree tree;
        tree.addFile("Z3DLaunch/font.z3d", "Verdana,10,b\r\n");
        LauncherContext context;
        RecordingDialogs dialogs;
        RecordingProcesses processes;
        context.paths = tree.paths();
        context.dialogs = &dialogs;
        context.processes = &processes;
        context.font = {"Verdana", 10, true};
        context.customFontInUse = true;
        MainWindow window(context.settings);
        MainFormHandlers& handlers = LauncherStartup::attachHandlers(context, window);
        window.show();

        const QByteArray name = button.toLatin1();
        FontWindowAnswer answer(name.constData());
        handlers.runCommand(6);
        QCOMPARE(tree.readFile("Z3DLaunch/font.z3d"), fontFile);
        QCOMPARE(context.startup.restartOnExit, restart);
        QCOMPARE(window.isVisible(), !restart);
        QVERIFY(dialogs.messages().isEmpty());
    }
};

Z3D_TEST_MAIN(TestFontForm)
#include "tst_fontform.moc"
