#include "core/app/Twips.h"
#include "core/settings/LauncherSettings.h"
#include "core/settings/SettingsTable.h"
#include "gui/mainwindow.h"
#include "gui/NamedControls.h"
#include "gui/tabs/TextColour.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"
#include "support/TreeSnapshot.h"
#include "support/WindowFixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>

using namespace z3d;
using namespace z3d::test;

namespace {

// A flag of the settings that a box of the window binds.
using RememberFlag = bool LauncherSettings::*;

QString captionOf(const QWidget* widget)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    return QStringLiteral("<no caption>");
}

} // namespace

Q_DECLARE_METATYPE(RememberFlag)

class TestMainWindow : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutsSwitch();
    void nothingIsSqueezed();
    void captionsShareTheCompactSize();
    void advancedOptionsBoxSwitchesLayouts();
    void defaultModeTurnsZipLibraryIntoDoomGames();
    void tabClick_data();
    void tabClick();
    void gamesTabLaunchRule_data();
    void gamesTabLaunchRule();
    void settingsTableControlsExist();
    void captions_data();
    void captions();
    void skillLists();
    void rememberOffDeletesItsRecords_data();
    void rememberOffDeletesItsRecords();
    void recordsLeftAloneWithoutPaths();
    void shortcutButtonFollowsPreferenceImmediately();
    void tooltipAndTipPreferences();
    void enterLaunchesOnlyWhenLaunchEnabled();
    void upDownSwallowedWhileSelecting();
    void hiddenAffordances();
    void picturesOnceShown();
    void namedControlsFindWhatFindChildFinds();
    void lowerPanelToggle();
    void optionsStoreTheirIndex();
    void changeFlagsFollowThePlayer();
};

void TestMainWindow::init()
{
    makeWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindow::cleanup()
{
    dropWindow();
}

void TestMainWindow::layoutsSwitch()
{
    MainWindow& w = *m_window;
    const Twips twips = w.twips();
    QCOMPARE(w.width(), twips.width(9700));
    QCOMPARE(w.height(), twips.height(7710));
    if (w.logicalDpiY() == 96) {
        QCOMPARE(w.width(), 647);
        QCOMPARE(w.height(), 514);
    }
    auto* chkFrame = findControl<QWidget>(w, "ChkFrame");
    auto* globalFrame = findControl<QWidget>(w, "GlobalFrame_0");
    QVERIFY(chkFrame->y() > globalFrame->y());
    QCOMPARE(w.rememberedGlobalFrameTop(), globalFrame->y());
    QCOMPARE(w.rememberedChkFrameTop(), chkFrame->y());

    QCOMPARE(w.tabFrame(3)->title(), QString("Sound"));
    w.adjustTabFrames();
    for (int i = 0; i < MainWindow::kTabCount; ++i) {
        QVERIFY(w.tabFrame(i)->title().isEmpty());
        QCOMPARE(w.tabFrame(i)->geometry(), w.tabFrame(0)->geometry());
    }

    w.optionTabsClick(2);
    QCOMPARE(w.tabFrame(2)->geometry(), w.tabFrame(0)->geometry());
    w.defaultMode();
    QCOMPARE(w.height(), twips.height(6900));
    if (w.logicalDpiY() == 96)
        QCOMPARE(w.height(), 460);
    QVERIFY(w.optionTabs(0)->isChecked());
    QVERIFY(!w.optionTabs(0)->isEnabled());
    QVERIFY(!w.tabFrame(0)->isHidden());
    for (int i = 1; i < 5; ++i) {
        QVERIFY2(w.optionTabs(i)->isHidden(), qPrintable(QString::number(i)));
        QVERIFY(w.tabFrame(i)->isHidden());
    }
    QVERIFY(globalFrame->isHidden());
    QCOMPARE(chkFrame->y(), w.rememberedGlobalFrameTop());
    QVERIFY(findControl<QRadioButton>(w, "OptionUdir", 2)->isHidden());
    QVERIFY(w.chkMain(6)->isHidden());
    for (int i = 2; i <= 7; ++i)
        QVERIFY(w.auxButton(i)->isHidden());
    QVERIFY(!w.auxButton(0)->isHidden());
    QVERIFY(!findControl<QWidget>(w, "StartFrame")->isHidden());
    QVERIFY(!findControl<QWidget>(w, "SkillFrame")->isHidden());
    // Everything that stays visible still fits inside the smaller window.
    for (QWidget* child : w.findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (child->isVisible() && child->width() > 0 && !name.isEmpty() &&
            !name.startsWith(QLatin1String("qt_")))
            QVERIFY2(w.rect().contains(QRect(child->mapTo(&w, QPoint()), child->size())),
                     qPrintable(child->objectName()));
    }

    w.advancedMode();
    QCOMPARE(w.height(), twips.height(7710));
    QVERIFY(w.optionTabs(0)->isEnabled());
    for (int i = 1; i < 5; ++i)
        QVERIFY(!w.optionTabs(i)->isHidden());
    QVERIFY(!globalFrame->isHidden());
    QCOMPARE(chkFrame->y(), w.rememberedChkFrameTop());
    QCOMPARE(globalFrame->y(), w.rememberedGlobalFrameTop());
    QVERIFY(!findControl<QRadioButton>(w, "OptionUdir", 2)->isHidden());
    QVERIFY(!w.chkMain(6)->isHidden());
    for (int i : {4, 5, 6})
        QVERIFY(!w.auxButton(i)->isHidden());
    QVERIFY(w.auxButton(2)->isHidden()); // "Shortcut creation" is off
    QVERIFY(findControl<QWidget>(w, "StartFrame")->isHidden());
    QVERIFY(findControl<QWidget>(w, "SkillFrame")->isHidden());
}

// Every caption, list and box gets at least the room it asks for, on every tab, in both
// layouts, with every optional control shown.
void TestMainWindow::nothingIsSqueezed()
{
    MainWindow& w = *m_window;
    w.globalOptions().imageDGMouseDown(2);
    w.globalOptions().imageDGMouseDown(3);
    findControl<QCheckBox>(w, "chkLaunchPrefs", 2)->setChecked(true);
    w.auxButton(7)->show();
    findControl<QWidget>(w, "WineImage")->show();
    findControl<QWidget>(w, "ImageCM")->show();
    w.adjustTabFrames();
    auto checkTab = [&w](const QString& where) {
        QApplication::processEvents();
        for (QWidget* child : w.findChildren<QWidget*>()) {
            const QString name = child->objectName();
            if (!child->isVisible() || name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
                name == QLatin1String("FileOutput"))
                continue;
            // Pictures, lists and controls given a fixed size are drawn to fit their room.
            auto* label = qobject_cast<QLabel*>(child);
            if ((label && label->hasScaledContents()) ||
                qobject_cast<QAbstractScrollArea*>(child) ||
                child->minimumSize() == child->maximumSize())
                continue;
            const QSize wanted = child->minimumSizeHint();
            QVERIFY2(child->width() >= wanted.width() && child->height() >= wanted.height(),
                     qPrintable(QStringLiteral("%1: %2 is %3x%4, needs %5x%6")
                                    .arg(where, name)
                                    .arg(child->width())
                                    .arg(child->height())
                                    .arg(wanted.width())
                                    .arg(wanted.height())));
            QVERIFY2(w.rect().contains(QRect(child->mapTo(&w, QPoint()), child->size())),
                     qPrintable(where + ": " + name + " lies outside the window"));
        }
    };
    for (int panel : {1, 2}) {
        m_settings.lowerPanelMode = panel;
        w.selectStartupOptions();
        for (int tab = 0; tab < MainWindow::kTabCount; ++tab) {
            w.optionTabsClick(tab);
            checkTab(QStringLiteral("advanced, tab %1, panel %2").arg(tab).arg(panel));
        }
    }
    w.defaultMode();
    checkTab(QStringLiteral("default"));
}

// Every control of the window is drawn at its compact size, the bold captions included (its
// menus are windows of their own, at the desktop's size).
void TestMainWindow::captionsShareTheCompactSize()
{
    MainWindow& w = *m_window;
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (child->isWindow())
            continue;
        QVERIFY2(child->font().pointSize() == 8,
                 qPrintable(child->objectName() + " is drawn at " +
                            QString::number(child->font().pointSize()) + " points"));
    }
    QVERIFY(findControl<QPushButton>(w, "LaunchButton")->font().bold());
    for (int i = 0; i < 4; ++i)
        QVERIFY(findControl<QLabel>(w, "Auto", i)->font().bold());
    QVERIFY(!findControl<QLabel>(w, "TitlePic")->font().bold());
}

void TestMainWindow::advancedOptionsBoxSwitchesLayouts()
{
    MainWindow& w = *m_window;
    findControl<QCheckBox>(w, "chkLaunchPrefs", 2)->setChecked(true);
    w.defaultMode();
    QVERIFY(w.auxButton(2)->isHidden());

    w.chkMain(2)->click();
    QVERIFY(m_settings.advancedOptions);
    QCOMPARE(w.height(), w.twips().height(7710));
    QVERIFY(!w.auxButton(2)->isHidden());

    w.chkMain(2)->click();
    QVERIFY(!m_settings.advancedOptions);
    QCOMPARE(w.height(), w.twips().height(6900));
    QVERIFY(w.optionTabs(1)->isHidden());
}

void TestMainWindow::defaultModeTurnsZipLibraryIntoDoomGames()
{
    MainWindow& w = *m_window;
    QList<int> views;
    connect(&w, &MainWindow::gamesListViewChosen, [&views](int view) { views << view; });
    findControl<QRadioButton>(w, "OptionUdir", 2)->setChecked(true);
    QCOMPARE(m_settings.gamesListView, 2);

    w.defaultMode();
    QVERIFY(findControl<QRadioButton>(w, "OptionUdir", 1)->isChecked());
    QVERIFY(!findControl<QRadioButton>(w, "OptionUdir", 2)->isChecked());
    QCOMPARE(m_settings.gamesListView, 1);
    QCOMPARE(views, QList<int>({2, 1}));

    // Another view is left as it is.
    w.advancedMode();
    findControl<QRadioButton>(w, "OptionUdir", 0)->setChecked(true);
    w.defaultMode();
    QVERIFY(findControl<QRadioButton>(w, "OptionUdir", 0)->isChecked());
}

void TestMainWindow::tabClick_data()
{
    const DataTable<int, QString> row("tab", "refresh");
    row("games", 0, QString());
    row("options", 1, "hires");
    row("graphics", 2, "hires");
    row("sound", 3, "sound");
    row("models", 4, "models");
}

void TestMainWindow::tabClick()
{
    QFETCH(int, tab);
    QFETCH(QString, refresh);
    MainWindow& w = *m_window;
    QStringList calls;
    connect(&w, &MainWindow::hiResOptionsRefreshDue, [&calls] { calls << "hires"; });
    connect(&w, &MainWindow::soundPackOptionRefreshDue, [&calls] { calls << "sound"; });
    connect(&w, &MainWindow::modelOptionsRefreshDue, [&calls] { calls << "models"; });
    w.chkMain(1)->hide();

    w.optionTabs(tab)->click();

    QCOMPARE(calls, refresh.isEmpty() ? QStringList() : QStringList{refresh});
    QCOMPARE(w.currentTab(), tab);
    const QColor basicDoomText = TextColour::of(w.chkMain(0));
    for (int i = 0; i < MainWindow::kTabCount; ++i) {
        const QColor colour = TextColour::of(w.optionTabs(i));
        QCOMPARE(colour, i == tab ? QColor(192, 0, 0) : basicDoomText);
        QCOMPARE(w.tabFrame(i)->isHidden(), i != tab);
    }
    // Only the Games tab shows "High resolution textures" again.
    QCOMPARE(w.chkMain(1)->isHidden(), tab != 0);
    QCOMPARE(w.focusWidget(), findControl<QWidget>(w, "FileOutput"));
}

void TestMainWindow::gamesTabLaunchRule_data()
{
    const DataTable<int, int, int, QString, bool, bool, bool, bool> row(
        "files", "maps", "view", "selectedFile", "shortcutCreation", "shortcutBefore", "launch",
        "shortcut");
    row("no files", 0, 3, 1, "", true, true, false, false);
    row("no maps", 1, 0, 0, "A.WAD", true, true, false, false);
    row("installed, file selected", 2, 3, 0, "a.txt", true, false, true, true);
    row("installed, nothing selected", 2, 3, 0, "", true, true, true, false);
    row("installed, creation off", 2, 3, 0, "A.WAD", false, true, true, false);
    row("doom, wad", 1, 3, 1, "DOOM2.WAD", true, false, true, true);
    row("doom games, not a wad", 1, 3, 1, "README.TXT", true, true, true, false);
    row("zip, selected, kept on", 2, 3, 2, "Z.WAD", true, true, true, true);
    row("zip, selected, kept off", 2, 3, 2, "Z.WAD", true, false, true, false);
    row("zip, nothing selected", 2, 3, 2, "", true, true, true, false);
}

void TestMainWindow::gamesTabLaunchRule()
{
    const auto [files, maps, view, selectedFile, shortcutCreation, shortcutBefore, launch, shortcut] =
        fetchRow<int, int, int, QString, bool, bool, bool, bool>("files", "maps", "view", "selectedFile", "shortcutCreation", "shortcutBefore", "launch", "shortcut");
    MainWindow& w = *m_window;
    auto* fileList = findControl<QListWidget>(w, "PwadShowlist");
    for (int i = 0; i < files - 1; ++i)
        fileList->addItem(QStringLiteral("OTHER%1.DEH").arg(i));
    if (files > 0) {
        fileList->addItem(selectedFile.isEmpty() ? QStringLiteral("LAST.WAD") : selectedFile);
        if (!selectedFile.isEmpty())
            fileList->item(fileList->count() - 1)->setSelected(true);
    }
    auto* mapList = findControl<QListWidget>(w, "MapList");
    for (int i = 0; i < maps; ++i)
        mapList->addItem(QStringLiteral("MAP0%1").arg(i + 1));
    findControl<QRadioButton>(w, "OptionUdir", view)->setChecked(true);
    findControl<QCheckBox>(w, "chkLaunchPrefs", 2)->setChecked(shortcutCreation);
    w.auxButton(2)->setEnabled(shortcutBefore);
    auto* launchButton = findControl<QPushButton>(w, "LaunchButton");
    launchButton->setEnabled(!launch);
    w.auxButton(8)->show();

    w.optionTabsClick(0);

    QCOMPARE(launchButton->isEnabled(), launch);
    QCOMPARE(w.auxButton(2)->isEnabled(), shortcut);
    QCOMPARE(w.auxButton(8)->isHidden(), launch);
}

void TestMainWindow::settingsTableControlsExist()
{
    for (const SettingLine& line : SettingsTable::lines()) {
        const QString name = QLatin1String(line.control);
        if (name.isEmpty())
            continue;
        const QString where = QStringLiteral("line %1: %2").arg(line.line).arg(name);
        switch (line.binding) {
        case SettingBinding::CheckBox:
            QVERIFY2(m_window->findChild<QCheckBox*>(name), qPrintable(where));
            break;
        case SettingBinding::ComboText:
            QVERIFY2(m_window->findChild<QComboBox*>(name), qPrintable(where));
            QVERIFY2(m_window->findChild<QComboBox*>(name)->isEditable(), qPrintable(where));
            break;
        case SettingBinding::NumberText:
        case SettingBinding::PageNumber:
        case SettingBinding::LineEdit:
            QVERIFY2(m_window->findChild<QLineEdit*>(name), qPrintable(where));
            break;
        case SettingBinding::ListIndex:
            QVERIFY2(m_window->findChild<QComboBox*>(name), qPrintable(where));
            QCOMPARE(m_window->findChild<QComboBox*>(name)->count(), 6);
            break;
        case SettingBinding::OptionGroup:
            QVERIFY2(m_window->findChild<QRadioButton*>(name + "_0"), qPrintable(where));
            QVERIFY2(m_window->findChild<QRadioButton*>(name + "_1"), qPrintable(where));
            break;
        case SettingBinding::PanelButton:
            QVERIFY2(m_window->findChild<QAbstractButton*>(name), qPrintable(where));
            break;
        case SettingBinding::None:
            QFAIL(qPrintable(where + " has a control but no binding"));
        }
    }
    // The focus sink: a visible box of no size.
    QVERIFY(m_window->findChild<QWidget*>("FileOutput"));
    QVERIFY(!m_window->findChild<QWidget*>("FileOutput")->isHidden());
    QCOMPARE(m_window->findChild<QWidget*>("FileOutput")->size(), QSize(0, 0));
}

void TestMainWindow::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const QList<QPair<const char*, const char*>> rows = {
        {"chkMain_0", "Basic Doom mode"},
        {"chkMain_1", "High resolution textures"},
        {"chkMain_2", "Advanced options"},
        {"chkMain_3", "Light"},
        {"chkMain_4", "No objects"},
        {"chkMain_5", "Edit  mode"},
        {"chkMain_6", "No monsters"},
        {"chkSound_0", "Disable sound"},
        {"chkSound_1", "Disable music"},
        {"chkSound_2", " Enable ricochets"},
        {"chkSound_3", "3DSound"},
        {"chkSound_4", "Auto"},
        {"chkSound_5", "Manual"},
        {"chkSound_6", " High resolution sound pack "},
        {"chkSound_7", " Disable weapon switching sounds"},
        {"chkSound_8", "Ignore playlist if custom music detected"},
        {"chkGraphics_0", "Texture compression"},
        {"chkGraphics_1", "Spare"},
        {"chkGraphics_2", "Detail textures"},
        {"chkGraphics_3", "Skyboxes"},
        {"chkGraphics_4", "High resolution patches"},
        {"chkEffects_0", "Dynamic lighting"},
        {"chkEffects_2", "Water splashes"},
        {"chkEffects_3", "Extra FX"},
        {"chkZ3DOpts_0", "Disable mouse"},
        {"chkZ3DOpts_1", "Disable joystick"},
        {"chkZ3DOpts_2", "Water dynamics"},
        {"chkZ3DOpts_3", "Resurrect with fade"},
        {"chkZ3DOpts_4", "Underwater fake glow"},
        {"chkZ3DOpts_5", "Fast monsters"},
        {"chkZ3DOpts_6", "Verbose"},
        {"chkZ3DOpts_7", "Spare"},
        {"chkZ3DOpts_8", "Monster respawn"},
        {"chkZ3DOpts_9", "No same type in-fighting"},
        {"chkZ3DOpts_10", "No lost soul in-fighting"},
        {"chkLaunchPrefs_0", "Remember last map"},
        {"chkLaunchPrefs_1", "Remember last savegame"},
        {"chkLaunchPrefs_2", "Shortcut creation"},
        {"chkLaunchPrefs_3", "Disable tooltip text"},
        {"chkLaunchPrefs_4", "Display wad files only"},
        {"chkLaunchPrefs_5", "Display tip of the day"},
        {"ChkModelOpts_0", "Monsters and player"},
        {"ChkModelOpts_1", "Hud weapons"},
        {"ChkModelOpts_2", "Decorations"},
        {"ChkModelOpts_3", "Force model override"},
        {"ChkModelOpts_4", "Items and weapons"},
        {"ChkModelOpts_5", "All models"},
        {"ChkModelOpts_6", "Splashes"},
        {"ChkModelOpts_7", "Flame models"},
        {"ChkModelOpts_8", "Core effects "},
        {"chkAltModels_1", "Orrinpack weapons MOD"},
        {"chkAltModels_2", "Orrinpack alternative weapons MOD"},
        {"chkAltModels_3", "Pellam and Orrin model replacements"},
        {"chkAltModels_4", "Brannock alternative soldier pack"},
        {"ChkGL", "Grenade Launcher"},
        {"chkTesting", "Development mode"},
        {"OptionTabs_0", "Games"},
        {"OptionTabs_1", "Options"},
        {"OptionTabs_2", "Graphics"},
        {"OptionTabs_3", "Sound"},
        {"OptionTabs_4", "Models"},
        {"OptionUdir_0", "Installed games"},
        {"OptionUdir_1", "Doom games"},
        {"OptionUdir_2", "Zip Libray"},
        {"ExitOption_0", "Normal"},
        {"ExitOption_1", "Minimised"},
        {"ExitOption_2", "Exit"},
        {"butMusic_0", "New"},
        {"butMusic_1", "Open"},
        {"butMusic_2", "Delete"},
        {"butGlobalDefs", "Add"},
        {"butRemoveGlobalDefs", "Remove"},
        {"TexPathFrame", " High Resolution Texture Path "},
        {"PlaylistFrame", " Music Playlists "},
        {"FrameModel_0", " Disable Model Group "},
        {"FrameModel_1", " Model Selection "},
        {"FrameModel_2", " Custom  Definitions "},
        {"CommandLineFrame", " Command Line "},
        {"EditFrame", " Z3D Edit "},
        {"Auto_1", "GAME FILES"},
        {"Auto_3", "SAVEGAMES"},
        {"lblCorpse", "Seconds before corpses fade"},
        {"ResLabel_0", "Make changes in-game via Options"},
    };
    for (const auto& [name, caption] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
}

void TestMainWindow::captions()
{
    const auto [name, caption] = fetchRow<QString, QString>("name", "caption");
    QCOMPARE(captionOf(findControl<QWidget>(*m_window, name)), caption);
}

void TestMainWindow::skillLists()
{
    MainWindow& w = *m_window;
    const QStringList skills{"Start game from New",    "1 - I'm too young to die",
                             "2 - Hey, not too rough", "3 - Hurt me plenty",
                             "4 - Ultra-Violence",     "5 - NIGHTMARE!"};
    for (int list = 0; list < 2; ++list) {
        for (int i = 0; i < skills.size(); ++i)
            QCOMPARE(w.skillsLevel(list)->itemText(i), skills[i]);
    }
    int focusCalls = 0;
    connect(&w, &MainWindow::skillChosen, [&focusCalls] { ++focusCalls; });
    m_settings.lastSkill = 2;

    w.skillsLevel(0)->setCurrentIndex(4);
    QCOMPARE(w.skillsLevel(1)->currentIndex(), 4);
    QCOMPARE(m_settings.lastSkill, 4);
    QCOMPARE(focusCalls, 1);

    w.skillsLevel(1)->setCurrentIndex(0);
    QCOMPARE(w.skillsLevel(0)->currentIndex(), 0);
    QCOMPARE(m_settings.lastSkill, 4); // "Start game from New" is not remembered
    QCOMPARE(focusCalls, 2);
}

// Turning "Remember last map" or "Remember last savegame" off deletes that box's records,
// found in folders of any case, and leaves the rest; turning it on deletes nothing. The row
// names what goes: a folder's entry ends in '/' and goes with its contents.
void TestMainWindow::rememberOffDeletesItsRecords_data()
{
    const DataTable<int, RememberFlag, QStringList> row("box", "flag", "gone");
    row("last map", 0, &LauncherSettings::rememberLastMap,
        {"IWADS/", "Pwads/", "Zips/", "Gwads/mygames.z3dm", "Gwads/OTHER.Z3DM"});
    row("last savegame", 1, &LauncherSettings::rememberLastSavegame, {"Save/"});
}

void TestMainWindow::rememberOffDeletesItsRecords()
{
    const auto [box, flag, gone] = fetchRow<int, RememberFlag, QStringList>("box", "flag", "gone");
    test::InstallTree tree;
    tree.addTextFile("Z3DLaunch/GameInfo/IWADS/doom2.z3dm", {"MAP07"});
    tree.addTextFile("Z3DLaunch/GameInfo/Pwads/castle.z3dm", {"E1M1"});
    tree.addTextFile("Z3DLaunch/GameInfo/Pwads/deep/x.z3dm", {"E1M2"});
    tree.addTextFile("Z3DLaunch/GameInfo/Zips/pack.z3dm", {"MAP01"});
    tree.addTextFile("Z3DLaunch/GameInfo/Gwads/mygames.z3dm", {"a.wad MAP01"});
    tree.addTextFile("Z3DLaunch/GameInfo/Gwads/OTHER.Z3DM", {"b.wad MAP02"});
    tree.addTextFile("Z3DLaunch/GameInfo/Gwads/mygames.z3dg", {"a.wad"});
    tree.addTextFile("Z3DLaunch/GameInfo/Save/doom2.z3ds", {"3"});
    tree.addTextFile("Z3DLaunch/GameInfo/Save/Gwads/mygames/a.z3ds", {"1"});
    const QSet<QString> before = snapshot(tree);
    QSet<QString> left = before;
    left.removeIf([&gone](const QString& entry) {
        return std::any_of(gone.begin(), gone.end(), [&entry](const QString& record) {
            return entry.startsWith("Z3DLaunch/GameInfo/" + record);
        });
    });
    MainWindow& w = *m_window;
    w.setInstallPaths(tree.paths());
    QCheckBox* remember = findControl<QCheckBox>(w, "chkLaunchPrefs", box);

    remember->setChecked(true);
    QVERIFY(m_settings.*flag);
    QCOMPARE(snapshot(tree), before);

    remember->setChecked(false);
    QVERIFY(!(m_settings.*flag));
    QCOMPARE(snapshot(tree), left);

    // With nothing left to delete, turning it off again is quiet.
    remember->setChecked(true);
    remember->setChecked(false);
    QCOMPARE(snapshot(tree), left);
}

void TestMainWindow::recordsLeftAloneWithoutPaths()
{
    // A window that was never told where the installation is deletes nothing anywhere.
    findControl<QCheckBox>(*m_window, "chkLaunchPrefs", 0)->setChecked(true);
    findControl<QCheckBox>(*m_window, "chkLaunchPrefs", 0)->setChecked(false);
    findControl<QCheckBox>(*m_window, "chkLaunchPrefs", 1)->setChecked(true);
    findControl<QCheckBox>(*m_window, "chkLaunchPrefs", 1)->setChecked(false);
    QVERIFY(!m_settings.rememberLastMap);
    QVERIFY(!m_settings.rememberLastSavegame);
}

void TestMainWindow::shortcutButtonFollowsPreferenceImmediately()
{
    MainWindow& w = *m_window;
    QVERIFY(w.auxButton(2)->isHidden());
    findControl<QCheckBox>(w, "chkLaunchPrefs", 2)->click();
    QVERIFY(m_settings.shortcutCreation);
    QVERIFY(w.auxButton(2)->isVisible());
    findControl<QCheckBox>(w, "chkLaunchPrefs", 2)->click();
    QVERIFY(!m_settings.shortcutCreation);
    QVERIFY(!w.auxButton(2)->isVisible());
}

void TestMainWindow::tooltipAndTipPreferences()
{
    MainWindow& w = *m_window;
    QStringList calls;
    connect(&w, &MainWindow::tooltipsDisabledChanged,
            [&calls](bool disabled) { calls << (disabled ? "kill" : "set"); });
    QSignalSpy tips(&w, &MainWindow::tipsDisplayChanged);

    findControl<QCheckBox>(w, "chkLaunchPrefs", 3)->click();
    QVERIFY(m_settings.disableTooltips);
    findControl<QCheckBox>(w, "chkLaunchPrefs", 3)->click();
    QVERIFY(!m_settings.disableTooltips);
    QCOMPARE(calls, QStringList({"kill", "set"}));

    findControl<QCheckBox>(w, "chkLaunchPrefs", 4)->click();
    QVERIFY(m_settings.wadFilesOnly);

    findControl<QCheckBox>(w, "chkLaunchPrefs", 5)->setChecked(true);
    findControl<QCheckBox>(w, "chkLaunchPrefs", 5)->click();
    QVERIFY(!m_settings.showTips);
    QCOMPARE(tips.size(), 2);
    QCOMPARE(tips.last().first().toBool(), false);
}

void TestMainWindow::enterLaunchesOnlyWhenLaunchEnabled()
{
    MainWindow& w = *m_window;
    QSignalSpy launches(&w, &MainWindow::launchRequested);
    auto* launchButton = findControl<QPushButton>(w, "LaunchButton");
    auto* commandLine = findControl<QLineEdit>(w, "edCustom");

    launchButton->setEnabled(false);
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::keyClick(commandLine, Qt::Key_Enter);
    QCOMPARE(launches.size(), 0);

    launchButton->setEnabled(true);
    QTest::keyClick(commandLine, Qt::Key_Return);
    QCOMPARE(launches.size(), 1); // once, though the box passes the key on to its frames
    QTest::keyClick(findControl<QWidget>(w, "cbChannels"), Qt::Key_Return);
    QCOMPARE(launches.size(), 2);
    QTest::keyClick(&w, Qt::Key_A);
    QCOMPARE(launches.size(), 2);
    launchButton->click();
    QCOMPARE(launches.size(), 3);
}

void TestMainWindow::upDownSwallowedWhileSelecting()
{
    MainWindow& w = *m_window;
    auto* games = findControl<QListWidget>(w, "PwadList");
    games->addItems({"ALPHA", "BRAVO", "CHARLIE"});
    games->setCurrentRow(1);

    w.setGamesListSelecting(true);
    QTest::keyClick(games, Qt::Key_Down);
    QTest::keyClick(games, Qt::Key_Up);
    QCOMPARE(games->currentRow(), 1);

    w.setGamesListSelecting(false);
    QTest::keyClick(games, Qt::Key_Down);
    QCOMPARE(games->currentRow(), 2);
}

void TestMainWindow::hiddenAffordances()
{
    MainWindow& w = *m_window;
    auto* development = findControl<QCheckBox>(w, "chkTesting");
    QVERIFY(development->isHidden());
    QVERIFY(w.exitOption(0)->isHidden());

    QTest::mousePress(w.imageDG(2), Qt::LeftButton);
    QVERIFY(!development->isHidden());
    development->setChecked(true);
    m_settings.developmentMode = true;
    w.globalOptions().imageDGMouseDown(2);
    QVERIFY(development->isHidden());
    QVERIFY(!development->isChecked());
    QVERIFY(!m_settings.developmentMode);

    QTest::mousePress(w.imageDG(3), Qt::LeftButton);
    QVERIFY(!w.exitOption(0)->isHidden());
    w.globalOptions().imageDGMouseDown(3);
    QVERIFY(w.exitOption(0)->isHidden());
}

void TestMainWindow::picturesOnceShown()
{
    QVERIFY(!findControl<QLabel>(*m_window, "TitlePic")->pixmap().isNull());

    // A theme's title picture given before the window appears stays when it appears.
    QTemporaryDir dir;
    QImage theme(150, 48, QImage::Format_RGB32);
    theme.fill(Qt::red);
    const QString themePath = dir.filePath("default.png");
    QVERIFY(theme.save(themePath));
    LauncherSettings settings;
    MainWindow w(settings);
    w.showTitlePicture(themePath);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(findControl<QLabel>(w, "TitlePic")->pixmap().toImage().pixel(0, 0), qRgb(255, 0, 0));

    w.showWineMarker();
    QVERIFY(!findControl<QLabel>(w, "WineImage")->pixmap().isNull());
    // A command button has its picture once shown, a hidden one when it is offered.
    auto* zipLocation = findControl<QToolButton>(w, "AuxButton_7");
    QVERIFY(!findControl<QToolButton>(w, "AuxButton_0")->icon().isNull());
    QVERIFY(zipLocation->isHidden());
    w.shell().offerZipLibraryLocation(true);
    QVERIFY(!zipLocation->icon().isNull());
    auto* home = findControl<QLabel>(w, "Home_0");
    const QImage normal = home->pixmap().toImage();
    QVERIFY(!normal.isNull());
    QTest::mousePress(home, Qt::LeftButton);
    QVERIFY(!home->pixmap().isNull());
    QVERIFY(home->pixmap().toImage() != normal);
    QTest::mouseRelease(home, Qt::LeftButton);
    QCOMPARE(home->pixmap().toImage(), normal);
}

void TestMainWindow::namedControlsFindWhatFindChildFinds()
{
    // The settings and tooltip tables look their controls up through the index.
    const MainWindow& w = *m_window;
    const NamedControls controls(w);
    QSet<QString> names;
    for (const QWidget* child : w.findChildren<QWidget*>())
        names.insert(child->objectName());
    names.remove(QString());
    QVERIFY(names.size() > 100);
    for (const QString& name : std::as_const(names))
        QCOMPARE(controls.find<QWidget>(name), w.findChild<QWidget*>(name));
    QCOMPARE(controls.find<QCheckBox>("LaunchButton"), nullptr);
    QCOMPARE(controls.find<QWidget>("NoSuchControl"), nullptr);
}

void TestMainWindow::lowerPanelToggle()
{
    MainWindow& w = *m_window;
    auto* commandLine = findControl<QWidget>(w, "CommandLineFrame");
    auto* edit = findControl<QWidget>(w, "EditFrame");
    m_settings.lowerPanelMode = 1;
    w.selectStartupOptions();
    QVERIFY(!commandLine->isHidden());
    QVERIFY(edit->isHidden());

    findControl<QAbstractButton>(w, "SelButton")->click();
    QCOMPARE(m_settings.lowerPanelMode, 2);
    QVERIFY(commandLine->isHidden());
    QVERIFY(!edit->isHidden());
    w.selButtonClick();
    QCOMPARE(m_settings.lowerPanelMode, 1);
    QVERIFY(!commandLine->isHidden());

    w.setWineMode(true);
    auto* wineMarker = findControl<QWidget>(w, "WineImage");
    wineMarker->show();
    w.chkMain(5)->setChecked(true);
    QVERIFY(wineMarker->isHidden());
    w.chkMain(5)->setChecked(false);
    QVERIFY(!wineMarker->isHidden());
    m_settings.lowerPanelMode = 2;
    w.selectStartupOptions();
    QVERIFY(!commandLine->isHidden());
    QVERIFY(edit->isHidden());
    w.selButtonClick();
    QCOMPARE(m_settings.lowerPanelMode, 1);
    QVERIFY(edit->isHidden());
}

void TestMainWindow::optionsStoreTheirIndex()
{
    MainWindow& w = *m_window;
    findControl<QRadioButton>(w, "SkyOpt", 1)->click();
    QCOMPARE(m_settings.skyboxStyle, 1);
    findControl<QRadioButton>(w, "SkyOpt", 0)->click();
    QCOMPARE(m_settings.skyboxStyle, 0);
    w.exitOption(2)->click();
    QCOMPARE(m_settings.afterLaunchOption, 2);
    w.exitOption(1)->click();
    QCOMPARE(m_settings.afterLaunchOption, 1);
    findControl<QRadioButton>(w, "OptionUdir", 0)->click();
    QCOMPARE(m_settings.gamesListView, 0);
    QVERIFY(!w.exitOption(2)->isChecked()); // each array is its own group
}

void TestMainWindow::changeFlagsFollowThePlayer()
{
    MainWindow& w = *m_window;
    int basicDoomCalls = 0;
    connect(&w, &MainWindow::basicDoomChanged, [&basicDoomCalls] { ++basicDoomCalls; });

    // Values put into the boxes by code are not changes of the player's.
    findControl<QCheckBox>(w, "chkSound", 2)->setChecked(false);
    findControl<QCheckBox>(w, "chkZ3DOpts", 4)->setChecked(true);
    QVERIFY(!w.changeFlags().ricochetChanged);
    QVERIFY(!w.changeFlags().fakeGlowChanged);

    m_settings.ricochets = true;
    findControl<QCheckBox>(w, "chkSound", 2)->setChecked(true);
    findControl<QCheckBox>(w, "chkSound", 2)->click();
    QVERIFY(!m_settings.ricochets);
    QVERIFY(w.changeFlags().ricochetChanged);

    findControl<QCheckBox>(w, "chkZ3DOpts", 4)->click();
    QVERIFY(w.changeFlags().fakeGlowChanged);

    w.chkMain(0)->click();
    w.chkMain(0)->setChecked(false);
    QCOMPARE(basicDoomCalls, 2);
}

Z3D_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
