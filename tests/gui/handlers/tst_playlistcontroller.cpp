// The " Music Playlists " frame of the Sound page with its controller, on a throw-away
// installation whose dialogs record every request.

#include "gui/handlers/PlaylistController.h"

#include "core/app/LauncherContext.h"
#include "core/music/MusicMessages.h"
#include "core/music/PlaylistFile.h"
#include "core/platform/FaultInjector.h"
#include "gui/tabs/OptionChangeFlags.h"
#include "gui/tabs/SoundTab.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/DialogChecks.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProcesses.h"
#include "support/SoleMessage.h"
#include "support/TestRegistry.h"
#include "support/TextLines.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace z3d;
using namespace z3d::test;
namespace msg = z3d::music_messages;

namespace {

struct Frame
{
    explicit Frame(const QStringList& playlists = {})
    {
        for (const QString& name : playlists)
            tree.addFile("Z3DLaunch/Music/" + name + ".z3m", "\r\n");
        context.paths = tree.paths();
        context.dialogs = &dialogs;
        context.processes = &processes;
    }
    void load(const QString& remembered = {})
    {
        context.settings.playlistName = remembered;
        controller.loadPlaylistNames();
    }
    QListWidget* list() const { return findControl<QListWidget>(page, "SelectionList"); }
    QCheckBox* manual() const { return findControl<QCheckBox>(page, "chkSound", 5); }
    QCheckBox* autoBox() const { return findControl<QCheckBox>(page, "chkSound", 4); }
    void highlight(const QString& name)
    {
        const QList<QListWidgetItem*> items = list()->findItems(name, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(name));
        list()->setCurrentItem(items.constFirst());
    }
    void button(int index) { findControl<QPushButton>(page, "butMusic", index)->click(); }

    InstallTree tree;
    RecordingDialogs dialogs;
    RecordingProcesses processes;
    LauncherContext context;
    OptionChangeFlags flags;
    SoundTab page{flags};
    QWidget owner;
    PlaylistController controller{context, page, owner};
};

// Runs action, closing each modal window it opens as soon as it shows; their titles.
QStringList closingModalWindows(const std::function<void()>& action)
{
    QStringList titles;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&titles] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            titles << dialog->windowTitle();
            dialog->reject();
        }
    });
    closer.start();
    action();
    return titles;
}

} // namespace

class TestPlaylistController : public QObject
{
    Q_OBJECT

private slots:
    void theRememberedPlaylistIsHighlightedAndAClickChangesIt()
    {
        Frame f({"Doom Mix", "Quiet"});
        f.tree.addFile("Z3DLaunch/Music/notes.txt");
        f.load("doom mix");
        QStringList listed = itemTexts(f.list());
        listed.sort();
        QCOMPARE(listed, (QStringList{"Doom Mix", "Quiet"}));
        QCOMPARE(f.page.highlightedPlaylist(), QStringLiteral("Doom Mix"));

        f.manual()->click();
        QVERIFY(f.manual()->isChecked());
        QCOMPARE(f.manual()->text(), QStringLiteral("Load"));
        f.highlight("Quiet");
        QCOMPARE(f.context.settings.playlistName, QStringLiteral("Quiet"));
        QVERIFY(!f.manual()->isChecked()); // the player checks it again for the new choice
        QCOMPARE(f.manual()->text(), QStringLiteral("Manual"));
    }

    void withoutPlaylistsOnlyNewIsOffered()
    {
        Frame f;
        f.autoBox()->setChecked(true);
        f.load("Gone");
        QVERIFY(!f.autoBox()->isChecked());
        QVERIFY(f.tree.isFolder("Z3DLaunch/Music"));
        for (QWidget* rests :
             {static_cast<QWidget*>(f.manual()), static_cast<QWidget*>(f.autoBox()),
              static_cast<QWidget*>(findControl<QPushButton>(f.page, "butMusic", 1)),
              static_cast<QWidget*>(findControl<QPushButton>(f.page, "butMusic", 2))})
            QVERIFY2(!rests->isEnabled(), qPrintable(rests->objectName()));
        QVERIFY(findControl<QPushButton>(f.page, "butMusic", 0)->isEnabled());
    }

    void manualNeedsAHighlightedPlaylist()
    {
        Frame f({"Doom Mix"});
        f.load();
        QVERIFY(!f.list()->currentItem());
        f.manual()->click();
        QVERIFY(!f.manual()->isChecked());
        verifySoleMessage(f.dialogs.messages(), msg::kNoPlaylistSelected.style,
                          msg::kNoPlaylistSelected.title, msg::kNoPlaylistSelected.text);
    }

    // Auto needs its file: a press without one only explains; once a playlist is assigned the
    // box checks, ends Manual and rests the list with its buttons.
    void autoNeedsAnAssignmentThenTakesOverFromManual()
    {
        Frame f({"Doom Mix"});
        const QString tnt = f.tree.addFile("Iwads/tnt.wad", "IWAD");
        f.context.iwads.registerIwad(tnt);
        f.load("Doom Mix");
        QTest::mouseClick(f.autoBox(), Qt::LeftButton);
        QVERIFY(!f.autoBox()->isChecked());
        verifySoleMessage(f.dialogs.messages(), msg::kNoAutoPlaylist.style,
                          msg::kNoAutoPlaylist.title, msg::kNoAutoPlaylist.text);

        f.dialogs.clear();
        emit f.list()->customContextMenuRequested(QPoint(2, 2));
        auto* menu = findControl<QMenu>(f.page, "AutoPlaylistMenu");
        QCOMPARE(menu->title(), QStringLiteral("Auto Playlist Selection for Iwads"));
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 4);
        QCOMPARE(items.at(3)->text(), QStringLiteral("TNT"));
        for (int game = 0; game < 3; ++game) // no Doom, Doom II or Plutonia file
            QVERIFY(!items.at(game)->isEnabled());
        QVERIFY(items.at(3)->isEnabled());
        items.at(3)->trigger();
        menu->hide();
        QCOMPARE(crLfLines(f.tree.readFile("Z3DLaunch/Music/auto-playlist.z3d")),
                 (QStringList{"IMPORTANT: Do not manually edit or change the order of this list",
                              "Doom/Ultimate Doom Placeholder", "Doom II - Placeholder",
                              "Plutonia - Placeholder", "Doom Mix"}));
        verifySoleMessage(f.dialogs.messages(), MsgButtonsOk | MsgSystemModal,
                          " Auto playlist selection for TNT",
                          "     Doom Mix  has been added to your auto selection.         \r\n");

        f.manual()->click();
        QTest::mouseClick(f.autoBox(), Qt::LeftButton);
        QVERIFY(f.autoBox()->isChecked());
        QVERIFY(!f.manual()->isChecked());
        QVERIFY(!f.list()->isEnabled());
        QVERIFY(!findControl<QPushButton>(f.page, "butMusic", 0)->isEnabled());

        // The file vanishes: the next activation unchecks Auto, the list comes back.
        f.tree.removeFile("Z3DLaunch/Music/auto-playlist.z3d");
        f.controller.checkAutoPlaylistFile();
        QVERIFY(!f.autoBox()->isChecked());
        QVERIFY(f.list()->isEnabled());
    }

    void disablingSoundOrMusicRestsTheFrame()
    {
        Frame f({"Doom Mix"});
        f.load("Doom Mix");
        auto* frame = findControl<QWidget>(f.page, "PlaylistFrame");
        QVERIFY(frame->isEnabled());
        findControl<QCheckBox>(f.page, "chkSound", 1)->setChecked(true);
        QVERIFY(!frame->isEnabled());
        QVERIFY(!findControl<QCheckBox>(f.page, "chkSound", 8)->isEnabled());
        findControl<QCheckBox>(f.page, "chkSound", 1)->setChecked(false);
        QVERIFY(frame->isEnabled());
        QVERIFY(f.autoBox()->isEnabled());
    }

    void deleteAsksThenRemovesTheFile_data()
    {
        const DataTable<int> row("answer");
        row("yes", int(MsgYes));
        row("no", int(MsgNo));
    }

    void deleteAsksThenRemovesTheFile()
    {
        QFETCH(int, answer);
        Frame f({"Doom Mix"});
        f.tree.addFile("Z3DLaunch/Music/Other.z3m");
        f.load("Doom Mix");
        f.dialogs.answerMessage(answer);
        f.button(2);
        verifySoleMessage(f.dialogs.messages(), MsgButtonsYesNo | MsgIconQuestion,
                          " Delete Selected Playlist",
                          "Are you certain you wish to delete DOOM MIX   ");
        const bool deleted = answer == MsgYes;
        QCOMPARE(f.tree.exists("Z3DLaunch/Music/Doom Mix.z3m"), !deleted);
        QCOMPARE(itemTexts(f.list()).contains("Doom Mix"), !deleted);
        if (deleted) // the last entry left is highlighted and becomes the choice
            QCOMPARE(f.context.settings.playlistName, QStringLiteral("Other"));
    }

    // A failed delete says so and leaves the playlist listed, as it still is on disk.
    void failedDeleteKeepsTheEntry()
    {
        Frame f({"Doom Mix", "Other"});
        f.load("Doom Mix");
        FaultInjector::fail(FileOperation::Delete, f.tree.path("Z3DLaunch/Music/Doom Mix.z3m"),
                            ErrorNumber::FileAlreadyOpen);
        f.dialogs.answerMessage(MsgYes);
        f.button(2);
        FaultInjector::clear();
        const QList<RecordingDialogs::Call> messages = f.dialogs.messages();
        QCOMPARE(messages.size(), 2);
        const msg::Message error = msg::accessError(ErrorNumber::FileAlreadyOpen);
        verifyMessage(messages.at(1), error.style, error.title, error.text);
        QVERIFY(f.tree.exists("Z3DLaunch/Music/Doom Mix.z3m"));
        QVERIFY(itemTexts(f.list()).contains("Doom Mix"));
        QCOMPARE(f.page.highlightedPlaylist(), QStringLiteral("Doom Mix"));
    }

    // Names that cannot be a playlist's are refused as they are typed, with the reason;
    // nothing is created and the editor does not open.
    void newPlaylistNamesRefused_data()
    {
        const DataTable<QString, QString> row("typed", "reason");
        row("only the ending", ".Z3M", "A playlist needs a name in front of \".z3m\".");
        row("dot", "..", "\".\" and \"..\" cannot name a playlist.");
        row("slash", "rock/metal",
            "A playlist name cannot hold \"/\" or \"\\\":\r\n"
            "a playlist is one file in the music folder.");
        row("backslash", "rock\\metal",
            "A playlist name cannot hold \"/\" or \"\\\":\r\n"
            "a playlist is one file in the music folder.");
        row("quote", "x\" -exec \"evil.z3m",
            "A playlist name cannot hold a double quote (\"):"
            "\r\nthe engine is handed the name in double quotes.");
        row("line break", "two\nlines",
            "A playlist name cannot hold line breaks, tabs or other"
            "\r\ncontrol characters.");
    }
    void newPlaylistNamesRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        Frame f({"Doom Mix"});
        f.load("Doom Mix");
        f.dialogs.answerName({typed, false});
        QCOMPARE(closingModalWindows([&f] { f.button(0); }), QStringList());

        const QList<RecordingDialogs::Call> calls = f.dialogs.calls();
        QCOMPARE(calls.size(), 2);
        verifyMessage(calls.at(1), MsgButtonsOk | MsgIconExclamation, " Name of Playlist", reason);
        QCOMPARE(PlaylistFile::names(f.tree.paths().musicDir), QStringList{"Doom Mix"});
        QCOMPARE(f.context.settings.playlistName, QStringLiteral("Doom Mix"));
    }

    void newPlaylistAsksItsNameAndBeforeOverwriting()
    {
        Frame f({"Doom Mix"});
        f.load("Doom Mix");
        f.dialogs.answerName({"doom mix.Z3M", false});
        f.dialogs.answerMessage(MsgNo);
        f.button(0);
        const RecordingDialogs::Call prompt = f.dialogs.calls().constFirst();
        QCOMPARE(prompt.title, QStringLiteral(" Create New Playlist"));
        verifySoleMessage(f.dialogs.messages(), MsgButtonsYesNo | MsgIconQuestion,
                          " Music list creation",
                          "doom mix already exists do you wish to overwrite it?    ");
        QCOMPARE(f.context.settings.playlistName, QString());

        // A new name opens the editor on it.
        f.dialogs.answerName({"Mine", false});
        QCOMPARE(closingModalWindows([&f] { f.button(0); }), QStringList{"Opening Mine"});
        QCOMPARE(f.context.settings.playlistName, QStringLiteral("Mine"));
    }
};

Z3D_TEST_MAIN(TestPlaylistController)
#include "tst_playlistcontroller.moc"
