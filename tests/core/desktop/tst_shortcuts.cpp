// Shortcut files on throw-away installations: where they go and what they are named, whether
// their Exec line gives back exactly the engine arguments (read by an independent parser of the
// desktop entry rules and by running the demo engine through it), whether desktop-file-validate
// accepts them, the "Permissions" message, and removal by prefix.

#include "core/desktop/ShortcutNames.h"
#include "core/desktop/Shortcuts.h"
#include "core/platform/FaultInjector.h"
#include "core/platform/ProgramStarter.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kPermissionsText =
    QStringLiteral(" It appears you don't have adequate UAC privileges    ");

// The raw key values of a desktop entry file's one group; nothing when the file is not laid
// out as one [Desktop Entry] group of key=value lines ended by LF.
std::optional<QHash<QString, QString>> readEntry(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.readAll();
    if (!bytes.endsWith('\n') || bytes.contains('\r'))
        return std::nullopt;
    QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    lines.removeLast();
    if (lines.isEmpty() || lines.takeFirst() != u"[Desktop Entry]")
        return std::nullopt;
    QHash<QString, QString> values;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || values.contains(line.left(equals)))
            return std::nullopt;
        values.insert(line.left(equals), line.mid(equals + 1));
    }
    return values;
}

// A string value with its escapes undone (\s \n \t \r \\); nothing for an unknown escape.
std::optional<QString> unescape(const QString& raw)
{
    QString out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw.at(i) != u'\\') {
            out += raw.at(i);
            continue;
        }
        if (++i == raw.size())
            return std::nullopt;
        // The escape letters and, at the same positions, the characters they stand for.
        const qsizetype escape = QStringLiteral("sntr\\").indexOf(raw.at(i));
        if (escape < 0)
            return std::nullopt;
        out += QStringLiteral(" \n\t\r\\").at(escape);
    }
    return out;
}

// The arguments of an unescaped Exec value by the desktop entry rules: blanks separate,
// double quotes group with \" \` \$ \\ as escapes, "%%" is a percent sign; a reserved character
// outside quotes, an unescaped ` or $ inside them, a field code, an unknown escape or an open
// quote gives nothing.
std::optional<QStringList> parseExec(const QString& exec)
{
    const QString reserved = QStringLiteral("\t\n'\\><~|&;$*?#()`");
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (c == u'%') {
            if (++i == exec.size() || exec.at(i) != u'%')
                return std::nullopt;
            current += u'%';
            inArgument = true;
        } else if (quoted && c == u'"') {
            quoted = false;
        } else if (quoted && c == u'\\') {
            if (++i == exec.size() || !QStringLiteral("\"`$\\").contains(exec.at(i)))
                return std::nullopt;
            current += exec.at(i);
        } else if (quoted && (c == u'`' || c == u'$')) {
            return std::nullopt; // must be escaped inside quotes
        } else if (quoted) {
            current += c;
        } else if (c == u' ') {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else if (c == u'"') {
            quoted = true;
            inArgument = true;
        } else if (reserved.contains(c)) {
            return std::nullopt;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments << current;
    return arguments;
}

// What a shortcut file says, its escapes undone.
struct Shortcut
{
    QString name;
    QStringList command;
    QString path;
    QString icon;
    QString type;
};

std::optional<Shortcut> readShortcut(const QString& file)
{
    const auto entry = readEntry(file);
    if (!entry)
        return std::nullopt;
    const auto name = unescape(entry->value(QStringLiteral("Name")));
    const auto exec = unescape(entry->value(QStringLiteral("Exec")));
    const auto path = unescape(entry->value(QStringLiteral("Path")));
    const auto icon = unescape(entry->value(QStringLiteral("Icon")));
    if (!name || !exec || !path || !icon)
        return std::nullopt;
    const auto command = parseExec(*exec);
    if (!command)
        return std::nullopt;
    return Shortcut{*name, *command, *path, *icon, entry->value(QStringLiteral("Type"))};
}

// The arguments of the last run recorded in folder/Zorn3D.out by the demo engine.
std::optional<QStringList> lastEngineRun(const QString& folder)
{
    QFile out(folder + QStringLiteral("/Zorn3D.out"));
    if (!out.open(QIODevice::ReadOnly))
        return std::nullopt;
    QList<QByteArray> lines = out.readAll().split('\n');
    lines.removeAll(QByteArray());
    if (lines.isEmpty() || !lines.last().startsWith("Zorn3D"))
        return std::nullopt;
    QByteArray rest = lines.last().mid(6);
    QStringList arguments;
    while (!rest.isEmpty()) {
        const qsizetype close = rest.indexOf(']');
        if (!rest.startsWith(" [") || close < 0)
            return std::nullopt;
        QByteArray argument = rest.mid(2, close - 2);
        argument.replace("%5D", "]").replace("%0D", "\r").replace("%0A", "\n");
        arguments << QString::fromUtf8(argument.replace("%25", "%"));
        rest = rest.mid(close + 1);
    }
    return arguments;
}

// Sets PATH for the lifetime of the object.
class PathVariable
{
public:
    explicit PathVariable(const QByteArray& value) : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", value);
    }
    ~PathVariable() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

struct Fixture
{
    InstallTree tree;
    InstallPaths paths = tree.paths();
    RecordingDialogs dialogs;
    ShortcutFolders folders{tree.path(QStringLiteral("Home/My Desktop")),
                            tree.path(QStringLiteral("Home/.local/share/applications"))};
    Shortcuts shortcuts{paths, dialogs, folders};

    QString desktopLink(const QString& name) const
    {
        return folders.desktop + QStringLiteral("/Zorn3D Shortcuts/") + name + ".desktop";
    }
    QString menuLink(const QString& name) const
    {
        return folders.applications + QStringLiteral("/Zorn3D Shortcuts/") + name + ".desktop";
    }
    // The demo engine as the installation's native engine.
    bool installDemoEngine() { return !tree.addBuiltProgram(QStringLiteral("Zorn3D")).isEmpty(); }
};

ShortcutChoices both()
{
    ShortcutChoices choices;
    choices.desktopShortcut = true;
    choices.startMenuShortcut = true;
    choices.includeMapInShortcut = true;
    return choices;
}

QStringList linksIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestShortcuts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void doom2Map07InBothFolders();
    void onlyTheChosenFolders();
    void execGivesTheEngineArguments_data();
    void execGivesTheEngineArguments();
    void windowsEngineRunsThroughWine();
    void filesPassDesktopFileValidate_data();
    void filesPassDesktopFileValidate();
    void replacesALinkOfAnotherCase();
    void permissionsMessage();
    void removeByPrefix();
};

void TestShortcuts::doom2Map07InBothFolders()
{
    Fixture f;
    QVERIFY(f.installDemoEngine());
    const QString name = ShortcutNames::shortcutName(QStringLiteral("DOOM II"), GameKind::IwadGame,
                                                     QStringLiteral("x"));
    const QString map = ShortcutNames::mapPart(true, false, QStringLiteral("MAP07"));

    const QStringList written =
        f.shortcuts.createShortcuts(QStringLiteral("-doom2 -warp 07 -skill 3"), both(), name, map);

    QCOMPARE(written, QStringList({f.desktopLink("Doom2 - Map07"), f.menuLink("Doom2 - Map07")}));
    QVERIFY(f.dialogs.calls().isEmpty());
    for (const QString& file : written) {
        const auto shortcut = readShortcut(file);
        QVERIFY2(shortcut, qPrintable(file));
        QCOMPARE(shortcut->name, QStringLiteral("Doom2 - Map07"));
        QCOMPARE(shortcut->type, QStringLiteral("Application"));
        QCOMPARE(shortcut->command, QStringList({f.tree.path(QStringLiteral("bin/Zorn3D")),
                                                 "-doom2", "-warp", "07", "-skill", "3"}));
        // Started in the shortcut's own folder, with the engine's picture.
        QCOMPARE(shortcut->path, QFileInfo(file).absolutePath());
        QCOMPARE(shortcut->icon, f.tree.path(QStringLiteral("bin/Zorn3D")));
        QVERIFY(QFileInfo(file).permission(QFile::ExeOwner));
    }
}

void TestShortcuts::onlyTheChosenFolders()
{
    Fixture f;
    ShortcutChoices choices;
    choices.startMenuShortcut = true;
    QCOMPARE(f.shortcuts.createShortcuts("-doom ", choices, "Doom", " - E1M1"),
             QStringList{f.menuLink("Doom - E1M1")});
    QVERIFY(!QFileInfo::exists(f.folders.desktop));

    choices = {};
    choices.desktopShortcut = true;
    QCOMPARE(f.shortcuts.createShortcuts("-doom ", choices, "Doom", ""),
             QStringList{f.desktopLink("Doom")});
    QCOMPARE(linksIn(f.folders.menuShortcuts()), QStringList{"Doom - E1M1.desktop"});

    QVERIFY(f.shortcuts.createShortcuts("-doom ", ShortcutChoices{}, "Doom", "").isEmpty());
    QVERIFY(f.dialogs.calls().isEmpty());
}

void TestShortcuts::execGivesTheEngineArguments_data()
{
    const DataTable<QString, QStringList> row("arguments", "expected");

    row("plain switches", "-doom2 -warp 07 -skill 3 ",
        QStringList{"-doom2", "-warp", "07", "-skill", "3"});
    row("quoted paths with blanks",
        "-iwad \"/home/p q/Doom2.wad\" -udir \"/g/My Castle/\" -f \"castle.wad\" ",
        QStringList{"-iwad", "/home/p q/Doom2.wad", "-udir", "/g/My Castle/", "-f", "castle.wad"});
    row("shell characters stay literal", "+say \"$HOME `ls` it's (a|b)&c;d*?#e ~x <y> z\" -x",
        QStringList{"+say", "$HOME `ls` it's (a|b)&c;d*?#e ~x <y> z", "-x"});
    row("percent signs are no field codes", "-x %f %U %% 100%",
        QStringList{"-x", "%f", "%U", "%%", "100%"});
    row("backslashes and quotes by the Windows rules",
        "-p C:\\Games\\ \"a\\\"b\" \"c\\\\\" d\\\\\\\"e \"\" x",
        QStringList{"-p", "C:\\Games\\", "a\"b", "c\\", "d\\\"e", "", "x"});
    row("blanks and tabs between", "  -nosound\t\t-nomusic  ", QStringList{"-nosound", "-nomusic"});
    row("letters beyond ASCII", "-udir \"/g/Château d'eau/\" -f Ärger.wad ",
        QStringList{"-udir", "/g/Château d'eau/", "-f", "Ärger.wad"});
    row("no arguments", "", QStringList{});
}

void TestShortcuts::execGivesTheEngineArguments()
{
    const auto [arguments, expected] = fetchRow<QString, QStringList>("arguments", "expected");

    Fixture f;
    QVERIFY(f.installDemoEngine());
    ShortcutChoices choices;
    choices.desktopShortcut = true;
    const QStringList written = f.shortcuts.createShortcuts(arguments, choices, "Castle", "");
    QCOMPARE(written.size(), 1);
    const auto shortcut = readShortcut(written.first());
    QVERIFY(shortcut);

    const QString engine = f.tree.path(QStringLiteral("bin/Zorn3D"));
    QCOMPARE(shortcut->command, QStringList{engine} + expected);
    // The same program and arguments the launcher itself starts for this command line.
    const auto run =
        ProgramStarter::resolve(QStringLiteral("Bin\\Zorn3D ") + arguments, f.paths.installRoot);
    QVERIFY(run);
    QCOMPARE(shortcut->command, QStringList{run->program} + run->arguments);

    // Started as a desktop would start it, the engine receives exactly those arguments.
    QProcess process;
    process.setWorkingDirectory(shortcut->path);
    process.start(shortcut->command.first(), shortcut->command.mid(1));
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(lastEngineRun(shortcut->path), std::optional<QStringList>(expected));
}

void TestShortcuts::windowsEngineRunsThroughWine()
{
    Fixture f;
    const QString exe = f.tree.addFile(QStringLiteral("bin/Zorn3D.exe"), "MZ\x90\x00");
    QTemporaryDir pathDir;
    QVERIFY(pathDir.isValid());
    ShortcutChoices choices;
    choices.desktopShortcut = true;
    const QStringList arguments{"-doom2", "-warp", "07"};

    const QString wine = pathDir.filePath(QStringLiteral("wine"));
    QFile script(wine);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 0\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    QTemporaryDir empty;
    // The PATH, and the wine the shortcut names: with no wine yet the shortcut still names it,
    // to be found when it is started.
    const QList<std::pair<QString, QString>> cases{{pathDir.path(), wine},
                                                   {empty.path(), QStringLiteral("wine")}};
    for (const auto& [folder, named] : cases) {
        PathVariable path(QFile::encodeName(folder));
        const QStringList written =
            f.shortcuts.createShortcuts("-doom2 -warp 07", choices, "Doom2", " - Map07");
        QCOMPARE(written.size(), 1);
        const auto shortcut = readShortcut(written.first());
        QVERIFY(shortcut);
        QCOMPARE(shortcut->command, QStringList({named, exe}) + arguments);
        QCOMPARE(shortcut->icon, exe);
    }
    QVERIFY(f.dialogs.calls().isEmpty());
}

void TestShortcuts::filesPassDesktopFileValidate_data()
{
    const DataTable<QString, QString> row("linkName", "arguments");

    row("Doom2 - Map07", "Doom2", "-doom2 -warp 07 -skill 3 ");
    row("beyond ASCII", "Château d'eau", "-udir \"/g/Château d'eau/\" ");
    row("shell characters", "It's (new) & $cool; #1",
        "+say \"$HOME `ls` 100% (a|b)&c;d*?#e ~x <y> z\" -p C:\\Games\\ \"a\\\"b\" \"\" ");
    row("leading blank", " Castle", "-f \" x\" ");
}

void TestShortcuts::filesPassDesktopFileValidate()
{
    const auto [linkName, arguments] = fetchRow<QString, QString>("linkName", "arguments");

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate (Debian package desktop-file-utils) is not installed");
    Fixture f;
    QVERIFY(f.installDemoEngine());
    const QStringList written = f.shortcuts.createShortcuts(arguments, both(), linkName, "");
    QCOMPARE(written.size(), 2);
    for (const QString& file : written) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(validator, {file});
        QVERIFY(process.waitForFinished(60000));
        const QByteArray output = process.readAll();
        QVERIFY2(process.exitCode() == 0 && !output.contains("error"), output.constData());
    }
}

void TestShortcuts::replacesALinkOfAnotherCase()
{
    Fixture f;
    const QString old = f.tree.addFile(
        QStringLiteral("Home/My Desktop/Zorn3D Shortcuts/doom2 - map07.desktop"), "old");
    ShortcutChoices choices;
    choices.desktopShortcut = true;

    const QStringList written =
        f.shortcuts.createShortcuts("-doom2 -warp 07 ", choices, "Doom2", " - Map07");

    QCOMPARE(written, QStringList{old});
    QCOMPARE(linksIn(f.folders.desktopShortcuts()), QStringList{"doom2 - map07.desktop"});
    const auto shortcut = readShortcut(old);
    QVERIFY(shortcut);
    QCOMPARE(shortcut->command.mid(1), QStringList({"-doom2", "-warp", "07"}));
}

void TestShortcuts::permissionsMessage()
{
    Fixture f;

    // The desktop link cannot be written: the message, and the menu link is still made.
    FaultInjector::fail(FileOperation::Write, f.desktopLink("Doom2 - Map07"),
                        ErrorNumber::PermissionDenied);
    QStringList written = f.shortcuts.createShortcuts("-doom2 ", both(), "Doom2", " - Map07");
    QCOMPARE(written, QStringList{f.menuLink("Doom2 - Map07")});
    QCOMPARE(f.dialogs.messages().size(), 1);
    QCOMPARE(f.dialogs.messages().first().title, QStringLiteral("Permissions"));
    QCOMPARE(f.dialogs.messages().first().text, kPermissionsText);
    QCOMPARE(f.dialogs.messages().first().style, 64);
    QVERIFY(linksIn(f.folders.desktopShortcuts()).isEmpty());

    // The menu's folder cannot be made: one message, the desktop link is made.
    FaultInjector::clear();
    f.dialogs.clear();
    FaultInjector::fail(FileOperation::CreateFolder,
                        f.folders.applications + QStringLiteral("/Zorn3D Shortcuts/"),
                        ErrorNumber::PathFileAccessError);
    QVERIFY(f.tree.removeFolder(f.folders.menuShortcuts().mid(f.tree.root().size() + 1)));
    written = f.shortcuts.createShortcuts("-tnt ", both(), "Tnt", "");
    QCOMPARE(written, QStringList{f.desktopLink("Tnt")});
    QCOMPARE(f.dialogs.messages().size(), 1);
    QCOMPARE(f.dialogs.messages().first().text, kPermissionsText);

    // Both fail, and an argument no desktop entry can carry fails too: a message for each.
    f.dialogs.clear();
    written = f.shortcuts.createShortcuts(QStringLiteral("-x \x01"), both(), "Tnt", " - Map02");
    QVERIFY(written.isEmpty());
    QCOMPARE(f.dialogs.messages().size(), 2);
    QVERIFY(!QFileInfo::exists(f.desktopLink("Tnt - Map02")));

    // A name that would make a path of its own is no file name.
    f.dialogs.clear();
    FaultInjector::clear();
    written = f.shortcuts.createShortcuts("-doom ", both(), "../../Evil", "");
    QVERIFY(written.isEmpty());
    QCOMPARE(f.dialogs.messages().size(), 2);
    QVERIFY(!QFileInfo::exists(f.folders.desktop + QStringLiteral("/../evil.desktop")));
}

void TestShortcuts::removeByPrefix()
{
    Fixture f;
    const QStringList links{"Mymap - E1M1.desktop",           "MYMAP.desktop",
                            "mymap2 - Map01.desktop",         "Other - Map01.desktop",
                            "Mydir - castle - Map07.desktop", "Mydir - other - Map07.desktop"};
    for (const QString& base :
         {QStringLiteral("Home/My Desktop/Zorn3D Shortcuts/"),
          QStringLiteral("Home/.local/share/applications/Zorn3D Shortcuts/")}) {
        for (const QString& link : links)
            f.tree.addFile(base + link, "[Desktop Entry]\n");
        f.tree.addFile(base + "Mymap notes.txt", "not a link");
        f.tree.addFolder(base + "Mymap folder.desktop");
    }

    QCOMPARE(Shortcuts::removeGameShortcuts(QStringLiteral("mymap"), f.folders), 6);
    const QStringList left{"Mydir - castle - Map07.desktop", "Mydir - other - Map07.desktop",
                           "Mymap notes.txt", "Other - Map01.desktop"};
    QCOMPARE(linksIn(f.folders.desktopShortcuts()), left);
    QCOMPARE(linksIn(f.folders.menuShortcuts()), left);

    // A user directory's file: its own links only.
    QCOMPARE(Shortcuts::removeGameShortcuts(QStringLiteral("Mydir - castle"), f.folders), 2);
    QVERIFY(!linksIn(f.folders.desktopShortcuts()).contains("Mydir - castle - Map07.desktop"));
    QVERIFY(linksIn(f.folders.menuShortcuts()).contains("Mydir - other - Map07.desktop"));

    // A blank prefix would match every link: nothing goes.
    QCOMPARE(Shortcuts::removeGameShortcuts(QStringLiteral("  "), f.folders), 0);
    QCOMPARE(linksIn(f.folders.desktopShortcuts()).size(), 3);

    // Missing folders are skipped.
    QVERIFY(f.tree.removeFolder(QStringLiteral("Home/My Desktop")));
    QCOMPARE(Shortcuts::removeGameShortcuts(QStringLiteral("Other"), f.folders), 1);
    QCOMPARE(Shortcuts::removeGameShortcuts(QStringLiteral("Other"), ShortcutFolders{}), 0);
}

Z3D_TEST_GUILESS_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
