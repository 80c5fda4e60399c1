#include "core/platform/FaultInjector.h"
#include "core/platform/ItemReader.h"
#include "core/platform/NumberFormat.h"
#include "core/platform/TextFile.h"

#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace z3d;
using namespace z3d::test;
using Status = NumberReading::Status;

Q_DECLARE_METATYPE(NumberReading::Status)

namespace {

// What TextFile::readLines() reads from a file holding bytes; an error when the file could not
// be written.
TextFileLines readBack(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.z3d"));
    if (!writeBytes(path, bytes))
        return {{}, ErrorNumber::PathFileAccessError};
    return TextFile::readLines(path);
}

} // namespace

class TestTextFormats : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void formatNumber_data();
    void formatNumber();
    void parse16_data();
    void parse16();
    void parseFlag_data();
    void parseFlag();
    void parse32Range();

    void splitLines_data();
    void splitLines();
    void readLinesAcrossChunks();
    void readLinesLimit();
    void readFirstLineOfEmptyFile();
    void readMissingFile();
    void binaryFileDoesNotCrash();
    void hugeSingleLineIsCut();
    void keepBytes_data();
    void keepBytes();
    void utf8PathRoundTrip();

    void writeUsesCrLf();
    void failedWriteKeepsOldFile();
    void writeIntoMissingFolder();
    void writeUnlessSameWritesOnlyChanges();

    void splitItems_data();
    void splitItems();
    void valuesReadBack_data();
    void valuesReadBack();
    void readItemsAcrossLines();
};

void TestTextFormats::formatNumber_data()
{
    const DataTable<qint64, QString> row("value", "text");
    row("two", qint64(2), " 2 ");
    row("zero", qint64(0), " 0 ");
    row("minus 120", qint64(-120), "-120 ");
    row("32-bit", qint64(2147483647), " 2147483647 ");
    row("minus one", qint64(-1), "-1 ");
}

void TestTextFormats::formatNumber()
{
    QFETCH(qint64, value);
    QTEST(NumberFormat::format(value), "text");
}

void TestTextFormats::parse16_data()
{
    const DataTable<QString, NumberReading::Status, qint64> row("line", "status", "value");
    // Read as a number: the value, rounded down.
    const std::tuple<const char*, const char*, qint64> readings[] = {
        {"runtime format", " 32 ", 32},
        {"negative format", "-120 ", -120},
        {"bare", "5", 5},
        {"tabs", "\t7\t", 7},
        {"plus", "+9", 9},
        {"fraction down", "0.9", 0},
        {"negative fraction floors", "-0.5", -1},
        {"negative whole fraction", "-2.0", -2},
        {"leading dot", ".5", 0},
        {"trailing dot", "3.", 3},
        {"exponent", "1e3", 1000},
        {"tiny exponent", "5e-400", 0},
        {"leading zeros", "0000000000000000000000042", 42},
        {"max", "32767", 32767},
        {"min", "-32768", -32768},
        {"just above max fraction", "32767.9", 32767},
    };
    for (const auto& [name, line, value] : readings)
        row(name, line, Status::Ok, value);
    // Refused: no value.
    const std::tuple<const char*, QString, Status> refusals[] = {
        {"too large", "32768", Status::Overflow},
        {"too small", "-32769", Status::Overflow},
        {"below min by fraction", "-32768.1", Status::Overflow},
        {"huge digits", QString(400, u'9'), Status::Overflow},
        {"huge exponent", "1e400", Status::Overflow},
        {"letters", "abc", Status::NotANumber},
        {"empty", "", Status::NotANumber},
        {"blank", "   ", Status::NotANumber},
        {"digits then text", "12abc", Status::NotANumber},
        {"inner blank", "1 2", Status::NotANumber},
        {"sign alone", "-", Status::NotANumber},
        {"dot alone", ".", Status::NotANumber},
        {"bad exponent", "1e", Status::NotANumber},
        {"comma decimal", "0,5", Status::NotANumber},
    };
    for (const auto& [name, line, status] : refusals)
        row(name, line, status, 0);
}

void TestTextFormats::parse16()
{
    const auto [line, status, value] =
        fetchRow<QString, NumberReading::Status, qint64>("line", "status", "value");
    const NumberReading r = NumberFormat::parse16(line);
    QCOMPARE(r.status, status);
    if (status == Status::Ok)
        QCOMPARE(r.value, value);
}

void TestTextFormats::parseFlag_data()
{
    const DataTable<QString, bool, bool> row("line", "ok", "on");
    row("one", " 1 ", true, true);
    row("zero", " 0 ", true, false);
    row("minus one", "-1 ", true, true);
    row("five", " 5 ", true, true);
    row("nine tenths", "0.9", true, false);
    row("large", "100000", true, true);
    row("huge", QString(100, u'7'), true, true);
    row("text", "yes", false, false);
    row("empty", "", false, false);
}

void TestTextFormats::parseFlag()
{
    const auto [line, ok] = fetchRow<QString, bool>("line", "ok");
    const NumberReading r = NumberFormat::parseFlag(line);
    QCOMPARE(r.ok(), ok);
    if (ok)
        QTEST(r.value != 0, "on");
}

void TestTextFormats::parse32Range()
{
    QCOMPARE(NumberFormat::parse32(" 2147483647 ").value, qint64(2147483647));
    QCOMPARE(NumberFormat::parse32("-2147483648").value, qint64(-2147483647 - 1));
    QCOMPARE(NumberFormat::parse32("2147483648").status, Status::Overflow);
    QCOMPARE(NumberFormat::parse32(" 40000 ").value, qint64(40000));
}

void TestTextFormats::splitLines_data()
{
    const DataTable<QByteArray, QStringList> row("bytes", "lines");
    row("crlf", QByteArray("a\r\nb\r\n"), QStringList{"a", "b"});
    row("lf", QByteArray("a\nb\n"), QStringList{"a", "b"});
    row("cr", QByteArray("a\rb\r"), QStringList{"a", "b"});
    row("mixed", QByteArray("a\r\nb\nc\rd"), QStringList{"a", "b", "c", "d"});
    row("no final ending", QByteArray("a\r\nb"), QStringList{"a", "b"});
    row("empty lines kept", QByteArray("\r\n\r\nx\r\n"), QStringList{"", "", "x"});
    row("lf cr is two endings", QByteArray("a\n\rb"), QStringList{"a", "", "b"});
    row("empty file", QByteArray(), QStringList{});
    row("one ending", QByteArray("\r\n"), QStringList{""});
    row("blanks kept", QByteArray(" 2 \r\n-120 \r\n"), QStringList{" 2 ", "-120 "});
    row("utf8", QByteArray("C:\\Spiele\\Tür\r\n"),
        QStringList{QString::fromUtf8("C:\\Spiele\\Tür")});
}

// A line read and written with Encoding::KeepBytes comes back byte for byte, whatever its
// bytes; valid UTF-8 reads as its text.
void TestTextFormats::keepBytes_data()
{
    const DataTable<QByteArray, bool> row("line", "utf8");
    row("ASCII", "MAP01 \\a.ogg", true);
    row("UTF-8 of every length", "\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb5", true);
    row.alike({{"Latin-1", "D_EVIL \\\xe9t\xe9\xff\xfe.ogg"},
               {"overlong and surrogate forms", "\xc0\x80 \xe0\x80\xaf \xed\xa0\x80"},
               {"beyond U+10FFFF", "\xf4\x90\x80\x80"},
               {"cut sequence at the end", "E1M1 \xe2\x82"},
               {"astral character, then a stray byte", "\xf0\x90\x82\x80\x81"},
               {"lone continuation bytes", "\x80\xbf\x81"}},
              false);
}

void TestTextFormats::keepBytes()
{
    const auto [line, utf8] = fetchRow<QByteArray, bool>("line", "utf8");
    const QStringList lines = TextFile::splitLines(line, -1, TextFile::Encoding::KeepBytes);
    QCOMPARE(lines.size(), 1);
    if (utf8)
        QCOMPARE(lines.constFirst(), QString::fromUtf8(line));
    QCOMPARE(TextFile::encodeLines(lines, TextFile::Encoding::KeepBytes), line + "\r\n");
}

void TestTextFormats::splitLines()
{
    const auto [bytes, lines] = fetchRow<QByteArray, QStringList>("bytes", "lines");
    QCOMPARE(TextFile::splitLines(bytes), lines);

    // The file reader gives the same lines.
    const TextFileLines read = readBack(bytes);
    QVERIFY(read.ok());
    QCOMPARE(read.lines, lines);
}

void TestTextFormats::readLinesAcrossChunks()
{
    // A CR LF split over the reader's 64 KiB chunk boundary is still one line ending.
    QByteArray bytes(64 * 1024 - 1, 'x');
    bytes += "\r\nnext\r\n";
    const TextFileLines read = readBack(bytes);
    QCOMPARE(read.lines.size(), 2);
    QCOMPARE(read.lines.at(0).size(), 64 * 1024 - 1);
    QCOMPARE(read.lines.at(1), QString("next"));
}

void TestTextFormats::readLinesLimit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    QVERIFY(writeBytes(path, "1\r\n2\r\n3\r\n"));
    QCOMPARE(TextFile::readLines(path, 2).lines, (QStringList{"1", "2"}));
    QCOMPARE(TextFile::readLines(path, 10).lines, (QStringList{"1", "2", "3"}));
    QCOMPARE(TextFile::readFirstLine(path).lines, QStringList{"1"});
}

void TestTextFormats::readFirstLineOfEmptyFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.z3d");
    QVERIFY(writeBytes(path, ""));
    const TextFileLines read = TextFile::readFirstLine(path);
    QCOMPARE(read.error, ErrorNumber::InputPastEndOfFile);
    QVERIFY(read.lines.isEmpty());
}

void TestTextFormats::readMissingFile()
{
    QTemporaryDir dir;
    QCOMPARE(TextFile::readLines(dir.filePath("none.z3d")).error, ErrorNumber::FileNotFound);
    QCOMPARE(TextFile::readLines(dir.filePath("no/none.z3d")).error, ErrorNumber::PathNotFound);
    QCOMPARE(TextFile::readLines(dir.path()).error, ErrorNumber::PathFileAccessError);
    FaultInjector::fail(FileOperation::Read, dir.filePath("x"), ErrorNumber::FileAlreadyOpen);
    QVERIFY(writeBytes(dir.filePath("x"), "a\r\n"));
    QCOMPARE(TextFile::readLines(dir.filePath("x")).error, ErrorNumber::FileAlreadyOpen);
}

void TestTextFormats::binaryFileDoesNotCrash()
{
    QByteArray bytes(300000, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7919) % 256);
    const TextFileLines read = readBack(bytes);
    QVERIFY(read.ok());
    // Every CR, LF and CR LF ends a line: count them independently.
    int endings = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++endings;
    }
    const bool tail = !bytes.endsWith('\n') && !bytes.endsWith('\r');
    QCOMPARE(read.lines.size(), endings + (tail ? 1 : 0));
}

void TestTextFormats::hugeSingleLineIsCut()
{
    QByteArray bytes(10 * 1024 * 1024, '7');
    bytes += "\r\nsecond\r\n";
    const TextFileLines read = readBack(bytes);
    QVERIFY(read.ok());
    QCOMPARE(read.lines.size(), 2);
    QCOMPARE(read.lines.at(0).size(), TextFile::kMaxLineBytes);
    QCOMPARE(read.lines.at(1), QString("second"));
}

void TestTextFormats::utf8PathRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("texpath.z3d");
    const QString value = QString::fromUtf8("/home/joueur/Données/Textures ü ß 日本");
    QCOMPARE(TextFile::writeLines(path, {value}), ErrorNumber::None);
    QCOMPARE(TextFile::readFirstLine(path).lines, QStringList{value});
}

void TestTextFormats::writeUsesCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.z3d");
    QCOMPARE(TextFile::writeLines(path, {"v7.5", " 2 ", "", "-120 "}), ErrorNumber::None);
    QCOMPARE(readBytes(path), QByteArray("v7.5\r\n 2 \r\n\r\n-120 \r\n"));
    QCOMPARE(TextFile::writeLines(path, {}), ErrorNumber::None);
    QCOMPARE(readBytes(path), QByteArray());
}

void TestTextFormats::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("config.z3d");
    QVERIFY(writeBytes(path, "old\r\n"));
    FaultInjector::fail(FileOperation::Write, path, ErrorNumber::PermissionDenied);
    QCOMPARE(TextFile::writeLines(path, {"new"}), ErrorNumber::PermissionDenied);
    QCOMPARE(readBytes(path), QByteArray("old\r\n"));
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"config.z3d"});
    FaultInjector::clear();
    QCOMPARE(TextFile::writeLines(path, {"new"}), ErrorNumber::None);
    QCOMPARE(readBytes(path), QByteArray("new\r\n"));
}

void TestTextFormats::writeIntoMissingFolder()
{
    QTemporaryDir dir;
    QCOMPARE(TextFile::writeLines(dir.filePath("gone/x.z3d"), {"a"}), ErrorNumber::PathNotFound);
}

void TestTextFormats::writeUnlessSameWritesOnlyChanges()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Music/M-Fold - Doom2.z3m");
    QVERIFY(QDir(dir.path()).mkpath("Music"));
    QCOMPARE(TextFile::writeLinesUnlessSame(path, {"a", ""}), ErrorNumber::None);
    QCOMPARE(readBytes(path), QByteArray("a\r\n\r\n"));
    // A failing write shows whether the file was written at all.
    FaultInjector::fail(FileOperation::Write, path, ErrorNumber::DiskFull);
    QCOMPARE(TextFile::writeLinesUnlessSame(path, {"a", ""}), ErrorNumber::None);
    QCOMPARE(TextFile::writeLinesUnlessSame(path, {"a"}), ErrorNumber::DiskFull);
    QCOMPARE(TextFile::writeLinesUnlessSame(path, {"a", "", ""}), ErrorNumber::DiskFull);
    QVERIFY(writeBytes(path, "a\n\n"));
    QCOMPARE(TextFile::writeLinesUnlessSame(path, {"a", ""}), ErrorNumber::DiskFull);
    FaultInjector::clear();
    QCOMPARE(TextFile::writeLinesUnlessSame(path, {"a", ""}), ErrorNumber::None);
    QCOMPARE(readBytes(path), QByteArray("a\r\n\r\n"));
}

void TestTextFormats::splitItems_data()
{
    const DataTable<QString, QStringList> row("line", "items");
    row("one", "C:\\Games", QStringList{"C:\\Games"});
    row("comma ends item", "C:\\a,b", QStringList{"C:\\a", "b"});
    row("leading blanks skipped", "  x,   y", QStringList{"x", "y"});
    row("trailing comma", "a,", QStringList{"a", ""});
    row("empty line", "", QStringList{""});
    row("quoted comma", "\"Save, the second\"", QStringList{"Save, the second"});
    row("quoted then more", "\"a,b\",c", QStringList{"a,b", "c"});
    row("text after closing quote ignored", "\"a\"junk,c", QStringList{"a", "c"});
    row("blank before quote", "  \"q\"", QStringList{"q"});
    row("unterminated quote", "\"abc, def", QStringList{"abc, def"});
    row("quote inside unquoted item", "ab\"c", QStringList{"ab\"c"});
    row("empty quoted", "\"\"", QStringList{""});
    row("doubled quote inside quoted", "\"say \"\"hi\"\", go\",x",
        QStringList{"say \"hi\", go", "x"});
    row("doubled quote then the end", "\"a\"\"\"", QStringList{"a\""});
    row("checker header", "MAP01,MAP02,MAP03", QStringList{"MAP01", "MAP02", "MAP03"});
}

void TestTextFormats::splitItems()
{
    const auto [line, items] = fetchRow<QString, QStringList>("line", "items");
    QCOMPARE(ItemReader::splitItems(line), items);
    QCOMPARE(ItemReader::firstItem(line), items.first());
}

// A value written as an item, or as a line's only value, reads back equal; a value the
// classic writer would have left alone is still written as it was.
void TestTextFormats::valuesReadBack_data()
{
    const DataTable<QString, QString> row("value", "item");
    for (const char* value : {"MAP01", "a b.wad", "a.wad "})
        row(value, value, value);
    row("empty", "", "");
    row("comma", "a,b", "\"a,b\"");
    row("leading blank", " a", "\" a\"");
    row("quote and comma", "evil \", x\".wad", "\"evil \"\", x\"\".wad\"");
    row("quote alone", "a\"b", "\"a\"\"b\"");
    row("starts with a quote", "\"MAP01", "\"\"\"MAP01\"");
}

void TestTextFormats::valuesReadBack()
{
    const auto [value, item] = fetchRow<QString, QString>("value", "item");
    QCOMPARE(ItemReader::asItem(value), item);
    QCOMPARE(ItemReader::splitItems(item + ",next"), (QStringList{value, "next"}));
    QCOMPARE(ItemReader::readValue(ItemReader::asValue(value)), value);
}

void TestTextFormats::readItemsAcrossLines()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("checkpwad.z3d");
    QVERIFY(writeBytes(path, "a,b\r\n\"Saved, game\"\r\n\r\nc\r\n"));
    ErrorNumber error = ErrorNumber::Overflow;
    QCOMPARE(ItemReader::readItems(path, &error), (QStringList{"a", "b", "Saved, game", "", "c"}));
    QCOMPARE(error, ErrorNumber::None);
    ItemReader::readItems(dir.filePath("missing"), &error);
    QCOMPARE(error, ErrorNumber::FileNotFound);
}

Z3D_TEST_GUILESS_MAIN(TestTextFormats)
#include "tst_textformats.moc"
