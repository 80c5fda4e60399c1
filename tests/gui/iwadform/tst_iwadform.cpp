#include "core/app/LauncherContext.h"
#include "core/iwads/IwadStartupLoad.h"
#include "gui/dialogs/IwadForm.h"
#include "gui/dialogs/IwadWindowHost.h"
#include "gui/tooltips/ToolTips.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProcesses.h"
#include "support/TestRegistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kCfg = QStringLiteral("Z3DLaunch/Data/iwads.cfg");
const QString kWadDir = QStringLiteral("Env/Wads");

// Records what the IWAD window asks of the main window, in order.
class FakeHost : public IwadWindowHost
{
public:
    bool commercial = true;
    QStringList calls;

    bool showsCommercialGames() const override { return commercial; }
    void refillCommercialGames() override { calls << QStringLiteral("refill"); }
    void clearGameLists() override { calls << QStringLiteral("clear"); }
    void recomputeLaunchMap() override { calls << QStringLiteral("recompute"); }
    void showMainWindow() override { calls << QStringLiteral("show"); }
    void selectFirstGame() override { calls << QStringLiteral("selectFirst"); }
    void exitLauncher() override { calls << QStringLiteral("exit"); }
};

// An installation tree, the launcher context on it and an IWAD window whose environment
// points DOOMWADDIR at Env/Wads.
struct Fixture
{
    InstallTree tree;
    RecordingDialogs dialogs;
    RecordingProcesses processes;
    FakeHost host;
    LauncherContext context;
    std::unique_ptr<IwadForm> form;

    Fixture()
    {
        tree.addFolder(kWadDir);
        context.paths = tree.paths();
        context.dialogs = &dialogs;
        context.processes = &processes;
        form = std::make_unique<IwadForm>(context, host, nullptr, environment());
    }

    IwadEnvironment environment() const { return {QString(), tree.path(kWadDir)}; }

    // The start-up load of the launcher, shown in the window.
    void startUp()
    {
        form->showStartupLocations(
            loadIwadsAtStartup(context.iwads, context.paths, context.settings, environment()));
    }

    QString wad(const QString& relative) { return tree.addFile(relative, "IWAD"); }

    template <class T> T* control(const QString& name) const
    {
        T* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QPushButton* button(const char* name) const
    {
        return control<QPushButton>(QString::fromLatin1(name));
    }
    QLabel* line(int i) const { return control<QLabel>(QStringLiteral("ShowIwads_%1").arg(i)); }
    bool warningShown() const
    {
        return control<QWidget>(QStringLiteral("IwadsWarning"))->isVisibleTo(form.get());
    }
    bool lineShown(int i) const { return line(i)->isVisibleTo(form.get()); }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < IwadForm::kLineCount; ++i)
            out << form->locationLine(i);
        return out;
    }
    // The four lines as iwads.cfg must hold them.
    QByteArray cfgBytes(const QStringList& relative) const
    {
        QByteArray bytes;
        for (int i = 0; i < 4; ++i) {
            const QString r = relative.value(i);
            bytes += (r.isEmpty() ? QString() : tree.path(r)).toUtf8() + "\r\n";
        }
        return bytes;
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
};

QStringList absolute(const InstallTree& tree, const QStringList& relative)
{
    QStringList out;
    for (const QString& r : relative)
        out << (r.isEmpty() ? QString() : tree.path(r));
    return out;
}

} // namespace

class TestIwadForm : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndTexts()
    {
        Fixture f;
        QCOMPARE(f.form->windowTitle(), QStringLiteral(" Iwad Locations"));
        const QStringList warnings{
            "IMPORTANT:", "No Iwad locations were detected, read the launcher docs for ",
            "a list of compliant locations. Alternatively you can add your own",
            "user defined locations by using the 'Add Iwad' button below."};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.control<QLabel>(QStringLiteral("lblWarning_%1").arg(i))->text(),
                     warnings.at(i));
        QCOMPARE(f.button("butSearch")->text(), QStringLiteral("Search"));
        QCOMPARE(f.button("butReset")->text(), QStringLiteral("Reset"));
        QCOMPARE(f.button("butAddIwad")->text(), QStringLiteral("Add Iwad"));
        QCOMPARE(f.button("butOK")->text(), QStringLiteral("OK"));
        QVERIFY(f.form->layout());
        QVERIFY2(!f.warningShown(), "the warning shows only when no location is known");
    }

    void toolTipsFollowTheSetting()
    {
        Fixture f;
        const ToolTips& tips = ToolTips::of(*f.form);
        f.form->show();
        QCOMPARE(tips.toolText(f.button("butAddIwad")),
                 QStringLiteral("User can add Iwads if a compliant\r\nIwad location is not "
                                "detected."));
        QCOMPARE(tips.toolText(f.button("butReset")),
                 QStringLiteral("Clears Iwad locations from list."));
        QCOMPARE(tips.toolText(f.button("butSearch")),
                 QStringLiteral("Scan for compliant Iwad locations."));
        QCOMPARE(tips.toolText(f.button("butOK")),
                 QStringLiteral("Accept changes if any and exit."));
        f.form->hide();

        f.context.settings.disableTooltips = true;
        f.form->show();
        QCOMPARE(tips.toolCount(), 0);
    }

    void startUpWithoutIwadsShowsTheWarning()
    {
        Fixture f;
        f.startUp();
        QVERIFY(f.warningShown());
        for (int i = 0; i < 4; ++i)
            QVERIFY(!f.lineShown(i));
        QVERIFY(!f.form->hasLocation());
    }

    void startUpWithFiveIwadsShowsFourAndAddIsDisabledOnActivation()
    {
        Fixture f;
        for (const char* name : {"Doom1.wad", "Plutonia.wad", "Tnt.wad", "Doom.wad", "Doom2.wad"})
            f.wad(kWadDir + u'/' + QLatin1String(name));
        f.startUp();
        const QStringList four{"Env/Wads/Doom2.wad", "Env/Wads/Doom.wad", "Env/Wads/Tnt.wad",
                               "Env/Wads/Plutonia.wad"};
        QCOMPARE(f.lines(), absolute(f.tree, four));
        QVERIFY(!f.warningShown());
        QVERIFY(f.button("butAddIwad")->isEnabled());
        f.form->show();
        QVERIFY2(!f.button("butAddIwad")->isEnabled(), "line 4 is filled");
        QCOMPARE(f.context.iwads.listedGames().size(), 5);

        // The write at the end of any Add holds the four lines only.
        f.form->addIwad();
        QCOMPARE(f.tree.readFile(kCfg), f.cfgBytes(four));
    }

    void search_data()
    {
        const DataTable<QStringList, bool, QStringList, bool, bool, QStringList> row(
            "files", "commercial", "expectedLines", "warning", "addEnabled", "hostCalls");
        row("two found, commercial games shown", QStringList{"Env/Wads/Tnt.wad", "Iwads/Doom2.wad"},
            true, QStringList{"Env/Wads/Tnt.wad", "Iwads/Doom2.wad", "", ""}, false, true,
            QStringList{"refill"});
        row("installed games shown: list untouched", QStringList{"Data/Doom2.wad"}, false,
            QStringList{"Data/Doom2.wad", "", "", ""}, false, true, QStringList{});
        row("nothing found", QStringList{}, true, QStringList{"", "", "", ""}, true, true,
            QStringList{"refill"});
        row("five found: four lines, Add disabled",
            QStringList{"Env/Wads/Doom1.wad", "Env/Wads/Doom.wad", "Data/Doom2.wad",
                        "Data/Plutonia.wad", "Tnt.wad"},
            true,
            QStringList{"Env/Wads/Doom.wad", "Tnt.wad", "Data/Doom2.wad", "Data/Plutonia.wad"},
            false, false, QStringList{"refill"});
    }

    void search()
    {
        const auto [files, commercial, expectedLines, warning, addEnabled, hostCalls] =
            fetchRow<QStringList, bool, QStringList, bool, bool, QStringList>("files", "commercial", "expectedLines", "warning", "addEnabled", "hostCalls");

        Fixture f;
        // Start-up knows only a location remembered in iwads.cfg.
        f.wad("Old/Doom2.wad");
        f.tree.addTextFile(kCfg, {f.tree.path("Old/Doom2.wad"), "", "", ""});
        f.startUp();
        f.form->addIwad(); // cancelled: the cfg is rewritten from the lines
        QVERIFY(f.tree.isFile(kCfg));
        QCOMPARE(f.context.iwads.path(IwadType::Doom2), f.tree.path("Old/Doom2.wad"));

        for (const QString& file : files)
            f.wad(file);
        f.host.commercial = commercial;
        f.host.calls.clear();
        f.form->show();
        f.click("butSearch");

        QCOMPARE(f.lines(), absolute(f.tree, expectedLines));
        QVERIFY2(!f.tree.exists(kCfg), "a search deletes iwads.cfg and does not rewrite it");
        QCOMPARE(f.warningShown(), warning);
        QCOMPARE(f.button("butAddIwad")->isEnabled(), addEnabled);
        QVERIFY(!f.button("butSearch")->isEnabled());
        QCOMPARE(f.host.calls, hostCalls);
        QVERIFY(f.context.iwads.registrationOrder().isEmpty());
        if (!expectedLines.constFirst().isEmpty()) {
            QVERIFY(f.lineShown(0));
            QCOMPARE(f.context.iwads.path(IwadType::Doom2).isEmpty(),
                     !expectedLines.join(u'|').contains("Doom2"));
        }
        QVERIFY2(f.context.iwads.path(IwadType::Doom2) != f.tree.path("Old/Doom2.wad"),
                 "a remembered location is forgotten by a search");
    }

    void searchAfterAStartUpWithoutIwadsShowsWhatItFinds()
    {
        Fixture f;
        f.startUp();
        f.wad("Data/Doom.wad");
        f.form->show();
        f.click("butSearch");
        QVERIFY(!f.warningShown());
        QVERIFY(f.lineShown(0));
        QCOMPARE(f.form->locationLine(0), f.tree.path("Data/Doom.wad"));
    }

    void reset_data()
    {
        const DataTable<bool, QStringList> row("commercial", "hostCalls");
        row("commercial games shown", true, QStringList{"clear"});
        row("installed games shown", false, QStringList{});
    }
    void reset()
    {
        const auto [commercial, hostCalls] =
            fetchRow<bool, QStringList>("commercial", "hostCalls");
        Fixture f;
        for (const char* name : {"Doom1.wad", "Plutonia.wad", "Tnt.wad", "Doom.wad", "Doom2.wad"})
            f.wad(kWadDir + u'/' + QLatin1String(name));
        f.tree.addTextFile(kCfg, {"", "", "", ""});
        f.startUp();
        f.host.commercial = commercial;
        f.host.calls.clear();
        f.form->show();
        f.click("butSearch");
        QVERIFY(!f.button("butSearch")->isEnabled());
        f.host.calls.clear();

        f.click("butReset");
        QVERIFY(f.context.iwads.isEmpty());
        QCOMPARE(f.lines(), QStringList(4, QString()));
        QVERIFY(f.button("butAddIwad")->isEnabled());
        QVERIFY(f.button("butSearch")->isEnabled());
        QVERIFY(!f.warningShown());
        QVERIFY(!f.tree.exists(kCfg));
        QCOMPARE(f.host.calls, hostCalls);
    }

    void addAcceptedReplacesTheEarlierPath()
    {
        Fixture f;
        f.wad("Env/Wads/Doom2.wad");
        f.startUp();
        f.form->show();
        const QString chosen = f.wad("My Games/DOOM2.WAD");
        f.dialogs.answerOpenFile(chosen);
        f.click("butAddIwad");

        QCOMPARE(f.dialogs.calls().size(), 1);
        const OpenFileRequest request = f.dialogs.calls().constFirst().fileRequest;
        QCOMPARE(request.title, QStringLiteral("Add an IWAD"));
        QCOMPARE(request.filters, (QStringList{"WAD Files", "*.wad"}));
        QCOMPARE(request.defaultExtension, QStringLiteral("wad"));
        QCOMPARE(request.placement, DialogPlacement::Hooked);
        QCOMPARE(request.initialFolder, f.tree.root());

        QCOMPARE(f.context.iwads.path(IwadType::Doom2), chosen);
        QCOMPARE(f.lines(), (QStringList{f.tree.path("Env/Wads/Doom2.wad"), chosen, "", ""}));
        QVERIFY(f.lineShown(1));
        QVERIFY(!f.button("butSearch")->isEnabled());
        QVERIFY(f.button("butAddIwad")->isEnabled());
        QCOMPARE(f.host.calls, QStringList{"refill"});
        QCOMPARE(f.tree.readFile(kCfg), f.cfgBytes({"Env/Wads/Doom2.wad", "My Games/DOOM2.WAD"}));
        QVERIFY(f.dialogs.messages().isEmpty());

        // The next Add opens where the last one chose.
        f.form->addIwad();
        QCOMPARE(f.dialogs.calls().last().fileRequest.initialFolder, f.tree.path("My Games"));
    }

    void addAfterAStartUpWithoutIwads()
    {
        Fixture f;
        f.startUp();
        f.form->show();
        f.dialogs.answerOpenFile(f.wad("Elsewhere/plutonia.wad"));
        f.form->addIwad();
        QVERIFY(!f.warningShown());
        QVERIFY(f.lineShown(0));
        QVERIFY(!f.lineShown(1));
        QCOMPARE(f.form->locationLine(0), f.tree.path("Elsewhere/plutonia.wad"));
        QVERIFY(f.form->hasLocation());
    }

    void addRefusesOtherNames_data()
    {
        const DataTable<bool> row("cfgBefore");
        row("no iwads.cfg", false);
        row("iwads.cfg present", true);
    }
    void addRefusesOtherNames()
    {
        QFETCH(bool, cfgBefore);
        Fixture f;
        f.wad("Env/Wads/Doom.wad");
        if (cfgBefore)
            f.tree.addTextFile(kCfg, {f.tree.path("Env/Wads/Doom.wad"), "x", "", ""});
        const QByteArray before = f.tree.readFile(kCfg);
        f.startUp();
        f.form->show();
        f.dialogs.answerOpenFile(f.wad("Elsewhere/Heretic.wad"));
        f.form->addIwad();

        QCOMPARE(f.dialogs.messages().size(), 1);
        const RecordingDialogs::Call message = f.dialogs.messages().constFirst();
        QCOMPARE(message.text,
                 QStringLiteral("This does not appear to be a correct Doom Iwad.   "));
        QCOMPARE(message.style, 64);
        QCOMPARE(message.title, QString());
        QCOMPARE(f.lines(), (QStringList{f.tree.path("Env/Wads/Doom.wad"), "", "", ""}));
        QCOMPARE(f.tree.exists(kCfg), cfgBefore);
        QCOMPARE(f.tree.readFile(kCfg), before);
        QVERIFY(f.button("butSearch")->isEnabled());
        QVERIFY(f.host.calls.isEmpty());
        QCOMPARE(f.context.iwads.listedGames(), QList<IwadType>{IwadType::Doom});
    }

    void addCancelledStillWritesIwadsCfg()
    {
        Fixture f;
        f.wad("Iwads/Tnt.wad");
        f.startUp();
        QVERIFY(!f.tree.exists(kCfg));
        f.form->show();
        f.dialogs.answerOpenFile(std::nullopt);
        f.form->addIwad();
        QCOMPARE(f.tree.readFile(kCfg), f.cfgBytes({"Iwads/Tnt.wad"}));
        QVERIFY(f.dialogs.messages().isEmpty());
        QVERIFY(f.button("butSearch")->isEnabled());
        QCOMPARE(f.host.calls, QStringList{"refill"});
    }

    void addDialogFolder_data()
    {
        // expected is tree-relative; "" is the installation root.
        const DataTable<QString, QString> row("cfgFirstLine", "expected");
        row("remembered folder exists", "Kept/Doom2.wad", "Kept");
        row("remembered folder gone", "Gone/Doom2.wad", "");
    }
    void addDialogFolder()
    {
        const auto [cfgFirstLine, expected] =
            fetchRow<QString, QString>("cfgFirstLine", "expected");
        Fixture f;
        f.tree.addFolder("Kept");
        f.tree.addTextFile(kCfg, {f.tree.path(cfgFirstLine)});
        f.startUp();
        f.form->addIwad();
        QCOMPARE(f.dialogs.calls().constFirst().fileRequest.initialFolder,
                 expected.isEmpty() ? f.tree.root() : f.tree.path(expected));
    }

    void fourthLineDisablesAdd()
    {
        Fixture f;
        f.startUp();
        f.form->show();
        const QStringList names{"A/Doom.wad", "B/Doom2.wad", "C/Tnt.wad", "D/Plutonia.wad"};
        for (const QString& name : names) {
            QVERIFY(f.button("butAddIwad")->isEnabled());
            f.dialogs.answerOpenFile(f.wad(name));
            f.click("butAddIwad");
        }
        QCOMPARE(f.lines(), absolute(f.tree, names));
        QVERIFY(!f.button("butAddIwad")->isEnabled());
        QCOMPARE(f.tree.readFile(kCfg), f.cfgBytes(names));
    }

    void okWithALocation_data()
    {
        const DataTable<QString, bool, QStringList> row("lastDoomGame", "commercial", "hostCalls");
        row("no game remembered", "", true, QStringList{"recompute", "show", "selectFirst"});
        row("game remembered", "DOOM II", true, QStringList{"recompute", "show"});
        row("installed games shown", "", false, QStringList{"recompute", "show"});
    }
    void okWithALocation()
    {
        const auto [lastDoomGame, commercial, hostCalls] =
            fetchRow<QString, bool, QStringList>("lastDoomGame", "commercial", "hostCalls");
        Fixture f;
        f.wad("Iwads/Doom2.wad");
        f.startUp();
        f.context.settings.lastDoomGame = lastDoomGame;
        f.host.commercial = commercial;
        f.form->show();
        f.click("butOK");
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.form->result(), int(QDialog::Accepted));
        QCOMPARE(f.host.calls, hostCalls);
        QVERIFY(f.dialogs.calls().isEmpty());
    }

    void okWithoutALocationAsks_data()
    {
        const DataTable<int, bool, QStringList> row("answer", "staysOpen", "hostCalls");
        row("yes: leave", int(MsgYes), false, QStringList{"exit"});
        row("no: stay", int(MsgNo), true, QStringList{});
    }
    void okWithoutALocationAsks()
    {
        const auto [answer, staysOpen, hostCalls] =
            fetchRow<int, bool, QStringList>("answer", "staysOpen", "hostCalls");
        Fixture f;
        f.startUp();
        f.form->show();
        f.dialogs.answerMessage(answer);
        f.click("butOK");
        QCOMPARE(f.dialogs.messages().size(), 1);
        const RecordingDialogs::Call question = f.dialogs.messages().constFirst();
        QCOMPARE(question.title, QStringLiteral("Configuration error"));
        QCOMPARE(question.style, 36);
        QCOMPARE(question.text,
                 QStringLiteral("The Iwad locations must be set for the Launcher to function.    "
                                "\r\n      Do you still wish to exit the Z3DLauncher setup?"));
        QCOMPARE(f.form->isVisible(), staysOpen);
        QCOMPARE(f.host.calls, hostCalls);
    }

    void closingTheWindowIsOk()
    {
        Fixture f;
        f.startUp();
        f.form->show();
        f.dialogs.answerMessage(MsgNo);
        QTest::keyClick(f.form.get(), Qt::Key_Escape);
        QVERIFY2(f.form->isVisible(), "no location: the question is asked and No keeps it open");
        f.dialogs.answerMessage(MsgNo);
        f.form->close();
        QVERIFY(f.form->isVisible());
        QCOMPARE(f.dialogs.messages().size(), 2);
    }

    void warningLabelsOpenTheHelpFile()
    {
        Fixture f;
        f.startUp();
        f.form->show();
        auto* label = f.control<QLabel>(QStringLiteral("lblWarning_2"));
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY2(f.processes.calls().isEmpty(), "no help file, nothing opened");

        const QString help = f.tree.addFile("Z3D_Docs/help/IWAD Location.txt", "text");
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(f.control<QLabel>(QStringLiteral("lblWarning_%1").arg(i)),
                              Qt::LeftButton);
        const auto opened = f.processes.callsOf(RecordingProcesses::Kind::Associated);
        QCOMPARE(opened.size(), 4);
        QCOMPARE(opened.constFirst().commandLine, help);
    }

    void checkIwad_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("upper case") << "/g/DOOM2.WAD" << true;
        QTest::newRow("shareware") << "/g/doom1.wad" << true;
        QTest::newRow("other wad") << "/g/Doom3.wad" << false;
        QTest::newRow("suffix after the name") << "/g/Doom2.wad.bak" << false;
    }
    void checkIwad()
    {
        const auto [path, accepted] = fetchRow<QString, bool>("path", "accepted");
        Fixture f;
        f.context.iwads.setPath(IwadType::Doom2, QStringLiteral("/old/Doom2.wad"));
        QCOMPARE(f.form->checkIwad(path), accepted);
        if (accepted)
            QCOMPARE(f.context.iwads.path(*iwadTypeFromFileName(path)), path);
        else
            QCOMPARE(f.context.iwads.listedGames(), QList<IwadType>{IwadType::Doom2});
    }
};

Z3D_TEST_MAIN(TestIwadForm)
#include "tst_iwadform.moc"
