// An add-on's own text file read for its tip: the community's template and files that are
// not in it, in the encodings players' files come in, with nothing invisible let through.

#include "core/inspect/AddonText.h"

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace z3d;
using namespace z3d::test;

namespace {

const QByteArray kTemplate =
    "===========================================================================\r\n"
    "Advanced engine needed  : Boom\r\n"
    "===========================================================================\r\n"
    "Title                   : Castle of Doom\r\n"
    "Filename                : castle.wad\r\n"
    "Release date            : 12 May 1996\r\n"
    "Author                  : John Smith\r\n"
    "Email Address           : js@example.com\r\n"
    "\r\n"
    "Description             : A castle on a hill, with a moat\r\n"
    "                          and a keep: ten maps of it.\r\n"
    "Additional Credits to   : id Software\r\n"
    "===========================================================================\r\n"
    "* Play Information *\r\n";

// The UTF-8 of "é" split by the read limit: its first byte is the last one read.
QByteArray cutByTheReadLimit()
{
    QByteArray bytes = "Title : Caf\xC3\xA9\n";
    bytes += QByteArray(AddonText::kReadLimit - bytes.size() - 1, 'x');
    return bytes + "\xC3\xA9";
}

} // namespace

class TestAddonText : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        const DataTable<QByteArray, QString, QString, QString, QStringList> row(
            "bytes", "title", "author", "date", "description");
        const QString ellipsis = QStringLiteral("\u2026");
        row("template", kTemplate, "Castle of Doom", "John Smith", "12 May 1996",
            {"A castle on a hill, with a moat", "and a keep: ten maps of it."});
        row("continued lines, Authors, Date Finished",
            "Title: Keep\nAuthors    :  Ann\n   and Bob\nDate Finished : 1995\n"
            "Description :\n   First.\n\n   Not continued after a blank line.\n",
            "Keep", "Ann and Bob", "1995", {"First."});
        row("template indented by two blanks",
            "  Title       : Keep\n  Author      : Ann\n  Description : Short.\n", "Keep", "Ann",
            "", {"Short."});
        row("line ends CR", "Title : Keep\rAuthor : Ann\r", "Keep", "Ann", "", {});
        row("description of many lines", "Description : 1\n 2\n 3\n 4\n 5\n 6\n 7\n 8\n", "", "",
            "", {"1", "2", "3", "4", "5", "6"});
        row("description past its characters", "Description : " + QByteArray("word ").repeated(100),
            "", "", "", {QString("word ").repeated(80).trimmed() + ellipsis});
        row("not a template",
            "\n   ==========================\n   THE KEEP\tby Ann\n   ---\n"
            "Note: play it on ultra-violence.\n",
            "", "", "", {"THE KEEP by Ann", "Note: play it on ultra-violence."});
        row("code page 437: box drawing and letters",
            "\xC9\xCD\xCD\xBB\r\n\xBA J\x81rgen's Castle \xBA\r\n\xC8\xCD\xCD\xBC\r\n", "", "", "",
            {"\u2551 J\u00fcrgen's Castle \u2551"});
        row("Latin-1", "Title : Caf\xE9 M\xFCller\nAuthor : It\x92s Ren\xE9\n",
            "Caf\u00e9 M\u00fcller", "It\u2019s Ren\u00e9", "", {});
        row("UTF-8 with a byte-order mark",
            "\xEF\xBB\xBFTitle : \xC3\x9C\x62\x65r \xE2\x95\x94\xE2\x95\x90\n",
            "\u00dcber \u2554\u2550", "", "", {});
        row("UTF-8 cut by the read limit", cutByTheReadLimit(), "Caf\u00e9", "", "", {});
        row("control characters and escape sequences",
            QByteArrayLiteral("\x1B[1;31mTitle\x1B[0m : Red\tAlert\0!\x07\x1B]0;window title\x07\n"
                              "Author : a\xE2\x80\xAE"
                              "b\x7F\x1B"
                              "c\nDate : 1994\x1A"
                              "Description : after"),
            "Red Alert!", "ab", "1994", {});
        row("empty file", "", "", "", "", {});
        row("blanks and frames only", " \r\n\t\r\n=====\r\n\xCD\xCD\xCD\r\n", "", "", "", {});
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        QFETCH(QString, author);
        QFETCH(QString, date);
        QFETCH(QStringList, description);
        const std::optional<AddonText> text = AddonText::parse(bytes);
        // Nothing to show is no text at all.
        QCOMPARE(text.has_value(), !(title + author + date).isEmpty() || !description.isEmpty());
        const AddonText read = text.value_or(AddonText{});
        QCOMPARE(read.title, title);
        QCOMPARE(read.author, author);
        QCOMPARE(read.date, date);
        QCOMPARE(read.description, description);
    }

    // A pipe named like a text is not read: the read would wait for a writer, and the tip and
    // the launcher with it.
    void pipeIsNotRead()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pipe = dir.filePath("readme.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(!AddonText::readFile(pipe));
    }
};

Z3D_TEST_GUILESS_MAIN(TestAddonText)
#include "tst_addontext.moc"
