// The shortcut window under the offscreen platform: its texts, the Cancel/Create button rule,
// the map box's enabling, and the choices each way of closing it returns.

#include "gui/dialogs/ShortcutForm.h"

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace z3d;
using namespace z3d::test;

namespace {

QCheckBox* box(ShortcutForm& form, const char* name)
{
    return form.findChild<QCheckBox*>(QLatin1String(name));
}

QPushButton* button(ShortcutForm& form)
{
    return form.findChild<QPushButton*>(QStringLiteral("OKButton"));
}

// Runs interact on the window once it shows, then returns its answer.
ShortcutChoices askWith(ShortcutForm& form, std::function<void(ShortcutForm&)> interact)
{
    QTimer::singleShot(0, &form, [&form, interact] {
        QTRY_VERIFY(form.isVisible());
        interact(form);
    });
    return form.askForShortcut(QStringLiteral("DOOM II"));
}

void click(QAbstractButton* control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

} // namespace

class TestShortcutForm : public QObject
{
    Q_OBJECT

private slots:
    void textsAndStartingState();
    void choicesAndTheButtonRule_data();
    void choicesAndTheButtonRule();
    void everyShowingStartsUnchecked();
    void escapeCancels();
};

void TestShortcutForm::textsAndStartingState()
{
    ShortcutForm form;
    askWith(form, [](ShortcutForm& f) {
        QCOMPARE(f.windowTitle(), QStringLiteral("Create Shortcut"));
        QCOMPARE(box(f, "chkShortcut_0")->text(), QStringLiteral(" Add Start Menu Shortcut"));
        QCOMPARE(box(f, "chkShortcut_1")->text(), QStringLiteral(" Add Desktop Shortcut"));
        QCOMPARE(box(f, "ChkMapNum")->text(), QStringLiteral(" Include map in Shortcut"));
        QCOMPARE(f.shortcutBox(0), box(f, "chkShortcut_0"));
        QCOMPARE(f.shortcutBox(1), box(f, "chkShortcut_1"));
        QCOMPARE(f.findChild<QLabel*>(QStringLiteral("lblGameName"))->text(),
                 QStringLiteral("DOOM II"));
        QCOMPARE(button(f)->text(), QStringLiteral("Cancel"));
        QVERIFY(!box(f, "ChkMapNum")->isEnabled());
        click(button(f));
    });
}

void TestShortcutForm::choicesAndTheButtonRule_data()
{
    const DataTable<QStringList, QString, bool, bool, bool, bool, bool> row(
        "clicks", "caption", "mapEnabled", "cancelled", "startMenu", "desktop", "includeMap");
    row("desktop with map", QStringList{"chkShortcut_1", "ChkMapNum"}, "Create", true, false, false,
        true, true);
    row("start menu without map", QStringList{"chkShortcut_0"}, "Create", true, false, true, false,
        false);
    row("both with map", QStringList{"chkShortcut_0", "chkShortcut_1", "ChkMapNum"}, "Create", true,
        false, true, true, true);
    row("checked and unchecked again", QStringList{"chkShortcut_0", "chkShortcut_0"}, "Cancel",
        false, true, false, false, false);
    row("map box left on, shortcut boxes off",
        QStringList{"chkShortcut_1", "ChkMapNum", "chkShortcut_1"}, "Cancel", false, true, false,
        false, false);
    row("map box off again", QStringList{"chkShortcut_1", "ChkMapNum", "ChkMapNum"}, "Create", true,
        false, false, true, false);
}

void TestShortcutForm::choicesAndTheButtonRule()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, caption);
    QFETCH(bool, mapEnabled);
    QFETCH(bool, cancelled);
    QFETCH(bool, startMenu);
    QFETCH(bool, desktop);
    QFETCH(bool, includeMap);

    ShortcutForm form;
    const ShortcutChoices choices = askWith(form, [&](ShortcutForm& f) {
        for (const QString& name : clicks)
            click(box(f, qPrintable(name)));
        QCOMPARE(button(f)->text(), caption);
        QCOMPARE(box(f, "ChkMapNum")->isEnabled(), mapEnabled);
        click(button(f));
    });
    QCOMPARE(choices.dialogCancelled, cancelled);
    QCOMPARE(choices.startMenuShortcut, startMenu);
    QCOMPARE(choices.desktopShortcut, desktop);
    QCOMPARE(choices.includeMapInShortcut, includeMap);
}

void TestShortcutForm::everyShowingStartsUnchecked()
{
    ShortcutForm form;
    const ShortcutChoices first = askWith(form, [](ShortcutForm& f) {
        click(box(f, "chkShortcut_0"));
        click(box(f, "chkShortcut_1"));
        click(box(f, "ChkMapNum"));
        click(button(f));
    });
    QVERIFY(!first.dialogCancelled && first.startMenuShortcut && first.desktopShortcut);

    const ShortcutChoices second = askWith(form, [](ShortcutForm& f) {
        QVERIFY(!box(f, "chkShortcut_0")->isChecked());
        QVERIFY(!box(f, "chkShortcut_1")->isChecked());
        QVERIFY(!box(f, "ChkMapNum")->isChecked());
        QCOMPARE(button(f)->text(), QStringLiteral("Cancel"));
        click(button(f));
    });
    QVERIFY(second.dialogCancelled);
    QVERIFY(!second.any());
}

void TestShortcutForm::escapeCancels()
{
    ShortcutForm form;
    const ShortcutChoices choices = askWith(form, [](ShortcutForm& f) {
        click(box(f, "chkShortcut_1"));
        click(box(f, "ChkMapNum"));
        QTest::keyClick(&f, Qt::Key_Escape);
    });
    QVERIFY(choices.dialogCancelled);
    QVERIFY(!choices.any());
    QVERIFY(!choices.includeMapInShortcut);
}

Z3D_TEST_MAIN(TestShortcutForm)
#include "tst_shortcutform.moc"
