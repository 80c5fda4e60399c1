// The playlist editor under the offscreen platform, driven through its menu commands.

#include "gui/dialogs/MusicForm.h"

#include "core/iwads/IwadRegistry.h"
#include "core/music/PlaylistFormat.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProcesses.h"
#include "support/SoleMessage.h"
#include "support/TestRegistry.h"
#include "support/TextLines.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kSaveQuestion = QStringLiteral(" Save playlist");

// A fresh installation and an editor on it whose services record every request.
struct Editor
{
    explicit Editor(const QString& iwad = {})
    {
        if (!iwad.isEmpty())
            iwads.registerIwad(tree.path("Iwads/" + iwad));
    }
    // A new playlist, shown (not modally) so that its activation step runs.
    void startNew(const QString& name)
    {
        form.openNew(name);
        form.show();
    }
    QStringList lines() const { return itemTexts(findControl<QListWidget>(form, "MusicList")); }
    void command(const char* action) { findControl<QAction>(form, action)->trigger(); }
    void onLine(int row, const char* action)
    {
        findControl<QListWidget>(form, "MusicList")->setCurrentRow(row);
        command(action);
    }
    // Closes the editor answering every question with answer; the titles asked.
    QStringList close(int answer)
    {
        dialogs.clear();
        dialogs.answerMessage(answer);
        dialogs.answerMessage(answer);
        form.reject();
        QStringList titles;
        for (const RecordingDialogs::Call& call : dialogs.messages())
            titles << call.title;
        return titles;
    }

    InstallTree tree;
    RecordingDialogs dialogs;
    RecordingProcesses processes;
    IwadRegistry iwads;
    MusicForm form{tree.paths(), iwads, dialogs, processes};
};

} // namespace

class TestMusicForm : public QObject
{
    Q_OBJECT

private slots:
    void newPlaylistLayout_data()
    {
        const DataTable<QString, int, QString> row("iwad", "count", "firstMap");
        row("Doom.wad", "Doom.wad", 48, "E1M1");
        row("shareware only", "Doom1.wad", 44, "MAP01");
        row("none", "", 44, "MAP01");
    }
    void newPlaylistLayout()
    {
        const auto [iwad, count, firstMap] =
            fetchRow<QString, int, QString>("iwad", "count", "firstMap");

        Editor editor(iwad);
        editor.startNew("MyDoomMusic");
        QCOMPARE(editor.form.windowTitle(), QStringLiteral("Opening MyDoomMusic"));
        QCOMPARE(editor.lines().size(), count);
        QCOMPARE(editor.lines().at(11), firstMap);
    }

    void addMusic_data()
    {
        // The chosen file, under InstallRoot unless absolute; empty when cancelled.
        const DataTable<QString, QString, bool> row("chosen", "line", "changed");
        row("under InstallRoot", "OggVorbis/Fennick/d_e1m1.OGG",
            "E1M1 \"\\OggVorbis\\Fennick\\d_e1m1.OGG\"", true);
        row("elsewhere", "/srv/music/intro.mid", "E1M1 \"/srv/music/intro.mid\"", true);
        row("cancelled", "", "E1M1", true);
        row("unsupported", "OggVorbis/Fennick/d_e1m1.wav", "E1M1", false);
    }
    void addMusic()
    {
        const auto [chosen, line, changed] =
            fetchRow<QString, QString, bool>("chosen", "line", "changed");

        Editor editor("Doom.wad");
        editor.startNew("Mine");
        const QString path = chosen.startsWith('/') ? chosen : editor.tree.path(chosen);
        editor.dialogs.answerOpenFile(chosen.isEmpty() ? std::nullopt : std::optional(path));
        editor.onLine(11, "mcAddMusic");

        const OpenFileRequest request = editor.dialogs.calls().at(0).fileRequest;
        QCOMPARE(request.title, QStringLiteral("Add or Replace a music file to the Playlist"));
        QCOMPARE(request.filters, QStringList({"All Files", "*.*", "Mp3 Files", "*.mp3",
                                               "Ogg Files", "*.ogg", "Mid Files", "*.mid"}));
        QCOMPARE(request.initialFolder, editor.tree.paths().musicDir);
        QCOMPARE(editor.lines().at(11), line);
        if (!changed)
            verifySoleMessage(editor.dialogs.messages(), MsgIconCritical, " Error",
                              " This file type is not supported.    ");
        QCOMPARE(editor.tree.exists("Z3DLaunch/Music/music.z3d"), changed);
        QCOMPARE(editor.close(MsgNo), changed ? QStringList{kSaveQuestion} : QStringList{});
    }

    void cdTrack_data()
    {
        const DataTable<QString, QString, QString> row("item", "caption", "line");
        row("track 1", "mcTrack_0", "Track 01", "E1M1 CD 01");
        row("track 9", "mcTrack_8", "Track 09", "E1M1 CD 09");
        row("track 10", "mcTrack_9", "Track 10", "E1M1 CD 10");
        row("track 36", "mcTrack_35", "Track 36", "E1M1 CD 36");
    }
    void cdTrack()
    {
        const auto [item, caption, line] =
            fetchRow<QString, QString, QString>("item", "caption", "line");

        Editor editor("Doom.wad");
        editor.startNew("Mine");
        editor.onLine(11, qPrintable(item));
        QCOMPARE(editor.lines().at(11), line);
        QCOMPARE(findControl<QAction>(editor.form, qPrintable(item))->text(), caption);
    }

    void toggleThereAndBackKeepsTheSetAsideMusic()
    {
        Editor editor("Doom.wad");
        editor.startNew("Mine");
        editor.onLine(7, "mcTrack_6");   // D_VICTOR
        editor.onLine(11, "mcTrack_0");  // E1M1
        editor.onLine(43, "mcTrack_15"); // E4M6
        editor.onLine(46, "mcTrack_18"); // E4M9

        editor.command("mnuToggle");
        QCOMPARE(editor.lines().size(), 44);
        QCOMPARE(editor.lines().at(11), QStringLiteral("MAP01 CD 01"));
        editor.command("mnuToggle");
        QCOMPARE(editor.lines().size(), 48);
        QCOMPARE(editor.lines().mid(43, 4),
                 QStringList({"E4M6 CD 16", "E4M7", "E4M8", "E4M9 CD 19"}));
        QCOMPARE(editor.lines().at(7), QStringLiteral("D_VICTOR CD 07"));

        // Saved as Doom II and opened again: the set-aside lines went with the closing.
        editor.command("mnuToggle");
        editor.close(MsgYes);
        QVERIFY(editor.form.open("Mine"));
        editor.command("mnuToggle");
        QCOMPARE(editor.lines().mid(43, 4), QStringList({"E4M6", "E4M7", "E4M8", "E4M9"}));
        QCOMPARE(editor.lines().at(7), QStringLiteral("D_VICTOR"));
    }

    void cloneAsksFirstAndThenLocksTheConversions()
    {
        Editor editor;
        editor.startNew("Mine");
        editor.onLine(11, "mcTrack_0"); // MAP01
        editor.dialogs.answerMessage(MsgNo);
        editor.command("mnuClone");
        QCOMPARE(editor.dialogs.messages().at(0).title, QStringLiteral(" Clone playlist"));
        QCOMPARE(editor.lines().size(), 44);
        editor.command("mnuClone");
        QCOMPARE(editor.lines().size(), 91);
        QCOMPARE(editor.lines().at(11), QStringLiteral("E1M1 CD 01"));
        QCOMPARE(editor.lines().at(58), QStringLiteral("MAP01 CD 01"));

        emit findControl<QMenu>(editor.form, "mnuOptions")->aboutToShow();
        QVERIFY(!findControl<QAction>(editor.form, "mnuToggle")->isEnabled());
        QVERIFY(!findControl<QAction>(editor.form, "mnuClone")->isEnabled());
    }

    void closingWithUnsavedChanges_data()
    {
        const DataTable<int, bool> row("answer", "saved");
        row("yes", MsgYes, true);
        row("no", MsgNo, false);
    }
    void closingWithUnsavedChanges()
    {
        const auto [answer, saved] = fetchRow<int, bool>("answer", "saved");

        Editor editor;
        QSignalSpy savedSignal(&editor.form, &MusicForm::playlistSaved);
        editor.startNew("My Music");
        editor.onLine(11, "mcTrack_1");
        editor.close(answer);
        verifySoleMessage(editor.dialogs.messages(), MsgButtonsYesNo | MsgIconQuestion,
                          kSaveQuestion,
                          " Your playlist has unsaved changes.      " + kCrLf +
                              "  Do you want to save on exiting?        ");
        QVERIFY(!editor.form.isVisible());

        QString expected = kCrLf + " # INTERMISSION MUSIC FOR DOOM II" + kCrLf + kCrLf;
        for (const char* slot : {"D_DM2TTL", "D_DM2INT", "D_READ_M", "D_EVIL"})
            expected += slot + kCrLf;
        expected += kCrLf + kCrLf + " # MAP MUSIC FOR DOOM II" + kCrLf + kCrLf;
        expected += "MAP01 CD 02" + kCrLf;
        for (int map = 2; map <= 32; ++map)
            expected += QStringLiteral("MAP%1").arg(map, 2, 10, QChar('0')) + kCrLf;
        expected += kCrLf;
        QCOMPARE(editor.tree.readFile("Z3DLaunch/Music/My Music.z3m"),
                 saved ? expected.toUtf8() : QByteArray());
        QCOMPARE(savedSignal.count(), saved ? 1 : 0);
    }

    void convertedPlaylistQuestion_data()
    {
        const DataTable<QStringList, bool, QString> row("file", "edited", "question");
        const QStringList oldFormat{"MAP01 CD 03", "MAP02"};
        const QStringList nonStandard{"D_DM2TTL", "MAP01 CD 03", "MAP02"};
        row("old format, left as repaired", oldFormat, false, " Save playlist to new format");
        row("old format, edited after the repair", oldFormat, true, kSaveQuestion);
        row("non-standard, repaired after Yes", nonStandard, false, " Save playlist to new format");
    }
    void convertedPlaylistQuestion()
    {
        const auto [file, edited, question] =
            fetchRow<QStringList, bool, QString>("file", "edited", "question");

        Editor editor;
        editor.tree.addTextFile("Z3DLaunch/Music/Old.z3m", file);
        editor.dialogs.answerMessage(MsgYes); // " Non Standard Format", when asked
        QVERIFY(editor.form.open("Old"));
        if (edited)
            editor.onLine(12, "mcTrack_4");
        QCOMPARE(editor.close(MsgYes), QStringList{question});
        const QStringList saved = crLfLines(editor.tree.readFile("Z3DLaunch/Music/Old.z3m"));
        QCOMPARE(saved.size(), 44);
        QCOMPARE(saved.mid(11, 2), QStringList({"MAP01 CD 03", edited ? "MAP02 CD 05" : "MAP02"}));
    }

    // Lines with bytes that are not UTF-8 are written back as they were read, also after the
    // program converted them there and back; only the line the player edited changes.
    void untouchedLinesKeepTheirBytes()
    {
        Editor editor;
        const auto fileWith = [](const QByteArray& map01) {
            QList<QByteArray> lines;
            for (const QString& line : playlist::buildEmptyPlaylist(playlist::PlaylistType::Doom2))
                lines << line.toLatin1();
            lines[6] = "D_EVIL \\\xff\xfe.ogg";
            lines[11] = map01;
            lines[12] = "MAP02 \"/m\xfcsic/\xe9t\xe9.mid\"";
            return lines.join("\r\n") + "\r\n";
        };
        editor.tree.addFile("Z3DLaunch/Music/Bytes.z3m", fileWith("MAP01"));
        QVERIFY(editor.form.open("Bytes"));
        editor.command("mnuToggle");
        editor.command("mnuToggle");
        editor.onLine(11, "mcTrack_0");
        editor.command("mnuSave");
        QCOMPARE(editor.tree.readFile("Z3DLaunch/Music/Bytes.z3m"), fileWith("MAP01 CD 01"));
    }

    // A playlist whose file is there but cannot be read (here a link to a file that refuses
    // every read) opens nothing and says why.
    void unreadablePlaylistSaysWhy()
    {
        Editor editor;
        QDir().mkpath(editor.tree.paths().musicDir);
        QVERIFY(QFile::link("/proc/self/mem", editor.tree.path("Z3DLaunch/Music/Broken.z3m")));
        QVERIFY(!editor.form.open("Broken"));
        verifySoleMessage(editor.dialogs.messages(), MsgButtonsOk | MsgIconExclamation,
                          " Open playlist",
                          "The playlist Broken cannot be opened:" + kCrLf +
                              "the system could not read it (error 75).");
    }

    void readmeMenu_data()
    {
        const DataTable<QString, QString, bool> row("name", "readme", "shown");
        row("built-in with read-me", "M-Fold - Doom2", "OggVorbis/M-Fold/ReadMe.txt", true);
        row("own list named like a pack", "Fennick mix", "OggVorbis/Fennick/readme.txt", false);
    }
    void readmeMenu()
    {
        const auto [name, readme, shown] =
            fetchRow<QString, QString, bool>("name", "readme", "shown");

        Editor editor;
        editor.tree.addFile(readme, "notes");
        editor.startNew(name);
        QCOMPARE(findControl<QAction>(editor.form, "mnuReadme")->isVisible(), shown);
        editor.command("mnuReadme");
        const auto opened = editor.processes.callsOf(RecordingProcesses::Kind::TextEditor);
        QCOMPARE(opened.size(), shown ? 1 : 0);
        if (shown)
            QCOMPARE(opened.at(0).commandLine, editor.tree.path(readme));
    }

    void exitToTextEditor_data()
    {
        // The program editor.z3d names ("" for no editor.z3d) and whether it exists.
        const DataTable<QString, bool, QString> row("program", "installed", "started");
        row("editor.z3d program", "tools/my editor", true,
            "\"<root>/tools/my editor\" \"<root>/Z3DLaunch/Music/Mine.z3m\"");
        row("editor.z3d program missing", "tools/gone", false, "<root>/Z3DLaunch/Music/Mine.z3m");
        row("no editor.z3d", "", false, "<root>/Z3DLaunch/Music/Mine.z3m");
    }
    void exitToTextEditor()
    {
        auto [program, installed, started] =
            fetchRow<QString, bool, QString>("program", "installed", "started");

        Editor editor;
        const QString root = editor.tree.root();
        if (!program.isEmpty())
            editor.tree.addTextFile("Z3DLaunch/Data/editor.z3d", {root + '/' + program});
        if (installed)
            editor.tree.addFile(program);
        editor.startNew("Mine");
        editor.command("mnuNotepad"); // not saved yet: nothing happens
        QVERIFY(editor.form.isVisible() && editor.processes.calls().isEmpty());

        editor.command("mnuSave");
        editor.command("mnuNotepad");
        QVERIFY(!editor.form.isVisible());
        const QList<RecordingProcesses::Call> calls = editor.processes.calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.at(0).kind, installed ? RecordingProcesses::Kind::Start
                                             : RecordingProcesses::Kind::TextEditor);
        QCOMPARE(calls.at(0).commandLine, started.replace("<root>", root));
    }
};

Z3D_TEST_MAIN(TestMusicForm)
#include "tst_musicform.moc"
