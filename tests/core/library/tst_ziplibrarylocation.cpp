// The zip library location command: the browser's instruction as the location grows, the
// chosen, kept or fallen-back folder, and archives.z3d written every time.

#include "core/library/ZipLibraryLocation.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kSentence = QStringLiteral("Select the new location of your zipped wad files ...");

// A folder path of exactly length characters.
QString pathOfLength(int length)
{
    return QStringLiteral("/") + QString(length - 1, u'z');
}

} // namespace

class TestZipLibraryLocation : public QObject
{
    Q_OBJECT

private slots:
    void instruction_data();
    void instruction();
    void choose_data();
    void choose();
};

void TestZipLibraryLocation::instruction_data()
{
    const DataTable<int, QString, bool> row("length", "prefix", "locationShown");

    row("30", 30, "Current Location: ", true);
    row("31", 31, "Location: ", true);
    row("40", 40, "Location: ", true);
    row("41", 41, "", true);
    row("45", 45, "", true);
    row("49", 49, "", true);
    row("50", 50, "", false);
    row("120", 120, "", false);
}

void TestZipLibraryLocation::instruction()
{
    const auto [length, prefix, locationShown] =
        fetchRow<int, QString, bool>("length", "prefix", "locationShown");
    const QString dir = pathOfLength(length);
    const QString expected = locationShown ? prefix + dir + "\r\n" + kSentence : kSentence;
    QCOMPARE(ZipLibraryLocation::instruction(dir), expected);
}

void TestZipLibraryLocation::choose_data()
{
    const DataTable<QString, bool, QString, QString> row(
        "current", // relative to the root; "" for the default
        "currentExists",
        "answer", // relative to the root; "-" cancels
        "expected");

    row("new folder", "", true, "Games/Zips", "Games/Zips");
    row("trailing separator dropped", "", true, "Games/Zips/", "Games/Zips");
    row("other case found on disk", "", true, "games/ZIPS", "Games/Zips");
    row("missing folder falls back", "Games/Zips", true, "Nowhere", "Z3DArchives");
    row("cancel keeps the folder", "Games/Zips", true, "-", "Games/Zips");
    row("cancel after the folder went", "Games/Zips", false, "-", "Z3DArchives");
}

void TestZipLibraryLocation::choose()
{
    const auto [current, currentExists, answer, expected] =
        fetchRow<QString, bool, QString, QString>("current", "currentExists", "answer", "expected");

    InstallTree tree;
    tree.addFolder(QStringLiteral("Games/Zips"));
    InstallPaths paths = tree.paths();
    if (!current.isEmpty())
        paths.zipLibraryDir = tree.path(current);
    if (!currentExists)
        QVERIFY(tree.removeFolder(current));
    RecordingDialogs dialogs;
    const bool cancel = answer == u"-";
    dialogs.answerFolder(cancel ? std::nullopt : std::optional<QString>(tree.path(answer)));

    const QString chosen = ZipLibraryLocation::choose(paths, dialogs);

    QCOMPARE(chosen, tree.path(expected));
    QCOMPARE(tree.readFile(QStringLiteral("Z3DLaunch/Data/archives.z3d")),
             (tree.path(expected) + "\r\n").toUtf8());
    QCOMPARE(dialogs.calls().size(), 1);
    QCOMPARE(dialogs.calls().first().kind, RecordingDialogs::Kind::BrowseForFolder);
    QCOMPARE(dialogs.calls().first().text, ZipLibraryLocation::instruction(paths.zipLibraryDir));
    // The browser opens where the library is now.
    QCOMPARE(dialogs.calls().first().defaultText, paths.zipLibraryDir);
}

Z3D_TEST_GUILESS_MAIN(TestZipLibraryLocation)
#include "tst_ziplibrarylocation.moc"
