#include "core/platform/FaultInjector.h"
#include "core/settings/LauncherSettings.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsTable.h"

#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace z3d;
using namespace z3d::test;

Q_DECLARE_METATYPE(SettingsReadOutcome)
Q_DECLARE_METATYPE(SettingsVersion)

namespace {

// 1024 x 768 pixels at 15 twips per pixel.
constexpr int kScreenWidth = 15360;
constexpr int kScreenHeight = 11520;

// config.z3d as written with every default on a 1024 x 768 screen, line by line.
const QByteArray kDefaultFile = "v7.5\r\n"    // 1 versionText
                                " 2 \r\n"     // 2 lastSkill
                                " 0 \r\n"     // 3 titlePictureIndex
                                " 0 \r\n"     // 4 tipNumber
                                " 32 \r\n"    // 5 soundChannels
                                " 1 \r\n"     // 6 hiResPatches
                                " 0 \r\n"     // 7 orrinAltWeapons
                                " 0 \r\n"     // 8 modelOptCoreEffects
                                " 0 \r\n"     // 9 orrinWeapons
                                " 0 \r\n"     // 10 modelOptAllModels
                                " 0 \r\n"     // 11 modelOptMonstersPlayer
                                " 1 \r\n"     // 12 modelOptForceOverride
                                " 0 \r\n"     // 13 modelOptHudWeapons
                                " 0 \r\n"     // 14 modelOptDecorations
                                " 0 \r\n"     // 15 modelOptItemsWeapons
                                " 0 \r\n"     // 16 modelOptSplashes
                                " 0 \r\n"     // 17 modelOptFlameModels
                                " 0 \r\n"     // 18 grenadeLauncher
                                " 0 \r\n"     // 19 developmentMode
                                " 0 \r\n"     // 20 fastMonstersCopy
                                " 0 \r\n"     // 21 disableSound
                                " 0 \r\n"     // 22 disableMusic
                                " 1 \r\n"     // 23 ricochets
                                " 0 \r\n"     // 24 disableMouse
                                " 0 \r\n"     // 25 monsterRespawn
                                " 0 \r\n"     // 26 noSameTypeInfighting
                                " 0 \r\n"     // 27 noLostSoulInfighting
                                " 200 \r\n"   // 28 lightValue
                                "\r\n"        // 29 extraCommandLine
                                " 0 \r\n"     // 30 spareGraphics
                                " 1 \r\n"     // 31 rememberLastMap
                                " 0 \r\n"     // 32 rememberLastSavegame
                                " 1 \r\n"     // 33 pellamOrrinModels
                                " 0 \r\n"     // 34 brannockSoldiers
                                " 1 \r\n"     // 35 hiResTextures
                                " 0 \r\n"     // 36 noMonsters
                                " 1 \r\n"     // 37 textureCompression
                                " 0 \r\n"     // 38 verbose
                                " 1 \r\n"     // 39 skyboxes
                                " 0 \r\n"     // 40 skyboxStyle
                                " 0 \r\n"     // 41 detailTexturesCopy
                                " 0 \r\n"     // 42 waterDynamics
                                " 1 \r\n"     // 43 hiResSoundPack
                                " 0 \r\n"     // 44 autoPlaylist
                                " 1 \r\n"     // 45 ignorePlaylistForCustomMusic
                                " 0 \r\n"     // 46 spareOption
                                " 1 \r\n"     // 47 resurrectWithFade
                                " 0 \r\n"     // 48 detailTextures
                                " 1 \r\n"     // 49 underwaterFakeGlow
                                " 0 \r\n"     // 50 fastMonsters
                                " 0 \r\n"     // 51 basicDoomMode
                                " 0 \r\n"     // 52 noMonsters
                                " 0 \r\n"     // 53 advancedOptions
                                " 0 \r\n"     // 54 editMode
                                " 0 \r\n"     // 55 monsterRespawnCopy
                                " 0 \r\n"     // 56 editLight
                                " 0 \r\n"     // 57 editNoObjects
                                " 0 \r\n"     // 58 disableJoystick
                                " 0 \r\n"     // 59 skill
                                " 1 \r\n"     // 60 afterLaunchOption
                                "\r\n"        // 61 lastInstalledGame
                                "\r\n"        // 62 lastDoomGame
                                "\r\n"        // 63 lastZipLibraryEntry
                                "\r\n"        // 64 reservedText1
                                " 1 \r\n"     // 65 gamesListView
                                " 0 \r\n"     // 66 shortcutCreation
                                " 1 \r\n"     // 67 showTips
                                " 0 \r\n"     // 68 wadFilesOnly
                                " 0 \r\n"     // 69 disableTooltips
                                " 1 \r\n"     // 70 dynamicLighting
                                " 0 \r\n"     // 71 extraFx
                                " 0 \r\n"     // 72 manualPlaylist
                                " 0 \r\n"     // 73 disableWeaponSwitchSounds
                                " 0 \r\n"     // 74 reservedNumber
                                " 0 \r\n"     // 75 lastAfterLaunchAction
                                " 1 \r\n"     // 76 lowerPanelMode
                                "\r\n"        // 77 playlistName
                                " 9 \r\n"     // 78 corpseFadeSeconds
                                " 4 \r\n"     // 79 ricochetValue
                                " 2 \r\n"     // 80 grenadeTimeout
                                " 1 \r\n"     // 81 waterSplashes
                                " 1 \r\n"     // 82 threeDSound
                                " 1 \r\n"     // 83 playlistFrameFlag
                                "\r\n"        // 84 reservedText2
                                " 1905 \r\n"  // 85 windowTop: (11520 - 7710) / 2
                                " 2830 \r\n"; // 86 windowLeft: (15360 - 9700) / 2

QList<QByteArray> defaultLines()
{
    QList<QByteArray> lines = kDefaultFile.split('\n');
    lines.removeLast(); // after the final line ending
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

// The default file with some lines replaced (1-based), cut to `keep` lines when positive.
QByteArray defaultFileWith(const QMap<int, QByteArray>& changes, int keep = 0)
{
    QList<QByteArray> lines = defaultLines();
    for (auto it = changes.begin(); it != changes.end(); ++it)
        lines[it.key() - 1] = it.value();
    if (keep > 0)
        lines = lines.mid(0, keep);
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

LauncherSettings centredDefaults()
{
    return LauncherSettings::defaults(kScreenWidth, kScreenHeight);
}

// Fields looked up by name without the table, so a row checks the table's mapping.
int field(const LauncherSettings& s, const QString& name)
{
    const QHash<QString, int> values = {
        {"titlePictureIndex", s.titlePictureIndex},
        {"tipNumber", s.tipNumber},
        {"soundChannels", s.soundChannels},
        {"hiResPatches", s.hiResPatches},
        {"orrinAltWeapons", s.orrinAltWeapons},
        {"verbose", s.verbose},
        {"lightValue", s.lightValue},
        {"noMonsters", s.noMonsters},
        {"skyboxes", s.skyboxes},
        {"skyboxStyle", s.skyboxStyle},
        {"hiResSoundPack", s.hiResSoundPack},
        {"grenadeTimeout", s.grenadeTimeout},
        {"corpseFadeSeconds", s.corpseFadeSeconds},
        {"windowTop", s.windowTop},
        {"windowLeft", s.windowLeft},
        {"afterLaunchOption", s.afterLaunchOption},
    };
    Q_ASSERT(values.contains(name));
    return values.value(name);
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsWrittenByteForByte();
    void wineModeWrites84Lines();
    void centredPosition_data();
    void centredPosition();
    void displayRules();

    void readEdgeCases_data();
    void readEdgeCases();
    void readDefaultFileGivesDefaults();
    void textLinesKeptAsTheyAre();
    void roundTripOfEveryField();
    void eightyFourLinesWithoutWineKeepCentredPosition();
    void wineModeIgnoresStoredPosition();
    void missingFileGivesDefaults();
    void badFiles_data();
    void badFiles();
    void conversionErrorGivesDefaults();

    void lineBreakInTextCannotShiftLines();
    void failedWriteKeepsOldFile();

    void checkVersion_data();
    void checkVersion();

    void tableShape();

private:
    // A fresh folder for each test; m_path is config.z3d in it, not yet written.
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;

    SettingsReadResult readBack(bool wineMode = false) const
    {
        return SettingsFile::read(m_path, wineMode, centredDefaults());
    }
};

void TestSettingsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath("config.z3d");
}

void TestSettingsFile::cleanup()
{
    FaultInjector::clear();
    m_dir.reset();
}

void TestSettingsFile::defaultsWrittenByteForByte()
{
    QCOMPARE(SettingsFile::write(m_path, centredDefaults(), false), ErrorNumber::None);
    QCOMPARE(readBytes(m_path), kDefaultFile);
}

void TestSettingsFile::wineModeWrites84Lines()
{
    QCOMPARE(SettingsFile::write(m_path, centredDefaults(), true), ErrorNumber::None);
    QCOMPARE(readBytes(m_path), defaultFileWith({}, 84));
}

void TestSettingsFile::centredPosition_data()
{
    const DataTable<int, int, int, int> row("screenWidth", "screenHeight", "left", "top");
    row("1024x768", 15360, 11520, 2830, 1905);
    row("1920x1080", 28800, 16200, 9550, 4245);
    row("half rounds up", 15375, 11535, 2838, 1913);
    row("screen smaller than window", 9000, 7000, -350, -355);
}

void TestSettingsFile::centredPosition()
{
    const auto [screenWidth, screenHeight, left, top] =
        fetchRow<int, int, int, int>("screenWidth", "screenHeight", "left", "top");
    const LauncherSettings s = LauncherSettings::defaults(screenWidth, screenHeight);
    QCOMPARE(s.windowLeft, left);
    QCOMPARE(s.windowTop, top);
}

void TestSettingsFile::displayRules()
{
    QCOMPARE(LauncherSettings::lightValueForDisplay(300), 200);
    QCOMPARE(LauncherSettings::lightValueForDisplay(256), 200);
    QCOMPARE(LauncherSettings::lightValueForDisplay(255), 255);
    QCOMPARE(LauncherSettings::lightValueForDisplay(0), 0);
    QCOMPARE(LauncherSettings::clampGrenadeTimeout(9), 7);
    QCOMPARE(LauncherSettings::clampGrenadeTimeout(-3), 0);
    QCOMPARE(LauncherSettings::clampGrenadeTimeout(4), 4);
}

void TestSettingsFile::readEdgeCases_data()
{
    const DataTable<QByteArray, QString, int, SettingsReadOutcome> row("file", "name", "value",
                                                                       "outcome");
    using O = SettingsReadOutcome;
    row("minus one reads as on", defaultFileWith({{7, "-1"}}), "orrinAltWeapons", 1, O::Ok);
    row("five reads as on", defaultFileWith({{38, " 5 "}}), "verbose", 1, O::Ok);
    row("nine tenths reads as off", defaultFileWith({{6, "0.9"}}), "hiResPatches", 0, O::Ok);
    row("light 300 is read as stored", defaultFileWith({{28, " 300 "}}), "lightValue", 300, O::Ok);
    row("grenade timeout 9 becomes 7", defaultFileWith({{80, " 9 "}}), "grenadeTimeout", 7, O::Ok);
    row("grenade timeout -3 becomes 0", defaultFileWith({{80, "-3 "}}), "grenadeTimeout", 0, O::Ok);
    row("no monsters: line 52 wins (off)", defaultFileWith({{36, " 1 "}, {52, " 0 "}}),
        "noMonsters", 0, O::Ok);
    row("no monsters: line 52 wins (on)", defaultFileWith({{36, " 0 "}, {52, " 1 "}}), "noMonsters",
        1, O::Ok);
    row("numbers without blanks", defaultFileWith({{5, "16"}}), "soundChannels", 16, O::Ok);
    row("32-bit tip number", defaultFileWith({{4, " 100000 "}}), "tipNumber", 100000, O::Ok);
    row("negative window left", defaultFileWith({{86, "-120 "}}), "windowLeft", -120, O::Ok);
    row("cut after line 40: line 40", defaultFileWith({{40, " 1 "}}, 40), "skyboxStyle", 1,
        O::StoppedEarly);
    row("cut after line 40: line 39", defaultFileWith({{39, " 0 "}, {40, " 1 "}}, 40), "skyboxes",
        0, O::StoppedEarly);
    row("cut after line 40: default kept", defaultFileWith({{43, " 0 "}}, 40), "hiResSoundPack", 1,
        O::StoppedEarly);
    row("too large stops: earlier line kept", defaultFileWith({{3, " 7 "}, {5, " 40000 "}}),
        "titlePictureIndex", 7, O::StoppedEarly);
    row("too large stops: that line default", defaultFileWith({{5, " 40000 "}}), "soundChannels",
        32, O::StoppedEarly);
    row("too large stops: later lines default", defaultFileWith({{5, " 40000 "}, {28, " 150 "}}),
        "lightValue", 200, O::StoppedEarly);
    row("abc on line 5", defaultFileWith({{3, " 7 "}, {5, "abc"}}), "titlePictureIndex", 0,
        O::ConversionError);
    row("empty number line", defaultFileWith({{60, ""}}), "afterLaunchOption", 1,
        O::ConversionError);
    row("corpse fade 0", defaultFileWith({{78, " 0 "}}), "corpseFadeSeconds", 0, O::Ok);
}

void TestSettingsFile::readEdgeCases()
{
    const auto [file, name, value, outcome] =
        fetchRow<QByteArray, QString, int, SettingsReadOutcome>("file", "name", "value", "outcome");
    QVERIFY(writeBytes(m_path, file));
    const SettingsReadResult r = readBack();
    QCOMPARE(r.outcome, outcome);
    QCOMPARE(field(r.settings, name), value);
    QCOMPARE(r.corpseFadeZero, r.settings.corpseFadeSeconds == 0);
}

void TestSettingsFile::readDefaultFileGivesDefaults()
{
    QVERIFY(writeBytes(m_path, kDefaultFile));
    // Read over other defaults, so every field must come from the file.
    LauncherSettings start = LauncherSettings::defaults(0, 0);
    start.soundChannels = 1;
    start.hiResPatches = false;
    start.playlistFrameFlag = false;
    const SettingsReadResult r = SettingsFile::read(m_path, false, start);
    QCOMPARE(r.outcome, SettingsReadOutcome::Ok);
    QCOMPARE(r.linesRead, 86);
    QVERIFY(r.settings == centredDefaults());
}

void TestSettingsFile::textLinesKeptAsTheyAre()
{
    LauncherSettings s = centredDefaults();
    s.extraCommandLine = "  -file \"a, b.wad\"  ";
    s.lastDoomGame = QString::fromUtf8("DOOM II: Hölle auf Erden");
    s.playlistName = "my list";
    QCOMPARE(SettingsFile::write(m_path, s, false), ErrorNumber::None);
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.at(28), QByteArray("  -file \"a, b.wad\"  \r"));
    QCOMPARE(lines.at(61), QString::fromUtf8("DOOM II: Hölle auf Erden\r").toUtf8());
    const SettingsReadResult r = readBack();
    QCOMPARE(r.settings.extraCommandLine, s.extraCommandLine);
    QCOMPARE(r.settings.lastDoomGame, s.lastDoomGame);
}

void TestSettingsFile::roundTripOfEveryField()
{
    // Every field away from its default; reading back must give the same record.
    LauncherSettings s = centredDefaults();
    int n = 3;
    for (const SettingLine& line : SettingsTable::lines()) {
        switch (line.kind) {
        case SettingKind::Text:
            line.setText(s, QStringLiteral("text %1").arg(line.line));
            break;
        case SettingKind::Number16:
        case SettingKind::Number32:
            line.setNumber(s, line.line == 80 ? 5 : -(++n));
            break;
        case SettingKind::Flag:
            line.setFlag(s, !line.defaultNumber);
            break;
        }
    }
    s.noMonsters = true;
    QCOMPARE(SettingsFile::write(m_path, s, false), ErrorNumber::None);
    const SettingsReadResult r = readBack();
    QCOMPARE(r.outcome, SettingsReadOutcome::Ok);
    QVERIFY(r.settings == s);
}

void TestSettingsFile::eightyFourLinesWithoutWineKeepCentredPosition()
{
    LauncherSettings s = centredDefaults();
    s.windowLeft = 100;
    s.windowTop = 50;
    s.verbose = true;
    QCOMPARE(SettingsFile::write(m_path, s, true), ErrorNumber::None);
    const SettingsReadResult r = readBack();
    QCOMPARE(r.outcome, SettingsReadOutcome::StoppedEarly);
    QCOMPARE(r.error, ErrorNumber::InputPastEndOfFile);
    QCOMPARE(r.linesRead, 84);
    QCOMPARE(r.failedLine, 85);
    QVERIFY(r.settings.verbose);
    QCOMPARE(r.settings.windowLeft, 2830);
    QCOMPARE(r.settings.windowTop, 1905);
}

void TestSettingsFile::wineModeIgnoresStoredPosition()
{
    QVERIFY(writeBytes(m_path, defaultFileWith({{85, " 10 "}, {86, " 20 "}})));
    const SettingsReadResult r = readBack(true);
    QCOMPARE(r.outcome, SettingsReadOutcome::Ok);
    QCOMPARE(r.linesRead, 84);
    QCOMPARE(r.settings.windowTop, 1905);
    QCOMPARE(r.settings.windowLeft, 2830);
}

void TestSettingsFile::missingFileGivesDefaults()
{
    const SettingsReadResult r = readBack();
    QCOMPARE(r.outcome, SettingsReadOutcome::Ok);
    QCOMPARE(r.linesRead, 0);
    QVERIFY(r.settings == centredDefaults());
}

void TestSettingsFile::badFiles_data()
{
    const DataTable<QByteArray, SettingsReadOutcome, ErrorNumber, int> row("file", "outcome",
                                                                           "error", "linesRead");
    using O = SettingsReadOutcome;
    row("empty", QByteArray(), O::StoppedEarly, ErrorNumber::InputPastEndOfFile, 0);
    row("binary", QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16), O::ConversionError,
        ErrorNumber::TypeMismatch, 1);
    row("one 10 MB line", QByteArray(10 * 1024 * 1024, 'A'), O::StoppedEarly,
        ErrorNumber::InputPastEndOfFile, 1);
    row("10 MB of digits on a number line",
        QByteArray("v7.5\r\n") + QByteArray(10 * 1024 * 1024, '9') + "\r\n", O::StoppedEarly,
        ErrorNumber::Overflow, 1);
    row("version only", QByteArray("v7.5\r\n"), O::StoppedEarly, ErrorNumber::InputPastEndOfFile,
        1);
}

void TestSettingsFile::badFiles()
{
    const auto [file, outcome, error, linesRead] =
        fetchRow<QByteArray, SettingsReadOutcome, ErrorNumber, int>("file", "outcome", "error", "linesRead");
    QVERIFY(writeBytes(m_path, file));
    const SettingsReadResult r = readBack();
    QCOMPARE(r.outcome, outcome);
    QCOMPARE(r.error, error);
    QCOMPARE(r.linesRead, linesRead);
    QCOMPARE(r.settings.soundChannels, 32);
}

void TestSettingsFile::conversionErrorGivesDefaults()
{
    QVERIFY(writeBytes(m_path, defaultFileWith({{2, " 4 "}, {5, "abc"}})));
    const SettingsReadResult r = readBack();
    QCOMPARE(r.outcome, SettingsReadOutcome::ConversionError);
    QCOMPARE(r.error, ErrorNumber::TypeMismatch);
    QCOMPARE(r.failedLine, 5);
    QVERIFY(r.settings == centredDefaults());
}

void TestSettingsFile::lineBreakInTextCannotShiftLines()
{
    LauncherSettings s = centredDefaults();
    s.extraCommandLine = "-a\r\n-b\n-c\rd";
    QCOMPARE(SettingsFile::write(m_path, s, false), ErrorNumber::None);
    const SettingsReadResult r = readBack();
    QCOMPARE(r.outcome, SettingsReadOutcome::Ok);
    QCOMPARE(r.settings.extraCommandLine, QString("-a -b -c d"));
    QCOMPARE(r.settings.spareGraphics, false);
}

void TestSettingsFile::failedWriteKeepsOldFile()
{
    QVERIFY(writeBytes(m_path, defaultFileWith({{38, " 1 "}})));
    FaultInjector::fail(FileOperation::Write, m_path, ErrorNumber::PathFileAccessError);
    const ErrorNumber error = SettingsFile::write(m_path, centredDefaults(), false);
    QCOMPARE(error, ErrorNumber::PathFileAccessError);
    QCOMPARE(readBytes(m_path), defaultFileWith({{38, " 1 "}}));
}

void TestSettingsFile::checkVersion_data()
{
    const DataTable<bool, QByteArray, SettingsVersion, ErrorNumber> row("present", "file",
                                                                        "version", "error");
    using V = SettingsVersion;
    row("current", true, kDefaultFile, V::Current, ErrorNumber::None);
    row("capitals", true, QByteArray("V7.5\r\n"), V::Current, ErrorNumber::None);
    row("lf only", true, QByteArray("v7.5\n 2 \n"), V::Current, ErrorNumber::None);
    row("older", true, QByteArray("v7.4\r\n"), V::Outdated, ErrorNumber::None);
    row("blank before", true, QByteArray(" v7.5\r\n"), V::Outdated, ErrorNumber::None);
    row("empty first line", true, QByteArray("\r\n"), V::Outdated, ErrorNumber::None);
    row("empty file", true, QByteArray(), V::Corrupt, ErrorNumber::InputPastEndOfFile);
    row("binary", true, QByteArray("\x00\x01\x02\xff", 4), V::Outdated, ErrorNumber::None);
    row("missing", false, QByteArray(), V::Missing, ErrorNumber::None);
}

void TestSettingsFile::checkVersion()
{
    const auto [present, file, version, error] =
        fetchRow<bool, QByteArray, SettingsVersion, ErrorNumber>("present", "file", "version", "error");
    if (present)
        QVERIFY(writeBytes(m_path, file));
    ErrorNumber got = ErrorNumber::Overflow;
    QCOMPARE(SettingsFile::checkVersion(m_path, &got), version);
    QCOMPARE(got, error);
}

void TestSettingsFile::tableShape()
{
    const auto lines = SettingsTable::lines();
    QCOMPARE(int(lines.size()), 86);
    for (int i = 0; i < 86; ++i)
        QCOMPARE(lines[i].line, i + 1);
    QCOMPARE(SettingsTable::line(36)->flag, SettingsTable::line(52)->flag);
    QCOMPARE(SettingsTable::linesForControl("chkGraphics_2").size(), 2);
    QCOMPARE(SettingsTable::linesForControl("chkZ3DOpts_5").first()->line, 20);
    QCOMPARE(SettingsTable::linesForControl("chkZ3DOpts_5").last()->line, 50);
    QCOMPARE(SettingsTable::linesForControl("chkZ3DOpts_8").first()->line, 25);
    QCOMPARE(SettingsTable::linesForControl("chkZ3DOpts_8").last()->line, 55);
    QCOMPARE(SettingsTable::linesForControl("SkillsLevel_1").first()->binding,
             SettingBinding::ListIndex);
    QVERIFY(SettingsTable::linesForControl(QString()).isEmpty());
}

Z3D_TEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
