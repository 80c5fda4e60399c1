#include "core/settings/LauncherSettings.h"
#include "core/settings/SettingsTable.h"
#include "gui/mainwindow.h"
#include "gui/SettingsBinder.h"
#include "gui/tabs/TextColour.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/TestRegistry.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <utility>

using namespace z3d;
using namespace z3d::test;

namespace {

// Every field a control shows, set away from its default (flags inverted), with the copies
// of the doubled boxes agreeing with their main field.
LauncherSettings changedSettings()
{
    LauncherSettings s;
    for (const SettingLine& line : SettingsTable::lines()) {
        if (line.kind == SettingKind::Flag && *line.control)
            line.setFlag(s, !line.flagValue(s));
    }
    s.detailTexturesCopy = s.detailTextures;
    s.fastMonstersCopy = s.fastMonsters;
    s.monsterRespawnCopy = s.monsterRespawn;
    s.soundChannels = 48;
    s.corpseFadeSeconds = 5;
    s.ricochetValue = 7;
    s.grenadeTimeout = 3;
    s.lightValue = 128;
    s.skill = 3;
    s.skyboxStyle = 1;
    s.afterLaunchOption = 2;
    s.gamesListView = 2;
    s.extraCommandLine = QStringLiteral("-nosfx \"+set x 1\"");
    return s;
}

} // namespace

class TestSettingsBinder : public QObject, private WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void applyShowsEveryField();
    void eachBoxShowsItsOwnField();
    void roundTrip();
    void firstOptionsGatherAsZero();
    void doubledBoxesFeedBothFields();
    void ricochetsGatheredFromTheField();
    void numberBoxes_data();
    void numberBoxes();
    void lightValueAbove255Shows200_data();
    void lightValueAbove255Shows200();
    void badIndexReported_data();
    void badIndexReported();
    void applyOrderLetsLaterBoxesWin();
    void zeroValuesShowTheirCaptions();
};

void TestSettingsBinder::init()
{
    makeWindow();
}

void TestSettingsBinder::cleanup()
{
    dropWindow();
}

void TestSettingsBinder::applyShowsEveryField()
{
    m_settings = changedSettings();
    QVERIFY(m_window->applySettings(m_settings));
    MainWindow& w = *m_window;
    QCOMPARE(findControl<QComboBox>(w, "cbChannels")->currentText(), QString("48"));
    QCOMPARE(findControl<QLineEdit>(w, "Corpse")->text(), QString("5"));
    QCOMPARE(findControl<QLineEdit>(w, "Ricotext")->text(), QString("7"));
    QCOMPARE(findControl<QLineEdit>(w, "Timeout")->text(), QString("3"));
    QCOMPARE(findControl<QLineEdit>(w, "LightText")->text(), QString("128"));
    QCOMPARE(findControl<QLineEdit>(w, "edCustom")->text(), QString("-nosfx \"+set x 1\""));
    QCOMPARE(w.skillsLevel(1)->currentIndex(), 3);
    QCOMPARE(w.skillsLevel(0)->currentIndex(), 3);
    QVERIFY(findControl<QRadioButton>(w, "SkyOpt", 1)->isChecked());
    QVERIFY(w.exitOption(2)->isChecked());
    QVERIFY(findControl<QRadioButton>(w, "OptionUdir", 2)->isChecked());
    for (const SettingLine& line : SettingsTable::lines()) {
        if (line.binding != SettingBinding::CheckBox)
            continue;
        QCOMPARE(findControl<QCheckBox>(w, QLatin1String(line.control))->isChecked(),
                 line.flagValue(m_settings));
    }
}

// Each box and the field it shows, written out here rather than taken from the settings table
// the binder reads, so that two boxes swapped in that table fail here. The doubled boxes, which
// show two fields, are doubledBoxesFeedBothFields' own.
void TestSettingsBinder::eachBoxShowsItsOwnField()
{
    using LS = LauncherSettings;
    // The boxes of each array by index; nullptr where the index is no box, or a doubled one.
    const QList<std::pair<const char*, QList<bool LS::*>>> arrays = {
        {"ChkModelOpts", {&LS::modelOptMonstersPlayer, &LS::modelOptHudWeapons,
                          &LS::modelOptDecorations, &LS::modelOptForceOverride,
                          &LS::modelOptItemsWeapons, &LS::modelOptAllModels, &LS::modelOptSplashes,
                          &LS::modelOptFlameModels, &LS::modelOptCoreEffects}},
        {"chkAltModels", {nullptr, &LS::orrinWeapons, &LS::orrinAltWeapons, &LS::pellamOrrinModels,
                          &LS::brannockSoldiers}},
        {"chkEffects", {&LS::dynamicLighting, nullptr, &LS::waterSplashes, &LS::extraFx}},
        {"chkGraphics", {&LS::textureCompression, &LS::spareGraphics, nullptr, &LS::skyboxes,
                         &LS::hiResPatches}},
        {"chkLaunchPrefs", {&LS::rememberLastMap, &LS::rememberLastSavegame, &LS::shortcutCreation,
                            &LS::disableTooltips, &LS::wadFilesOnly, &LS::showTips}},
        {"chkMain", {&LS::basicDoomMode, &LS::hiResTextures, &LS::advancedOptions, &LS::editLight,
                     &LS::editNoObjects, &LS::editMode}},
        {"chkSound", {&LS::disableSound, &LS::disableMusic, &LS::ricochets, &LS::threeDSound,
                      &LS::autoPlaylist, &LS::manualPlaylist, &LS::hiResSoundPack,
                      &LS::disableWeaponSwitchSounds}},
        {"chkZ3DOpts", {&LS::disableMouse, &LS::disableJoystick, &LS::waterDynamics,
                        &LS::resurrectWithFade, &LS::underwaterFakeGlow, nullptr, &LS::verbose,
                        &LS::spareOption, nullptr, &LS::noSameTypeInfighting,
                        &LS::noLostSoulInfighting}},
    };
    QList<std::pair<QCheckBox*, bool LS::*>> boxes{
        {findControl<QCheckBox>(*m_window, "ChkGL"), &LS::grenadeLauncher},
        {findControl<QCheckBox>(*m_window, "chkTesting"), &LS::developmentMode}};
    for (const auto& [name, fields] : arrays) {
        for (int i = 0; i < fields.size(); ++i) {
            if (fields[i])
                boxes.append({findControl<QCheckBox>(*m_window, name, i), fields[i]});
        }
    }
    for (const auto& [box, field] : boxes) {
        QVERIFY(box);
        m_settings = LauncherSettings();
        m_settings.*field = !(m_settings.*field);
        QVERIFY(m_window->applySettings(m_settings));
        QVERIFY2(box->isChecked() == m_settings.*field, qPrintable(box->objectName()));
    }
}

void TestSettingsBinder::roundTrip()
{
    const LauncherSettings expected = changedSettings();
    m_settings = expected;
    QVERIFY(m_window->applySettings(m_settings));

    // Put other values into every field a control feeds, then read the controls back.
    for (const SettingLine& line : SettingsTable::lines()) {
        if (!*line.control || line.binding == SettingBinding::OptionGroup ||
            line.binding == SettingBinding::PanelButton || line.line == 23)
            continue;
        switch (line.kind) {
        case SettingKind::Flag:
            line.setFlag(m_settings, !line.flagValue(m_settings));
            break;
        case SettingKind::Text:
            line.setText(m_settings, QStringLiteral("scrambled"));
            break;
        default:
            line.setNumber(m_settings, 99);
            break;
        }
    }
    m_window->gatherSettings(m_settings);

    LauncherSettings readBack = m_settings;
    // Choosing skill 3 in the lists also made it the remembered skill.
    QCOMPARE(readBack.lastSkill, 3);
    readBack.lastSkill = expected.lastSkill;
    for (const SettingLine& line : SettingsTable::lines()) {
        const QString where = QStringLiteral("line %1 %2").arg(line.line).arg(line.field);
        switch (line.kind) {
        case SettingKind::Flag:
            QVERIFY2(line.flagValue(readBack) == line.flagValue(expected), qPrintable(where));
            break;
        case SettingKind::Text:
            QVERIFY2(line.textValue(readBack) == line.textValue(expected), qPrintable(where));
            break;
        default:
            QVERIFY2(line.numberValue(readBack) == line.numberValue(expected), qPrintable(where));
            break;
        }
    }
    QVERIFY(readBack == expected);
}

void TestSettingsBinder::firstOptionsGatherAsZero()
{
    m_settings.skyboxStyle = 1;
    m_settings.afterLaunchOption = 2;
    m_settings.gamesListView = 2;
    QVERIFY(m_window->applySettings(m_settings));
    findControl<QRadioButton>(*m_window, "SkyOpt", 0)->setChecked(true);
    m_window->exitOption(0)->setChecked(true);
    findControl<QRadioButton>(*m_window, "OptionUdir", 0)->setChecked(true);
    m_settings.skyboxStyle = 1;
    m_settings.afterLaunchOption = 2;
    m_settings.gamesListView = 2;

    m_window->gatherSettings(m_settings);
    QCOMPARE(m_settings.skyboxStyle, 0);
    QCOMPARE(m_settings.afterLaunchOption, 0);
    QCOMPARE(m_settings.gamesListView, 0);

    // Any other option's value is the one its click stored.
    m_window->exitOption(1)->click();
    m_settings.afterLaunchOption = 2;
    m_window->gatherSettings(m_settings);
    QCOMPARE(m_settings.afterLaunchOption, 2);
}

void TestSettingsBinder::doubledBoxesFeedBothFields()
{
    m_settings.detailTexturesCopy = false;
    m_settings.detailTextures = true;
    m_settings.fastMonstersCopy = true;
    m_settings.fastMonsters = false;
    m_settings.monsterRespawn = true;
    m_settings.monsterRespawnCopy = false;
    QVERIFY(m_window->applySettings(m_settings));
    // The box shows its main field.
    QVERIFY(findControl<QCheckBox>(*m_window, "chkGraphics", 2)->isChecked());
    QVERIFY(!findControl<QCheckBox>(*m_window, "chkZ3DOpts", 5)->isChecked());
    QVERIFY(findControl<QCheckBox>(*m_window, "chkZ3DOpts", 8)->isChecked());

    m_window->gatherSettings(m_settings);
    QVERIFY(m_settings.detailTexturesCopy && m_settings.detailTextures);
    QVERIFY(!m_settings.fastMonstersCopy && !m_settings.fastMonsters);
    QVERIFY(m_settings.monsterRespawn && m_settings.monsterRespawnCopy);

    m_window->chkMain(6)->setChecked(true);
    m_window->gatherSettings(m_settings);
    QVERIFY(m_settings.noMonsters);
}

void TestSettingsBinder::ricochetsGatheredFromTheField()
{
    QVERIFY(m_window->applySettings(m_settings));
    QVERIFY(findControl<QCheckBox>(*m_window, "chkSound", 2)->isChecked());
    findControl<QCheckBox>(*m_window, "chkSound", 2)
        ->setChecked(false); // not a click: the field stays on
    m_window->gatherSettings(m_settings);
    QVERIFY(m_settings.ricochets);
    QVERIFY(findControl<QCheckBox>(*m_window, "chkSound", 2)->isChecked());

    findControl<QCheckBox>(*m_window, "chkSound", 2)->click();
    m_window->gatherSettings(m_settings);
    QVERIFY(!m_settings.ricochets);
    QVERIFY(!findControl<QCheckBox>(*m_window, "chkSound", 2)->isChecked());
}

void TestSettingsBinder::numberBoxes_data()
{
    const DataTable<QString, QString, int> row("box", "text", "value");
    row("empty light", "LightText", "", 0);
    row("blank light", "LightText", "  ", 0);
    row("light", "LightText", "17", 17);
    row("channels typed", "cbChannels", "64", 64);
    row("channels not a number", "cbChannels", "lots", 0);
    row("channels beyond 16 bits", "cbChannels", "99999999", 32767);
    row("channels with fraction", "cbChannels", "24.9", 24);
}

void TestSettingsBinder::numberBoxes()
{
    const auto [box, text, value] = fetchRow<QString, QString, int>("box", "text", "value");
    if (auto* combo = m_window->findChild<QComboBox*>(box))
        combo->setCurrentText(text);
    else
        findControl<QLineEdit>(*m_window, box)->setText(text);
    m_window->gatherSettings(m_settings);
    const SettingLine* line = SettingsTable::linesForControl(box).value(0);
    QVERIFY(line);
    QCOMPARE(line->numberValue(m_settings), value);
}

void TestSettingsBinder::lightValueAbove255Shows200_data()
{
    const DataTable<int, int> row("stored", "shown");
    row("300", 300, 200);
    row("256", 256, 200);
    row("255", 255, 255);
    row("0", 0, 0);
}

void TestSettingsBinder::lightValueAbove255Shows200()
{
    const auto [stored, shown] = fetchRow<int, int>("stored", "shown");
    m_settings.lightValue = stored;
    QVERIFY(m_window->applySettings(m_settings));
    QCOMPARE(findControl<QLineEdit>(*m_window, "LightText")->text(), QString::number(shown));
    QCOMPARE(m_settings.lightValue, shown);
}

void TestSettingsBinder::badIndexReported_data()
{
    const DataTable<int, int, bool> row("line", "value", "applied");
    row("skill 5", 59, 5, true);
    row("skill 6", 59, 6, false);
    row("skill -1", 59, -1, false);
    row("after launch 0", 60, 0, true);
    row("after launch 3", 60, 3, false);
    row("games list 2", 65, 2, true);
    row("games list 3", 65, 3, false);
    row("games list -1", 65, -1, false);
    row("sky 2", 40, 2, false);
}

void TestSettingsBinder::badIndexReported()
{
    const auto [line, value, applied] = fetchRow<int, int, bool>("line", "value", "applied");
    SettingsTable::line(line)->setNumber(m_settings, value);
    m_settings.extraCommandLine = QStringLiteral("-last");
    QCOMPARE(m_window->applySettings(m_settings), applied);
    // The box set last is reached only when nothing failed before it.
    QCOMPARE(findControl<QLineEdit>(*m_window, "edCustom")->text() == "-last", applied);
}

void TestSettingsBinder::applyOrderLetsLaterBoxesWin()
{
    // As at a start in advanced mode: the "Advanced options" box lays the window out before
    // the launcher preferences are set, and "Shortcut creation" then shows its button.
    m_settings.advancedOptions = true;
    m_settings.shortcutCreation = true;
    m_window->auxButton(2)->hide();
    QVERIFY(m_window->applySettings(m_settings));
    QVERIFY(!m_window->auxButton(2)->isHidden());
    QCOMPARE(m_window->height(), m_window->twips().height(MainWindow::kFullHeightTwips));
}

void TestSettingsBinder::zeroValuesShowTheirCaptions()
{
    m_settings.corpseFadeSeconds = 0;
    m_settings.grenadeTimeout = 0;
    QVERIFY(m_window->applySettings(m_settings));
    QCOMPARE(findControl<QLabel>(*m_window, "lblCorpse")->text(), QString("No corpse fade"));
    QCOMPARE(TextColour::of(findControl<QLineEdit>(*m_window, "Corpse")), QColor(192, 0, 0));
    QCOMPARE(findControl<QCheckBox>(*m_window, "ChkGL")->text(), QString("Pipebomb Launcher"));

    m_settings.corpseFadeSeconds = 4;
    m_settings.grenadeTimeout = 1;
    QVERIFY(m_window->applySettings(m_settings));
    QCOMPARE(findControl<QLabel>(*m_window, "lblCorpse")->text(),
             QString("Seconds before corpses fade"));
    QVERIFY(TextColour::of(findControl<QLineEdit>(*m_window, "Corpse")) != QColor(192, 0, 0));
    QCOMPARE(findControl<QCheckBox>(*m_window, "ChkGL")->text(), QString("Grenade Launcher"));
}

Z3D_TEST_MAIN(TestSettingsBinder)
#include "tst_settingsbinder.moc"
