// Runs the real Z3DgFiles CHECKWAD against WAD files written byte for byte by the test and
// against Debian's Freedoom files, and reads the output the way the launcher does.

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <climits>

using z3d::test::DataTable;

namespace {

const QString CheckerPath = QStringLiteral(Z3D_BIN_DIR "/Z3DgFiles");

struct Lump
{
    QByteArray name;
    QByteArray data;
};

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray entry(quint32 offset, quint32 size, const QByteArray& name)
{
    QByteArray padded = name.left(8);
    padded.append(QByteArray(8 - padded.size(), '\0'));
    return le32(offset) + le32(size) + padded;
}

// A well-formed WAD: header, lump data, then the directory.
QByteArray wad(const QList<Lump>& lumps, const QByteArray& magic = "PWAD")
{
    QByteArray data;
    QByteArray directory;
    for (const Lump& lump : lumps) {
        directory += entry(quint32(12 + data.size()), quint32(lump.data.size()), lump.name);
        data += lump.data;
    }
    return magic + le32(quint32(lumps.size())) + le32(quint32(12 + data.size())) + data + directory;
}

// A binary map: marker then its lumps, each with a little data.
QList<Lump> binaryMap(const QByteArray& marker)
{
    QList<Lump> lumps{{marker, {}}};
    for (const char* name : {"THINGS", "LINEDEFS", "SIDEDEFS", "VERTEXES", "SECTORS"}) {
        lumps.append({name, QByteArray(20, 'x')});
    }
    return lumps;
}

QList<Lump> textMap(const QByteArray& marker)
{
    return {{marker, {}}, {"TEXTMAP", "namespace = \"zdoom\";\n"}, {"ENDMAP", {}}};
}

QList<Lump> maps(const QList<QByteArray>& markers)
{
    QList<Lump> lumps{{"PLAYPAL", QByteArray(768, '\1')}};
    for (const QByteArray& marker : markers) {
        lumps += binaryMap(marker);
    }
    return lumps;
}

Run runChecker(const QStringList& arguments)
{
    QProcess process;
    process.start(CheckerPath, arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The launcher's map-count code: characters 17 and 18 of the output.
int mapCountCode(const QByteArray& output)
{
    const QByteArray s = output.mid(16, 2);
    const auto leadingNumber = [](const QByteArray& text) {
        int value = 0;
        for (char c : text) {
            if (c == ' ')
                continue;
            if (c < '0' || c > '9')
                break;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    if (!s.isEmpty() && s.back() >= '0' && s.back() <= '9')
        return leadingNumber("1" + s);
    return leadingNumber("10" + s.left(1));
}

// The launcher's item reader: an item ends at a comma or a line end, blanks before it are
// skipped, and a double-quoted item may hold commas.
QStringList items(const QByteArray& output)
{
    QStringList result;
    const QString text = QString::fromUtf8(output);
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        QString item;
        if (i < text.size() && text[i] == '"') {
            const qsizetype close = text.indexOf('"', i + 1);
            const qsizetype end = close < 0 ? text.size() : close;
            item = text.mid(i + 1, end - i - 1);
            i = close < 0 ? text.size() : close + 1;
        }
        while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r')
            item += text[i++];
        result.append(item);
        if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        ++i;
    }
    return result;
}

} // namespace

class TestCheckWad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wadFiles_data();
    void wadFiles();
    void countAboveNinetyNine();
    void sparseFourGigabyteFile();
    void freedoom_data();
    void freedoom();
    void titles_data();
    void titles();
    void freedoomTitles_data();
    void freedoomTitles();
    void commandWordIgnoresCase_data();
    void commandWordIgnoresCase();
    void missingOrUnusablePath();
    void usageErrors_data();
    void usageErrors();

private:
    // Checks everything the launcher relies on and returns the map names it would list.
    static QStringList checkOutput(const QByteArray& output);
    QString writeFile(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_dir;
};

void TestCheckWad::initTestCase()
{
    QVERIFY2(QFile::exists(CheckerPath), "build the Z3DgFiles target first");
    QVERIFY(m_dir.isValid());
}

QString TestCheckWad::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QStringList TestCheckWad::checkOutput(const QByteArray& output)
{
    QStringList names;
    const QList<QByteArray> lines = output.split('\n');
    [&] {
        QVERIFY2(output.endsWith('\n'), output.constData());
        QVERIFY2(lines.size() >= 4, output.constData()); // three header lines + final LF
        for (const QByteArray& line : lines.mid(0, lines.size() - 1)) {
            QVERIFY2(!line.isEmpty(), "no empty item may appear");
            QVERIFY2(!line.contains(','), line.constData());
            QVERIFY2(!line.contains('\r'), line.constData());
        }
        const QList<QByteArray> mapLines = lines.mid(3, lines.size() - 4);
        for (const QByteArray& line : mapLines) {
            const QByteArray name = line.left(5).trimmed();
            QVERIFY2(name.size() == 4 || name.size() == 5, line.constData());
            if (name.size() == 4)
                QVERIFY2(line.size() == 4 || line[4] == ' ', line.constData());
            names.append(QString::fromLatin1(name));
        }
        // The launcher's map list: from the fourth item on, first five characters, trimmed.
        QStringList listed;
        for (const QString& item : items(output).mid(3))
            listed.append(item.left(5).trimmed());
        QCOMPARE(listed, names);
        QCOMPARE(mapCountCode(output), 100 + int(names.size()));
        const QByteArray first = lines.first();
        if (names.size() < 10)
            QVERIFY2(first.size() == 17 || first[17] == ' ', first.constData());
    }();
    return names;
}

void TestCheckWad::wadFiles_data()
{
    const DataTable<QByteArray, QStringList, int> row("bytes", "expected", "exitCode");

    const QStringList none;
    QList<QByteArray> twelve;
    QStringList twelveNames;
    for (int i = 1; i <= 12; ++i) {
        twelve.append(QByteArray("MAP") + QByteArray::number(i).rightJustified(2, '0'));
        twelveNames.append(QString::fromLatin1(twelve.back()));
    }

    row("no lumps", wad({}), none, 0);
    row("lumps but no maps", wad({{"PLAYPAL", "abc"}, {"COLORMAP", "def"}}), none, 0);
    row("one binary map", wad(maps({"MAP01"})), QStringList{"MAP01"}, 0);
    row("one episode map", wad(maps({"E1M1"})), QStringList{"E1M1"}, 0);
    row("IWAD signature", wad(maps({"E2M3", "E2M4"}), "IWAD"), QStringList{"E2M3", "E2M4"}, 0);
    row("twelve maps", wad(maps(twelve)), twelveNames, 0);
    row("text maps", wad(textMap("MAP07") + textMap("MAP08")), QStringList{"MAP07", "MAP08"}, 0);
    row("mixed in directory order",
        wad(binaryMap("MAP05") + textMap("E1M1") + binaryMap("E4M9") + binaryMap("MAP00")),
        QStringList{"MAP05", "E1M1", "E4M9", "MAP00"}, 0);
    row("marker not followed by THINGS",
        wad(QList<Lump>{{"MAP01", {}}, {"LINEDEFS", "xx"}, {"THINGS", "xx"}, {"MAP02", {}}}), none,
        0);
    row("marker followed by another marker", wad(QList<Lump>{{"MAP03", {}}} + binaryMap("MAP04")),
        QStringList{"MAP04"}, 0);
    row("marker as the last lump", wad(binaryMap("E1M1") + QList<Lump>{{"E1M2", {}}}),
        QStringList{"E1M1"}, 0);
    row("duplicate marker listed once", wad(maps({"MAP01", "MAP02", "MAP01", "MAP02", "MAP03"})),
        QStringList{"MAP01", "MAP02", "MAP03"}, 0);
    row("lower-case names",
        wad(QList<Lump>{{"map09", {}}, {"things", "xx"}, {"e3m3", {}}, {"textmap", "x"}}),
        QStringList{"MAP09", "E3M3"}, 0);
    row("names that are not map names",
        wad(maps({"E10M1", "E1M10", "MAP1", "MAP001", "MAPAB", "EXM1", "E1M", "MAP01X", "F1M1",
                  "E1N1"})),
        none, 0);

    // Markers pointing at offset 0, and two lumps sharing one data block, as real WADs have.
    QByteArray shared = "PWAD" + le32(4) + le32(12 + 8);
    shared += QByteArray(8, 't');
    shared += entry(0, 0, "MAP02") + entry(12, 8, "THINGS") + entry(0, 0, "MAP03") +
              entry(12, 8, "THINGS");
    row("shared data and markers at zero", shared, QStringList{"MAP02", "MAP03"}, 0);

    // Damaged files: three header items, no map, exit status 1.
    const QByteArray good = wad(maps({"MAP01", "MAP02"}));
    const auto withHeader = [&](qint64 count, quint32 offset) {
        QByteArray bytes = good;
        qToLittleEndian(quint32(count), bytes.data() + 4);
        qToLittleEndian(offset, bytes.data() + 8);
        return bytes;
    };
    const quint32 directory = qFromLittleEndian<quint32>(good.constData() + 8);
    const qint64 lumps = qFromLittleEndian<qint32>(good.constData() + 4);

    row("empty file", QByteArray(), none, 1);
    row("short header", QByteArray("PWAD\x02\0\0\0", 8), none, 1);
    row("unknown signature", "JUNK" + good.mid(4), none, 1);
    row("lower-case signature", "pwad" + good.mid(4), none, 1);
    row("count minus one", withHeader(-1, directory), none, 1);
    row("count most negative", withHeader(INT_MIN, directory), none, 1);
    row("count huge", withHeader(INT_MAX, directory), none, 1);
    row("count one too many", withHeader(lumps + 1, directory), none, 1);
    row("directory beyond the end", withHeader(lumps, quint32(good.size() + 100)), none, 1);
    row("directory offset near 4 GiB", withHeader(lumps, 0xFFFFFFF0u), none, 1);
    row("directory overlapping the header", withHeader(lumps, 4), none, 1);
    row("directory cut short", good.left(good.size() - 5), none, 1);

    const auto withEntry = [&](int index, quint32 offset, quint32 size) {
        QByteArray bytes = good;
        char* field = bytes.data() + directory + index * 16;
        qToLittleEndian(offset, field);
        qToLittleEndian(size, field + 4);
        return bytes;
    };
    row("lump beyond the end", withEntry(2, 12, quint32(good.size())), none, 1);
    row("lump offset wraps past 4 GiB", withEntry(2, 0xFFFFFFF0u, 0x20u), none, 1);
    row("lump size near 4 GiB", withEntry(2, 12, 0xFFFFFFFFu), none, 1);
    row("lump overlapping the header", withEntry(2, 0, 16), none, 1);
    row("lump overlapping the directory", withEntry(2, directory - 4, 8), none, 1);
    row("lump inside the directory", withEntry(0, directory + 16, 16), none, 1);

    // The directory first, then the data: the last lump may end at the file's last byte, and
    // not one byte later.
    const auto dataLast = [](quint32 thingsSize) {
        QByteArray bytes = "PWAD" + le32(2) + le32(12);
        bytes += entry(0, 0, "MAP01") + entry(12 + 2 * 16, thingsSize, "THINGS");
        return bytes + QByteArray(8, 't');
    };
    row("lump ending at the last byte", dataLast(8), QStringList{"MAP01"}, 0);
    row("lump ending one byte past the end", dataLast(9), none, 1);
}

void TestCheckWad::wadFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(int, exitCode);

    const QString path = writeFile(QStringLiteral("case.wad"), bytes);
    QVERIFY(!path.isEmpty());
    const Run run = runChecker({QStringLiteral("CHECKWAD"), path});
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(checkOutput(run.out), expected);
    QCOMPARE(items(run.out).size(), 3 + expected.size());
}

void TestCheckWad::countAboveNinetyNine()
{
    // 100 episode names plus MAP00..MAP09: 110 maps. The launcher reads two characters, so
    // the count must show as 99 there, and every map is still listed.
    QList<QByteArray> markers;
    for (int e = 0; e <= 9; ++e)
        for (int m = 0; m <= 9; ++m)
            markers.append(QByteArray("E") + char('0' + e) + 'M' + char('0' + m));
    for (int m = 0; m <= 9; ++m)
        markers.append(QByteArray("MAP0") + char('0' + m));
    const QString path = writeFile(QStringLiteral("many.wad"), wad(maps(markers)));
    const Run run = runChecker({QStringLiteral("CHECKWAD"), path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.mid(16, 2), QByteArray("99"));
    const QList<QByteArray> lines = run.out.split('\n');
    QCOMPARE(lines.size(), 3 + 110 + 1);
    QCOMPARE(lines[3].left(5), QByteArray("E0M0 "));
    QCOMPARE(lines[3 + 109].left(5), QByteArray("MAP09"));
}

void TestCheckWad::sparseFourGigabyteFile()
{
    // 4 GiB of holes with a 60,000-lump directory at the very end (offset above 2 GiB, so it
    // only works when offsets are read unsigned). Ten maps among the lumps.
    constexpr qint64 FileSize = qint64(1) << 32;
    constexpr int LumpCount = 60000;
    constexpr qint64 DirectoryOffset = FileSize - qint64(LumpCount) * 16;

    QByteArray directory;
    directory.reserve(LumpCount * 16);
    QStringList expected;
    int index = 0;
    for (int map = 1; map <= 10; ++map) {
        const QByteArray marker = "MAP" + QByteArray::number(map).rightJustified(2, '0');
        expected.append(QString::fromLatin1(marker));
        directory += entry(0, 0, marker);
        directory += entry(quint32(12 + map * 4096), 2000, "THINGS");
        directory += entry(quint32(12 + map * 4096 + 2000), 2000, "LINEDEFS");
        index += 3;
    }
    for (; index < LumpCount; ++index)
        directory += entry(quint32(1 << 20) + quint32(index) * 4096u, 4096, "FILLER");

    const QString path = m_dir.filePath(QStringLiteral("huge.wad"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (!file.resize(FileSize))
            QSKIP("the temporary folder cannot hold a 4 GiB sparse file");
        QVERIFY(file.seek(0));
        QVERIFY(file.write("IWAD" + le32(LumpCount) + le32(quint32(DirectoryOffset))) == 12);
        QVERIFY(file.seek(DirectoryOffset));
        QCOMPARE(file.write(directory), qint64(directory.size()));
    }
    QCOMPARE(QFileInfo(path).size(), FileSize);

    const Run run = runChecker({QStringLiteral("CHECKWAD"), path});
    QFile::remove(path);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(checkOutput(run.out), expected);
}

void TestCheckWad::freedoom_data()
{
    const DataTable<QString, QStringList> row("path", "expected");

    QStringList episodes;
    for (int e = 1; e <= 4; ++e)
        for (int m = 1; m <= 9; ++m)
            episodes.append(QStringLiteral("E%1M%2").arg(e).arg(m));
    QStringList numbered;
    for (int m = 1; m <= 32; ++m)
        numbered.append(QStringLiteral("MAP%1").arg(m, 2, 10, QLatin1Char('0')));

    row("freedoom1", QStringLiteral("/usr/share/games/doom/freedoom1.wad"), episodes);
    row("freedoom2", QStringLiteral("/usr/share/games/doom/freedoom2.wad"), numbered);
}

void TestCheckWad::freedoom()
{
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    if (!QFile::exists(path))
        QSKIP("Freedoom is not installed");
    const Run run = runChecker({QStringLiteral("CHECKWAD"), path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(checkOutput(run.out), expected);
    QCOMPARE(run.err, QByteArray());
}

void TestCheckWad::titles_data()
{
    // The lumps that name the maps come after MAP01, MAP02 and E1M1, each a binary map; the
    // expected lines are the three map lines.
    const DataTable<QList<Lump>, QList<QByteArray>> row("titleLumps", "mapLines");
    const QByteArray plain[] = {"MAP01 binary map", "MAP02 binary map", "E1M1  binary map"};
    const auto lines = [&](const QByteArray& one, const QByteArray& two, const QByteArray& e1) {
        return QList<QByteArray>{plain[0] + one, plain[1] + two, plain[2] + e1};
    };
    const QByteArray dehacked = "Patch File for DeHackEd v3.0\n\n[STRINGS]\n"
                                "HUSTR_1 = MAP01: Hydroelectric Plant\n"
                                "HUSTR_2 = level 2: underhalls\n"
                                "HUSTR_E1M1 = E1M1: Hangar\n";
    // A patch of nothing but string assignments.
    const auto strings = [](const QByteArray& assignments) {
        return QList<Lump>{{"DEHACKED", "[STRINGS]\n" + assignments}};
    };

    row("none", QList<Lump>{}, lines("", "", ""));
    row("DEHACKED strings, labels left out", QList<Lump>{{"DEHACKED", dehacked}},
        lines(" \"Hydroelectric Plant\"", " \"underhalls\"", " \"Hangar\""));
    row("strings outside [STRINGS] name nothing",
        QList<Lump>{{"DEHACKED", "[PARS]\nHUSTR_1 = Pars\n[CODEPTR]\nHUSTR_2 = Code\n"}},
        lines("", "", ""));
    row("a continued string",
        QList<Lump>{{"DEHACKED", "[STRINGS]\r\nHUSTR_1 = The Long \\\r\n   Road Home\r\n"}},
        lines(" \"The Long Road Home\"", "", ""));
    row("UMAPINFO before DEHACKED",
        QList<Lump>{{"DEHACKED", dehacked},
                    {"UMAPINFO",
                     "map MAP01\n{\n  label = \"Z1\"\n  levelname = \"Entryway\"\n}\n"
                     "// MAP02 has no levelname here\nMAP MAP02 { next = \"MAP03\" }\n"}},
        lines(" \"Entryway\"", " \"underhalls\"", " \"Hangar\""));
    row("ZMAPINFO title and lookup through LANGUAGE",
        QList<Lump>{{"ZMAPINFO", "map MAP01 \"Tech Base\" { next = \"MAP02\" }\n"
                                 "map E1M1 lookup \"HUSTR_E1M1\" {}\n"},
                    {"LANGUAGE", "[fr]\nHUSTR_E1M1 = \"Hangar F\";\n"
                                 "[enu default]\nHUSTR_E1M1 = \"E1M1: \" \"The Hangar\";\n"},
                    {"MAPINFO", "map MAP02 \"Ignored beside ZMAPINFO\"\n"}},
        lines(" \"Tech Base\"", "", " \"The Hangar\""));
    row("MAPINFO lookup through DEHACKED, Hexen map numbers",
        QList<Lump>{{"MAPINFO", "map 1 \"Winnowing Hall\"\nsky1 SKY2 0\n"
                                "map E1M1 lookup \"HUSTR_2\"\n"},
                    {"DEHACKED", dehacked}},
        lines(" \"Winnowing Hall\"", " \"underhalls\"", " \"level 2: underhalls\""));
    row("MAPINFO comments after ';' outside blocks",
        QList<Lump>{{"MAPINFO", "map 1 \"Winnowing Hall\"\n; map 1 \"Old Hall\"\n"
                                "map MAP02 \"Seven Portals\" { next = \"MAP03\"; }\n"
                                "map E1M1 \"Hangar; Deck\" ; was \"Hangar\"\n"
                                ";map E1M1 \"Commented Out\"\n"}},
        lines(" \"Winnowing Hall\"", " \"Seven Portals\"", " \"Hangar; Deck\""));
    row("MAPINFO includes read in place, a loop ends",
        QList<Lump>{{"MAPINFO", "include \"Mapdefs\"\ninclude NOSUCH\nmap 2 \"Seven Portals\"\n"},
                    {"MAPDEFS", "map 1 \"Winnowing Hall\"\nmap 2 \"Old Portals\"\n"
                                "include MAPDEFS\nmap E1M1 \"Loop Ends\"\n"}},
        lines(" \"Winnowing Hall\"", " \"Seven Portals\"", " \"Loop Ends\""));
    row("EMAPINFO",
        QList<Lump>{
            {"EMAPINFO", "# Eternity\n[MAP02]\nlevelname = Nirvana\n[E1M1]\nmusic = e1m1\n"}},
        lines("", " \"Nirvana\"", ""));
    row("characters that could break an item",
        QList<Lump>{{"UMAPINFO",
                     "map MAP01 { levelname = \"Hell, \\\"Again\\\"\" }\n"
                     "map MAP02 { levelname = \"Tab\\there,\\nand \\x\x01 \xff end  \" }\n"}},
        lines(" \"Hell\xE2\x80\x9A 'Again'\"", " \"Tab here\xE2\x80\x9A and x \xC3\xBF end\"", ""));
    row("a title not in UTF-8 read as Windows-1252",
        QList<Lump>{{"UMAPINFO", "map MAP01 { levelname = \"Ch\xE2teau d'\xE9t\xE9 \x96 \x81\" }\n"
                                 "map MAP02 { levelname = \"Caf\xC3\xA9\" }\n"}},
        lines(" \"Ch\xC3\xA2teau d'\xC3\xA9t\xC3\xA9 \xE2\x80\x93 ?\"", " \"Caf\xC3\xA9\"", ""));
    // "x" and 70 two-byte characters: the 120th byte would split a character, so 119 stay.
    const QByteArray accents = "x" + QString(70, QChar(0xE9)).toUtf8();
    row("a long title is cut between characters",
        QList<Lump>{{"UMAPINFO", "map E1M1 { levelname = \"" + accents + "\" }"}},
        lines("", "", " \"" + accents.left(119) + "\""));
    row("a later lump of a kind wins, map by map",
        QList<Lump>{{"UMAPINFO", "map MAP01 { levelname = \"Old\" }\n"
                                 "map MAP02 { levelname = \"Kept\" }\n"},
                    {"UMAPINFO", "map MAP01 { levelname = \"New\" }\n"}},
        lines(" \"New\"", " \"Kept\"", ""));
    row("Plutonia and TNT strings where Doom II's are missing",
        strings("phustr_1 = level 1: congo\nTHUSTR_2 = level 2: wormhole\n"
                "PHUSTR_E1M1 = Not a map\n"),
        lines(" \"congo\"", " \"wormhole\"", ""));
    row("Doom II's strings before Plutonia's, Plutonia's before TNT's",
        strings("THUSTR_1 = System Control\nPHUSTR_2 = Well of Souls\n"
                "HUSTR_1 = Entryway\nTHUSTR_2 = Human BBQ\n"),
        lines(" \"Entryway\"", " \"Well of Souls\"", ""));
    row("only a label naming the map itself is left out",
        strings("HUSTR_1 = Episode 2: The Shores\nHUSTR_2 = map 2: E2M1: Deimos\n"
                "HUSTR_E1M1 = c1m1: Outer Prison\n"),
        lines(" \"Episode 2: The Shores\"", " \"E2M1: Deimos\"", " \"Outer Prison\""));
    // Its lengths do not count carriage returns.
    const auto textBlock = [](const QByteArray& original, const QByteArray& replacement) {
        return "Text " + QByteArray::number(original.size()) + ' ' +
               QByteArray::number(replacement.size() - replacement.count('\r')) + "\r\n" +
               original + replacement + "\r\n";
    };
    row("DEHACKED Text blocks replacing the original map names",
        QList<Lump>{{"DEHACKED", "Patch File for DeHackEd v2.3\r\n\r\n" +
                                     textBlock("You need a blue key", "Blue!") +
                                     textBlock("level 1: entryway", "The Front\r\nDoor") +
                                     textBlock("level 2: well of souls", "Well of Tears") +
                                     textBlock("E1M1: Hangar", "E1M1: Landing Zone")}},
        lines(" \"The Front Door\"", " \"Well of Tears\"", " \"Landing Zone\""));
    row("a label alone is no title",
        strings("HUSTR_1 = MAP01\nHUSTR_2 = MAP02:\nHUSTR_E1M1 = Part Two: Of Three: Done\n"),
        lines("", "", " \"Part Two: Of Three: Done\""));
}

void TestCheckWad::titles()
{
    QFETCH(QList<Lump>, titleLumps);
    QFETCH(QList<QByteArray>, mapLines);
    const QString path =
        writeFile(QStringLiteral("titled.wad"), wad(maps({"MAP01", "MAP02", "E1M1"}) + titleLumps));
    const Run run = runChecker({QStringLiteral("CHECKWAD"), path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(checkOutput(run.out), QStringList({"MAP01", "MAP02", "E1M1"}));
    QCOMPARE(run.out.split('\n').mid(3, 3), mapLines);
}

void TestCheckWad::freedoomTitles_data()
{
    const DataTable<QString, QString, QString> row("path", "map", "title");
    const QString doom1 = QStringLiteral("/usr/share/games/doom/freedoom1.wad");
    const QString doom2 = QStringLiteral("/usr/share/games/doom/freedoom2.wad");
    row("MAP01", doom2, QStringLiteral("MAP01"), QStringLiteral("Hydroelectric Plant"));
    row("MAP12", doom2, QStringLiteral("MAP12"), QStringLiteral("Railroads"));
    row("MAP32", doom2, QStringLiteral("MAP32"), QStringLiteral("Not Sure"));
    row("E1M1", doom1, QStringLiteral("E1M1"), QStringLiteral("Outer Prison"));
    row("E4M9", doom1, QStringLiteral("E4M9"), QStringLiteral("Operations"));
}

void TestCheckWad::freedoomTitles()
{
    QFETCH(QString, path);
    QFETCH(QString, map);
    QFETCH(QString, title);
    if (!QFile::exists(path))
        QSKIP("Freedoom is not installed");
    const Run run = runChecker({QStringLiteral("CHECKWAD"), path});
    const QStringList all = items(run.out);
    const auto line = std::find_if(all.begin(), all.end(),
                                   [&](const QString& item) { return item.startsWith(map); });
    QVERIFY(line != all.end());
    QCOMPARE(*line, map.leftJustified(5) + QStringLiteral(" binary map \"") + title + u'"');
}

void TestCheckWad::commandWordIgnoresCase_data()
{
    const DataTable<QString> row("command");
    row("lower", QStringLiteral("checkwad"));
    row("mixed", QStringLiteral("CheckWad"));
}

void TestCheckWad::commandWordIgnoresCase()
{
    QFETCH(QString, command);
    // A folder and file name with blanks and a comma reach the checker as one argument.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("My Games, old")));
    const QString path =
        writeFile(QStringLiteral("My Games, old/Two Maps.wad"), wad(maps({"E1M1", "E1M2"})));
    const Run upper = runChecker({QStringLiteral("CHECKWAD"), path});
    const Run other = runChecker({command, path});
    QCOMPARE(other.exitCode, 0);
    QCOMPARE(other.out, upper.out);
    QCOMPARE(checkOutput(other.out), QStringList({"E1M1", "E1M2"}));
}

void TestCheckWad::missingOrUnusablePath()
{
    for (const QString& path : {m_dir.filePath(QStringLiteral("absent.wad")), m_dir.path(),
                                QStringLiteral("/dev/null")}) {
        const Run run = runChecker({QStringLiteral("CHECKWAD"), path});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(checkOutput(run.out), QStringList());
    }
}

void TestCheckWad::usageErrors_data()
{
    const DataTable<QStringList> row("arguments");
    row("nothing", QStringList());
    row("command only", QStringList{"CHECKWAD"});
    row("empty path", QStringList{"CHECKWAD", ""});
    row("unknown command", QStringList{"LISTMAPS", "/tmp"});
    row("extra argument", QStringList{"CHECKWAD", "a.wad", "b.wad"});
}

void TestCheckWad::usageErrors()
{
    QFETCH(QStringList, arguments);
    const Run run = runChecker(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(run.err.contains("Usage"));
}

Z3D_TEST_GUILESS_MAIN(TestCheckWad)
#include "tst_checkwad.moc"
