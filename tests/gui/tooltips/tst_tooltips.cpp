// Tooltips under the offscreen platform: every row of the main window's tip table on its control,
// off with "Disable tooltip text" and back; the shortcut window's tips; the class's contract
// where it can fail; the tip window showing, going and wrapping.

#include "core/settings/LauncherSettings.h"
#include "gui/dialogs/ShortcutForm.h"
#include "gui/mainwindow.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tooltips/ToolTips.h"
#include "gui/tooltips/ToolTipTexts.h"
#include "gui/tooltips/ToolTipWindow.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/TestRegistry.h"
#include "support/TipShown.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <utility>

using namespace z3d;
using namespace z3d::test;

namespace {

// The tip a control carries: its own tooltip, or its tool's text.
QString carriedTip(const ToolTips& tips, const QWidget& control, bool own)
{
    return own ? control.toolTip() : tips.toolText(&control);
}

// The mouse onto the middle of a control (from a corner of its window, so that it moves even
// when it was there already), and off it onto that corner.
void enter(QWidget& control)
{
    QTest::mouseMove(control.window(), QPoint(1, 1));
    QTest::mouseMove(&control, control.rect().center());
}

void leave(QWidget& control)
{
    QTest::mouseMove(control.window(), QPoint(1, 1));
}

} // namespace

class TestToolTips : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mainWindowTable_data();
    void mainWindowTable();
    void textsAsWritten_data();
    void textsAsWritten();
    void boxTipsNameTheirOwnBox_data();
    void boxTipsNameTheirOwnBox();
    void settingAgainKeepsOneToolEach();
    void gamesListTipFollowsThePreference();
    void shortcutWindowTipsOnAndOff();
    void launcherDelays_data();
    void launcherDelays();

    void addingTwiceKeepsTheFirstText();
    void removedEmptiedOrDestroyedToolIsGone();
    void headerIsTheFirstLineWhenShown_data();
    void headerIsTheFirstLineWhenShown();
    void tipShowsOnEnterAndGoesOnLeaveOrPress();
    void longLinesWrapAtTheTipWidth();

private:
    QCheckBox* disableTooltips() const
    {
        return findControl<QCheckBox>(*m_window, "chkLaunchPrefs", 3);
    }
};

void TestToolTips::init()
{
    makeWindow().toolTipText();
}

void TestToolTips::cleanup()
{
    dropWindow();
}

void TestToolTips::mainWindowTable_data()
{
    const DataTable<QString, QString, bool> row("control", "text", "own");
    for (const ToolTipRow& tip : ToolTipTexts::mainWindow())
        row(tip.control, QLatin1String(tip.control), tip.text, tip.own);
}

void TestToolTips::mainWindowTable()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, own);
    const ToolTips& tips = ToolTips::of(*m_window);
    auto* widget = findControl<QWidget>(*m_window, control);
    QVERIFY(widget);

    QCOMPARE(carriedTip(tips, *widget, own), text);
    // A control carries its tip one way only, so it never shows two.
    QCOMPARE(tips.hasToolTip(widget), !own);
    if (!own)
        QVERIFY(widget->toolTip().isEmpty());

    disableTooltips()->setChecked(true);
    QVERIFY(carriedTip(tips, *widget, own).isEmpty());
    QVERIFY(!tips.hasToolTip(widget));

    disableTooltips()->setChecked(false);
    QCOMPARE(carriedTip(tips, *widget, own), text);
}

// The texts as the player reads them, written out here rather than taken from the table: the
// line breaks are CR LF and the blanks around the texts are kept.
void TestToolTips::textsAsWritten_data()
{
    const DataTable<QString, QString, bool> row("control", "text", "own");
    row("four lines", "chkSound_3",
        "Enables DSound with EAX if your audio card has this capability.\r\n"
        "If you are running in either Vista or Windows 7 check out the\r\n"
        "documentation relating to sound issues with these systems, the\r\n"
        "information can be found under the help section of the website.",
        false);
    row("lines with leading blanks", "Ricotext",
        "Rate of frequency in which you hear ricochets.\r\n"
        " 1 - being the least frequently heard.\r\n"
        " 9 - being the most frequently heard.",
        false);
    row("a trailing blank inside", "SkyOpt_0",
        "Replace sky with a skybox if a custom \r\nsky does not exist in the pwad.", false);
    row("a single blank", "chkZ3DOpts_7", " ", false);
    row("trailing blanks", "AuxButton_1", "Zorn3D documentation and help files.  ", false);
    row("the launch button", "LaunchButton", "Launch game selected in list.", false);
    row("a list's own tip", "MapList", "  Select map for startup.  ", true);
    row("a label's own tip", "Auto_0", " Toggle Zorn3D scripted maps if installed. ", true);
}

void TestToolTips::textsAsWritten()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, own);
    auto* widget = findControl<QWidget>(*m_window, control);
    QVERIFY(widget);
    QCOMPARE(carriedTip(ToolTips::of(*m_window), *widget, own), text);
}

// The boxes' tips read alike and their captions do not show which is which: each tip is
// checked for a word of its own text, a word no other tip of the window carries, so that two
// texts swapped between boxes fail here. The row's tag is the box.
void TestToolTips::boxTipsNameTheirOwnBox_data()
{
    // The box, and a word of its tip.
    static const std::pair<const char*, const char*> words[] = {
        {"chkSound_0", "all sound"},               {"chkSound_1", "music only"},
        {"chkSound_2", "ricochet for"},            {"chkSound_3", "EAX"},
        {"chkSound_4", "preselected"},             {"chkSound_5", "Manually"},
        {"chkSound_6", "SFX"},                     {"chkSound_7", "switching sounds"},
        {"chkSound_8", "Custom map music"},        {"chkGraphics_0", "256MB"},
        {"chkGraphics_1", "sharpened"},            {"chkGraphics_2", "Enhances original"},
        {"chkGraphics_3", "3D sky"},               {"chkGraphics_4", "titlepic"},
        {"SkyOpt_0", "Replace sky"},               {"SkyOpt_1", "Force skybox"},
        {"chkMain_0", "dehacked"},                 {"chkMain_1", "wall and flat"},
        {"chkMain_2", "advanced user"},            {"chkMain_3", "0 to 255"},
        {"chkMain_4", "game objects"},             {"chkMain_5", "saved on exit"},
        {"chkMain_6", "Removes monsters"},         {"chkEffects_0", "light sources"},
        {"chkEffects_2", "animated flats"},        {"chkEffects_3", "torches"},
        {"chkZ3DOpts_0", "mouse"},                 {"chkZ3DOpts_1", "joystick"},
        {"chkZ3DOpts_2", "swimmable"},             {"chkZ3DOpts_3", "archvile"},
        {"chkZ3DOpts_4", "colour"},                {"chkZ3DOpts_5", "Tougher"},
        {"chkZ3DOpts_6", "troubleshooting"},       {"chkZ3DOpts_8", "Respawn"},
        {"chkZ3DOpts_9", "same type"},             {"chkZ3DOpts_10", "Lost Souls"},
        {"chkLaunchPrefs_0", "launched map"},      {"chkLaunchPrefs_1", "launched savegame"},
        {"chkLaunchPrefs_2", "shortcut creation"}, {"chkLaunchPrefs_3", "tooltip text"},
        {"chkLaunchPrefs_4", "author's info"},     {"chkLaunchPrefs_5", "tip of the day"},
        {"ChkGL", "pipebomb"},                     {"chkTesting", "dev team"},
        {"ExitOption_1", "Minimise"},              {"ExitOption_2", "Exit out"},
        {"ChkModelOpts_0", "monsters and player"}, {"ChkModelOpts_1", "player's HUD"},
        {"ChkModelOpts_2", "map decorations"},     {"ChkModelOpts_3", "foolproof"},
        {"ChkModelOpts_4", "ammo pickups"},        {"ChkModelOpts_5", "still be used"},
        {"ChkModelOpts_6", "sprites for splash"},  {"ChkModelOpts_7", "with flames"},
        {"ChkModelOpts_8", "particle"},            {"chkAltModels_1", "standard HUD"},
        {"chkAltModels_2", "two new weapon"},      {"chkAltModels_3", "WIP"},
        {"chkAltModels_4", "pistol zombie"},       {"cbChannels", "default value of 32"},
        {"Ricotext", "hear ricochets"},            {"Corpse", "corpse will fade"},
        {"Timeout", "grenade explodes"},           {"HiResText", "hires texture path"},
        {"edCustom", "Z3D_Cmdline"},
    };
    const DataTable<QString> row("word");
    for (const auto& [box, word] : words)
        row(box, word);
}

void TestToolTips::boxTipsNameTheirOwnBox()
{
    QFETCH(QString, word);
    const QString box = QLatin1String(QTest::currentDataTag());
    auto* control = findControl<QWidget>(*m_window, box);
    QVERIFY(control);
    QVERIFY2(ToolTips::of(*m_window).toolText(control).contains(word), qPrintable(box));
    const QList<ToolTipRow>& rows = ToolTipTexts::mainWindow();
    QCOMPARE(std::count_if(rows.begin(), rows.end(),
                           [&word](const ToolTipRow& r) { return r.text.contains(word); }),
             1);
}

void TestToolTips::settingAgainKeepsOneToolEach()
{
    const QList<ToolTipRow>& rows = ToolTipTexts::mainWindow();
    const auto tools = std::count_if(rows.begin(), rows.end(), [](auto& r) { return !r.own; });
    m_window->toolTipText();
    QCOMPARE(ToolTips::of(*m_window).toolCount(), int(tools));
}

void TestToolTips::gamesListTipFollowsThePreference()
{
    QListWidget* games = m_window->gamesTab()->gamesList();
    QCOMPARE(games->toolTip(), QStringLiteral("  Right click on selected game  for tasks menu.  "));
    m_window->gamesTab()->showView(2);
    disableTooltips()->setChecked(true);
    QVERIFY(games->toolTip().isEmpty());
    disableTooltips()->setChecked(false);
    QCOMPARE(games->toolTip(),
             QStringLiteral(" Right click on selected zip file for tasks menu. "));
}

void TestToolTips::shortcutWindowTipsOnAndOff()
{
    ShortcutForm form;
    const ToolTips& tips = ToolTips::of(form);
    form.showToolTips(true);
    for (const ToolTipRow& row : ToolTipTexts::shortcutWindow()) {
        auto* control = findControl<QWidget>(form, QLatin1String(row.control));
        QVERIFY(control);
        QCOMPARE(tips.toolText(control), row.text);
    }
    form.showToolTips(false);
    QCOMPARE(tips.toolCount(), 0);
}

void TestToolTips::launcherDelays_data()
{
    const DataTable<ToolTips::Delay, int> row("kind", "milliseconds");
    row("initial", ToolTips::Delay::Initial, 300);
    row("reshow", ToolTips::Delay::Reshow, 800);
    row("auto-pop", ToolTips::Delay::AutoPop, 20000);
}

// The main window's tips wait 300 ms before the first tip and 800 ms before the next one.
void TestToolTips::launcherDelays()
{
    QFETCH(ToolTips::Delay, kind);
    QTEST(ToolTips::of(*m_window).delayTime(kind), "milliseconds");
}

void TestToolTips::addingTwiceKeepsTheFirstText()
{
    QWidget form;
    auto* control = new QPushButton(&form);
    ToolTips tips(form);
    QVERIFY(tips.addTool(control, QStringLiteral("first")));
    QVERIFY(!tips.addTool(control, QStringLiteral("second")));
    QVERIFY(!tips.addTool(nullptr, QStringLiteral("none")));
    QCOMPARE(tips.toolCount(), 1);
    QCOMPARE(tips.toolText(control), QStringLiteral("first"));
    tips.setToolText(control, QStringLiteral("replaced"));
    QCOMPARE(tips.toolText(control), QStringLiteral("replaced"));
    QCOMPARE(&ToolTips::of(form), &tips);
}

void TestToolTips::removedEmptiedOrDestroyedToolIsGone()
{
    QWidget form;
    auto* removed = new QPushButton(&form);
    auto* emptied = new QPushButton(&form);
    auto* destroyed = new QPushButton(&form);
    auto* never = new QPushButton(&form);
    ToolTips tips(form);
    for (QWidget* control : {removed, emptied, destroyed})
        tips.addTool(control, QStringLiteral("tip"));

    QVERIFY(tips.removeTool(removed));
    QVERIFY(!tips.removeTool(removed));
    tips.setToolText(emptied, QString());
    delete destroyed;
    // Setting a text gives no tool to a control without one.
    tips.setToolText(never, QStringLiteral("tip"));

    QCOMPARE(tips.toolCount(), 0);
    for (QWidget* control : {removed, emptied, never}) {
        QVERIFY(!tips.hasToolTip(control));
        QVERIFY(tips.toolText(control).isEmpty());
    }
    QVERIFY(tips.addTool(removed, QStringLiteral("again")));
}

void TestToolTips::headerIsTheFirstLineWhenShown_data()
{
    const DataTable<bool, QString, bool, QString> row("shown", "header", "bySetting", "expected");
    row("shown, added", true, "Header", false, "Header\r\ntip");
    row("shown, set", true, "Header", true, "Header\r\ntip");
    row("shown but empty", true, "", false, "tip");
    row("not shown", false, "Header", false, "tip");
}

void TestToolTips::headerIsTheFirstLineWhenShown()
{
    QFETCH(bool, shown);
    QFETCH(QString, header);
    QFETCH(bool, bySetting);
    QFETCH(QString, expected);
    QWidget form;
    auto* control = new QPushButton(&form);
    ToolTips tips(form);
    tips.setToolTipHeader(header);
    tips.setToolTipHeaderShow(shown);
    tips.addTool(control, bySetting ? QStringLiteral("first") : QStringLiteral("tip"));
    if (bySetting)
        tips.setToolText(control, QStringLiteral("tip"));
    QCOMPARE(tips.toolText(control), expected);
}

void TestToolTips::tipShowsOnEnterAndGoesOnLeaveOrPress()
{
    QWidget form;
    form.resize(300, 200);
    auto* control = new QPushButton(QStringLiteral("Launch"), &form);
    auto* silent = new QPushButton(QStringLiteral("Other"), &form);
    control->setGeometry(20, 20, 100, 30);
    silent->setGeometry(20, 120, 100, 30);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ToolTips tips(form);
    tips.useLauncherLook();
    tips.addTool(control, QStringLiteral("First line\r\nSecond line"));
    tips.addTool(silent, QString());

    enter(*control);
    QTRY_VERIFY(tipShown(tips));
    QCOMPARE(tips.tipWindow()->text(), QStringLiteral("First line\nSecond line"));
    // The desktop reads a tip by its window's title.
    QCOMPARE(tips.tipWindow()->windowTitle(), QStringLiteral("First line\nSecond line"));
    leave(*control);
    QVERIFY(!tipShown(tips));

    enter(*control);
    QTRY_VERIFY(tipShown(tips));
    QTest::mousePress(control, Qt::LeftButton);
    QVERIFY(!tipShown(tips));
    QTest::mouseRelease(control, Qt::LeftButton);

    // A tool with an empty text shows nothing, and taking a tool away takes its tip.
    enter(*silent);
    QVERIFY(!tipShown(tips));
    enter(*control);
    QTRY_VERIFY(tipShown(tips));
    tips.removeTool(control);
    QVERIFY(!tipShown(tips));
}

void TestToolTips::longLinesWrapAtTheTipWidth()
{
    QWidget form;
    form.resize(300, 200);
    auto* control = new QPushButton(&form);
    control->setGeometry(20, 20, 100, 30);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ToolTips tips(form);
    tips.useLauncherLook();
    const QString longLine = QStringLiteral("Specify are custom hires texture path, as a rule you "
                                            "don't need to worry about this as the default");
    tips.addTool(control, QStringLiteral("Short.\r\n") + longLine);
    enter(*control);
    QTRY_VERIFY(tipShown(tips));

    const ToolTipWindow& tip = *tips.tipWindow();
    QVERIFY2(tip.fontMetrics().horizontalAdvance(longLine) > 240, "the line must need wrapping");
    QVERIFY(tip.textRect().width() <= 240);
    // Two lines given, the second wrapped at least once.
    QVERIFY(tip.textRect().height() >= 3 * tip.fontMetrics().lineSpacing());
}

Z3D_TEST_MAIN(TestToolTips)
#include "tst_tooltips.moc"
