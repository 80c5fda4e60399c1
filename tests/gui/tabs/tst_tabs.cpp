#include "core/app/Twips.h"
#include "core/settings/LauncherSettings.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tabs/OptionChangeFlags.h"
#include "gui/tabs/OptionsTab.h"
#include "gui/tabs/SoundTab.h"
#include "gui/tabs/TabPage.h"
#include "gui/tabs/TextColour.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <utility>

using namespace z3d;
using namespace z3d::test;

namespace {

// Presses the named arrow button count times.
void press(QWidget& page, const char* button, int count)
{
    auto* arrow = page.findChild<QToolButton*>(QLatin1String(button));
    QVERIFY2(arrow, button);
    for (int i = 0; i < count; ++i)
        arrow->click();
}

// Puts settings on the page as the load does, presses one arrow, then the other, and gathers
// the page back into settings.
void pressArrows(TabPage& page, LauncherSettings& settings, std::pair<const char*, int> first,
                 std::pair<const char*, int> second)
{
    QVERIFY(page.applySettings(settings));
    press(page, first.first, first.second);
    press(page, second.first, second.second);
    page.gatherSettings(settings);
}

} // namespace

class TestTabs : public QObject
{
    Q_OBJECT

private slots:
    void corpseSeconds_data();
    void corpseSeconds();
    void grenadeTimeout_data();
    void grenadeTimeout();
    void ricochetFrequency_data();
    void ricochetFrequency();
    void fakeGlowCountsOnlyTheClick();
    void gameListHeights();
    void gamesListScrollsToItsWidestName_data();
    void gamesListScrollsToItsWidestName();
};

void TestTabs::corpseSeconds_data()
{
    const DataTable<int, int, int, QString, QString, bool> row("start", "left", "right", "shown",
                                                               "label", "resurrectEnabled");
    row("down one", 9, 1, 0, "8", "Seconds before corpses fade", true);
    row("down to 0", 2, 2, 0, "0", "No corpse fade", false);
    row("below 0", 1, 5, 0, "0", "No corpse fade", false);
    row("up from 0", 0, 0, 1, "1", "Seconds before corpses fade", true);
    row("above 9", 8, 0, 4, "9", "Seconds before corpses fade", true);
    row("stored 30, up", 30, 0, 1, "9", "Seconds before corpses fade", true);
    row("stored 30, down", 30, 1, 0, "9", "Seconds before corpses fade", true);
}

void TestTabs::corpseSeconds()
{
    const auto [start, left, right, shown, label, resurrectEnabled] =
        fetchRow<int, int, int, QString, QString, bool>("start", "left", "right", "shown", "label", "resurrectEnabled");
    OptionChangeFlags flags;
    LauncherSettings settings;
    settings.corpseFadeSeconds = start;
    settings.resurrectWithFade = true;
    OptionsTab page(flags, settings);
    pressArrows(page, settings, {"butleft", left}, {"butRight", right});

    QCheckBox* resurrect = findControl<QCheckBox>(page, "chkZ3DOpts", 3);
    QLineEdit* corpse = findControl<QLineEdit>(page, "Corpse");
    QCOMPARE(corpse->text(), shown);
    // What the box shows is what the settings keep.
    QCOMPARE(QString::number(settings.corpseFadeSeconds), shown);
    QCOMPARE(findControl<QLabel>(page, "lblCorpse")->text(), label);
    QCOMPARE(resurrect->isEnabled(), resurrectEnabled);
    QCOMPARE(resurrect->isChecked(), resurrectEnabled); // at 0 it is also unchecked
    const bool red = TextColour::of(corpse) == TextColour::darkRed();
    QCOMPARE(red, shown == "0");
    // The box only shows the value: the player cannot type into it or give it the focus.
    QVERIFY(corpse->isReadOnly());
    QCOMPARE(corpse->focusPolicy(), Qt::NoFocus);
}

void TestTabs::grenadeTimeout_data()
{
    const DataTable<int, int, int, QString, QString> row("start", "left", "right", "shown",
                                                         "caption");
    row("default up", 2, 0, 1, "3", "Grenade Launcher");
    row("to 0", 2, 2, 0, "0", "Pipebomb Launcher");
    row("below 0", 0, 3, 0, "0", "Pipebomb Launcher");
    row("back from 0", 0, 0, 1, "1", "Grenade Launcher");
    row("above 7", 6, 0, 5, "7", "Grenade Launcher");
}

void TestTabs::grenadeTimeout()
{
    const auto [start, left, right, shown, caption] =
        fetchRow<int, int, int, QString, QString>("start", "left", "right", "shown", "caption");
    OptionChangeFlags flags;
    LauncherSettings settings;
    settings.grenadeTimeout = start;
    OptionsTab page(flags, settings);
    pressArrows(page, settings, {"butLeft2", left}, {"butRight2", right});

    QLineEdit* timeout = findControl<QLineEdit>(page, "Timeout");
    QCOMPARE(timeout->text(), shown);
    QCOMPARE(QString::number(settings.grenadeTimeout), shown);
    QCOMPARE(findControl<QCheckBox>(page, "ChkGL")->text(), caption);
    const bool red = TextColour::of(timeout) == TextColour::darkRed();
    QCOMPARE(red, shown == "0");
}

void TestTabs::ricochetFrequency_data()
{
    const DataTable<int, int, int, QString> row("start", "down", "up", "shown");
    row("up", 4, 0, 1, "5");
    row("down", 4, 1, 0, "3");
    row("not below 1", 2, 4, 0, "1");
    row("not above 9", 8, 0, 3, "9");
    row("at the top already", 9, 0, 1, "9");
}

void TestTabs::ricochetFrequency()
{
    const auto [start, down, up, shown] =
        fetchRow<int, int, int, QString>("start", "down", "up", "shown");
    OptionChangeFlags flags;
    SoundTab page(flags);
    LauncherSettings settings;
    settings.ricochetValue = start;
    pressArrows(page, settings, {"RicoButton_0", down}, {"RicoButton_1", up});

    QCOMPARE(findControl<QLineEdit>(page, "Ricotext")->text(), shown);
    QCOMPARE(QString::number(settings.ricochetValue), shown);
    QVERIFY(flags.ricochetChanged);
    QVERIFY(!flags.fakeGlowChanged);
}

void TestTabs::fakeGlowCountsOnlyTheClick()
{
    OptionChangeFlags flags;
    LauncherSettings settings;
    OptionsTab page(flags, settings);
    QCheckBox* glow = findControl<QCheckBox>(page, "chkZ3DOpts", 4);
    glow->setChecked(true);
    QVERIFY(!flags.fakeGlowChanged);
    glow->click();
    QVERIFY(flags.fakeGlowChanged);
    QVERIFY(!flags.ricochetChanged);
}

void TestTabs::gameListHeights()
{
    GamesTab page;
    const Twips twips(page.logicalDpiX(), page.logicalDpiY());
    QCOMPARE(page.gameFilesList()->height(), twips.height(1020));
    QCOMPARE(page.saveGameList()->height(), twips.height(1605));

    page.expandGameList();
    QCOMPARE(page.gameFilesList()->height(), twips.height(1740));
    QCOMPARE(page.saveGameList()->height(), twips.height(885));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    // The save-game header sits between the two lists.
    QVERIFY(page.header(3)->y() >= page.gameFilesList()->geometry().bottom());
    QVERIFY(page.header(3)->geometry().bottom() <= page.saveGameList()->y());

    page.shrinkGameList();
    QCOMPARE(page.gameFilesList()->height(), twips.height(1020));
    QCOMPARE(page.saveGameList()->height(), twips.height(1605));
    QCOMPARE(page.selectedView(), -1);
    findControl<QRadioButton>(page, "OptionUdir", 2)->setChecked(true);
    QCOMPARE(page.selectedView(), 2);
}

// The games list lays its rows out from one size, yet scrolls sideways as far as a list that
// measures each row: to the end of its widest name, wherever that stands, and not at all when
// every name fits.
void TestTabs::gamesListScrollsToItsWidestName_data()
{
    const DataTable<QStringList> row("names");
    QStringList many;
    for (int i = 1; i <= 2000; ++i)
        many.append(QStringLiteral("GAME %1").arg(i));
    QStringList widestInside = many;
    widestInside.insert(
        1000, QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"));
    row("all fit", many);
    row("the widest in the middle", widestInside);
    // More letters do not make a wider name.
    row("narrow letters against wide ones",
        {QStringLiteral("A"), QStringLiteral("iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii"),
         QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"), QStringLiteral("B")});
    row("letters beyond Latin-1",
        {QStringLiteral("llllllllllllllllllllllllllllllllllllllllllllllllllllll"),
         QString(40, QChar(0x0416)), QString(50, QChar(0x00E9))});
}

void TestTabs::gamesListScrollsToItsWidestName()
{
    QFETCH(QStringList, names);
    GamesTab page;
    QListWidget* games = page.gamesList();
    games->addItems(names);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QListWidget measured;
    measured.setFont(games->font());
    measured.resize(games->size());
    measured.addItems(names);
    measured.show();
    QVERIFY(QTest::qWaitForWindowExposed(&measured));
    QApplication::processEvents();

    QVERIFY(games->uniformItemSizes());
    QCOMPARE(games->horizontalScrollBar()->maximum(), measured.horizontalScrollBar()->maximum());
    QCOMPARE(games->verticalScrollBar()->maximum(), measured.verticalScrollBar()->maximum());
    const int widest = int(std::max_element(names.cbegin(), names.cend(),
                                            [&](const QString& a, const QString& b) {
                                                return measured.fontMetrics().horizontalAdvance(a) <
                                                       measured.fontMetrics().horizontalAdvance(b);
                                            }) -
                           names.cbegin());
    QCOMPARE(games->visualItemRect(games->item(widest)).size(),
             measured.visualItemRect(measured.item(widest)).size());
}

Z3D_TEST_MAIN(TestTabs)
#include "tst_tabs.moc"
