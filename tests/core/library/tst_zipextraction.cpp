// The zip extraction on archives written by the test with libzip and by the archivers players
// use (Info-ZIP zip, 7-Zip, bsdtar, Python's zipfile): flat, overwriting, hostile names kept
// inside the folder, links skipped, encrypted members and the password rules, 7-Zip's AES
// members that record no CRC, archives that are no zip, damaged members, directories that lie
// about a member's size, cancelled runs and failed writes that keep the earlier copy.

#include "core/library/ZipExtraction.h"
#include "core/library/ZipLibrary.h"
#include "core/platform/FaultInjector.h"

#include "support/Archivers.h"
#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/GameFileBytes.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProgress.h"
#include "support/SmallTmpfs.h"
#include "support/TestRegistry.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

#include <list>

using namespace z3d;
using namespace z3d::test;

namespace {

// Writes a zip archive member by member; the data stays alive until close().
class ZipWriter
{
public:
    explicit ZipWriter(const QString& path)
    {
        int error = 0;
        m_archive =
            zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    }
    ~ZipWriter()
    {
        if (m_archive)
            zip_discard(m_archive);
    }

    zip_int64_t add(const char* name, const QByteArray& data, zip_uint16_t encryption = 0,
                    const char* password = nullptr, zip_int32_t compression = ZIP_CM_DEFLATE)
    {
        const QByteArray& kept = m_data.emplace_back(data);
        zip_source_t* source = zip_source_buffer(m_archive, kept.constData(), kept.size(), 0);
        const zip_int64_t index =
            zip_file_add(m_archive, name, source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            return index;
        }
        zip_set_file_compression(m_archive, index, compression, 0);
        if (encryption != ZIP_EM_NONE)
            zip_file_set_encryption(m_archive, index, encryption, password);
        return index;
    }
    void addDirectory(const char* name) { zip_dir_add(m_archive, name, ZIP_FL_ENC_UTF_8); }
    void addSymlink(const char* name, const QByteArray& target)
    {
        const zip_int64_t index = add(name, target, ZIP_EM_NONE, nullptr, ZIP_CM_STORE);
        zip_file_set_external_attributes(m_archive, index, 0, ZIP_OPSYS_UNIX, 0120777u << 16);
    }
    bool close()
    {
        const bool ok = m_archive && zip_close(m_archive) == 0;
        if (ok)
            m_archive = nullptr;
        return ok;
    }

private:
    zip_t* m_archive = nullptr;
    std::list<QByteArray> m_data;
};

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

const QString kPrompt = QStringLiteral("Please Enter The Password!");
const QString kNoZipText = QStringLiteral("This file does not appear to be a valid zip file.    ");

using Files = QList<std::pair<QString, QByteArray>>;

// What a player's archive holds: a wad, noise that does not compress and a text that does.
Files playersFiles()
{
    return {{"castle.wad", wadWithMaps({"MAP01", "MAP02"}) + QByteArray(70000, 'x')},
            {"noise.lmp", randomBytes(300 * 1024, 11)},
            {"readme.txt", QByteArray("Castle, a map set for Zorn3D.\r\n").repeated(3000)}};
}

// Whether folder holds exactly files, names and contents: nothing more, no temporary.
bool holdsExactly(const QString& folder, const Files& files)
{
    QStringList names;
    for (const auto& [name, content] : files) {
        if (readBytes(folder + u'/' + name) != content)
            return false;
        names << name;
    }
    names.sort();
    return entries(folder) == names;
}

} // namespace

Q_DECLARE_METATYPE(z3d::test::Archiver)

class TestZipExtraction : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { FaultInjector::clear(); }

    void flatMemberName_data();
    void flatMemberName();

    void nestedFoldersFlattened();
    void sameNamesOverwritten();
    void hostileMembersKeptOut();
    void quotedNamesRefused();
    void linksSkippedAndNeverFollowed();
    void thousandsOfMembers();
    void missingFolderIsMade();
    void progressCountsEveryWrittenByte();

    void passwordAnswered_data();
    void passwordAnswered();
    void emptyAnswerSkipsForTheRun_data();
    void emptyAnswerSkipsForTheRun();
    void wrongPasswordAsksAgain();

    void archivesOfOtherTools_data();
    void archivesOfOtherTools();
    void aesMemberRefused_data();
    void aesMemberRefused();
    void directoryThatUnderstatesASize();
    void cancelledRunLeavesTheFolderAsItWas();

    void rejectedArchive_data();
    void rejectedArchive();
    void damagedMemberKeepsEarlierCopy();
    void failedWriteKeepsEarlierCopy();
    void noRoomLeavesTheFolderAsItWas_data();
    void noRoomLeavesTheFolderAsItWas();
    void unloadableLibraryIsNamed();

private:
    QString zipPath() const { return m_dir->filePath("test.zip"); }
    QString folder() const { return m_dir->filePath("Z3DLaunch/Zips"); }

    // Extracts test.zip into folder() through m_extraction, which asks m_dialogs.
    bool extract() { return m_extraction->extract(zipPath(), folder()); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<ZipExtraction> m_extraction;
};

void TestZipExtraction::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath("Z3DLaunch/Zips"));
    m_extraction.reset();
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_extraction = std::make_unique<ZipExtraction>(*m_dialogs);
}

void TestZipExtraction::flatMemberName_data()
{
    const DataTable<QString, QString> row("member",
                                          "written"); // "" skipped

    row("plain", "castle.wad", "castle.wad");
    row("nested", "castle/maps/castle.wad", "castle.wad");
    row("backslashes", "castle\\maps\\e1.deh", "e1.deh");
    row("blanks and letters", "dir/Mé map 2.wad", "Mé map 2.wad");
    row("parent then name", "../evil.wad", "evil.wad");
    row("climbing then name", "a/../../x", "x");
    row("hidden file", ".hidden", ".hidden");
    row("empty", "", "");
    // Folder entries, names with nothing to write, names that reach outside the folder.
    for (const char* member : {"castle/maps/", ".", "..", "a/..", "a/...", ". .", "/abs.wad",
                               "\\abs.wad", "C:\\games\\abs.wad", "c:abs.wad"})
        row(member, member, "");
}

void TestZipExtraction::flatMemberName()
{
    QFETCH(QString, member);
    QTEST(ZipExtraction::flatMemberName(member), "written");
}

void TestZipExtraction::nestedFoldersFlattened()
{
    const QByteArray wad = randomBytes(3 * 1024 * 1024 + 5, 1); // several copy chunks
    ZipWriter zip(zipPath());
    zip.addDirectory("castle");
    zip.addDirectory("castle/maps");
    zip.add("castle/maps/castle.wad", wad);
    zip.add("castle/readme.txt", "Read me\r\n", ZIP_EM_NONE, nullptr, ZIP_CM_STORE);
    zip.add("other/deep/deeper/e1.deh", "Patch File for DeHackEd v3.0\n");
    QVERIFY(zip.close());

    QVERIFY(extract());
    QCOMPARE(entries(folder()), QStringList({"castle.wad", "e1.deh", "readme.txt"}));
    QCOMPARE(readBytes(folder() + "/castle.wad"), wad);
    QCOMPARE(readBytes(folder() + "/readme.txt"), QByteArray("Read me\r\n"));
    QCOMPARE(m_extraction->lastRun().written, 3);
    QCOMPARE(m_extraction->lastRun().skippedNames, 2);
    QVERIFY(m_dialogs->calls().isEmpty());
}

void TestZipExtraction::sameNamesOverwritten()
{
    QVERIFY(writeBytes(folder() + "/MAP.WAD", "from an earlier archive"));
    ZipWriter zip(zipPath());
    zip.add("a/map.wad", "first");
    zip.add("b/Map.wad", "second");
    zip.add("c/map.WAD", "last");
    QVERIFY(zip.close());

    QVERIFY(extract());
    // The file keeps the spelling it has on disk.
    QCOMPARE(entries(folder()), QStringList({"MAP.WAD"}));
    QCOMPARE(readBytes(folder() + "/MAP.WAD"), QByteArray("last"));
}

void TestZipExtraction::hostileMembersKeptOut()
{
    const QStringList before = entries(m_dir->path() + "/Z3DLaunch");
    const bool rootHadAbs = QFile::exists("/abs.wad");
    ZipWriter zip(zipPath());
    zip.add("../evil.wad", "e");
    zip.add("../../evil2.wad", "e");
    zip.add("/abs.wad", "a");
    zip.add("a/../../x", "x");
    zip.add("..", "d");
    zip.add("../", "d");
    zip.add("\\..\\win.wad", "w");
    zip.add("C:\\win\\drive.wad", "w");
    zip.add("good.wad", "g");
    QVERIFY(zip.close());

    QVERIFY(extract());
    QCOMPARE(entries(folder()), QStringList({"evil.wad", "evil2.wad", "good.wad", "x"}));
    QCOMPARE(entries(m_dir->path() + "/Z3DLaunch"), before);
    QCOMPARE(entries(m_dir->path()), QStringList({"Z3DLaunch", "test.zip"}));
    QCOMPARE(QFile::exists("/abs.wad"), rootHadAbs);
    QCOMPARE(m_extraction->lastRun().skippedNames, 5);
}

// A double quote in a member's name would split the engine's arguments: the member is not
// extracted, the player is told which, and the rest of the archive still is.
void TestZipExtraction::quotedNamesRefused()
{
    const char* evil = "evil\" -exec \"pwn.cfg\" -connect \"203.0.113.9.wad";
    ZipWriter zip(zipPath());
    zip.add((QByteArray("maps/") + evil).constData(), "PWAD");
    zip.add("\"quoted\".deh", "Patch");
    zip.add("it's, a -exec test.wad", "PWAD");
    QVERIFY(zip.close());
    QCOMPARE(ZipExtraction::requiredBytes(zipPath()), 4);

    QVERIFY(m_extraction->extractSelectedZip(zipPath(), folder(), true));
    QCOMPARE(entries(folder()), QStringList({"it's, a -exec test.wad"}));
    QCOMPARE(m_extraction->lastRun().refusedNames,
             QStringList({QString::fromUtf8(evil), "\"quoted\".deh"}));
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->messages().at(0).title, QString(" File error"));
    QCOMPARE(m_dialogs->messages().at(0).text,
             "These files of the zip file were not extracted: a double quote in a file's name "
             "cannot be passed to Zorn3D.    \r\n" +
                 QString::fromUtf8(evil) + "\r\n\"quoted\".deh");
}

void TestZipExtraction::linksSkippedAndNeverFollowed()
{
    const QString outside = m_dir->filePath("outside.wad");
    QVERIFY(writeBytes(outside, "not to be touched"));
    // A link already in the folder: the member of its name replaces the link itself.
    QVERIFY(QFile::link(outside, folder() + "/victim.wad"));
    ZipWriter zip(zipPath());
    zip.addSymlink("maps/link.wad", outside.toUtf8());
    zip.addSymlink("up", "..");
    zip.add("victim.wad", "from the archive");
    QVERIFY(zip.close());

    QVERIFY(extract());
    QCOMPARE(entries(folder()), QStringList({"victim.wad"}));
    QVERIFY(!QFileInfo(folder() + "/victim.wad").isSymLink());
    QCOMPARE(readBytes(folder() + "/victim.wad"), QByteArray("from the archive"));
    QCOMPARE(readBytes(outside), QByteArray("not to be touched"));
    QCOMPARE(m_extraction->lastRun().skippedLinks, 2);
}

void TestZipExtraction::thousandsOfMembers()
{
    ZipWriter zip(zipPath());
    for (int i = 0; i < 3000; ++i) {
        const QByteArray name = QStringLiteral("dir%1/m%2.lmp").arg(i % 7).arg(i).toUtf8();
        QVERIFY(zip.add(name.constData(), QByteArray::number(i)) >= 0);
    }
    QVERIFY(zip.close());

    QVERIFY(extract());
    QCOMPARE(m_extraction->lastRun().written, 3000);
    QCOMPARE(entries(folder()).size(), 3000);
    QCOMPARE(readBytes(folder() + "/m2999.lmp"), QByteArray("2999"));
}

void TestZipExtraction::missingFolderIsMade()
{
    ZipWriter zip(zipPath());
    zip.add("a.wad", "a");
    QVERIFY(zip.close());

    RecordingDialogs dialogs;
    ZipExtraction extraction(dialogs);
    const QString made = m_dir->filePath("Z3DGames/castle/Pwads");
    QVERIFY(extraction.extract(zipPath(), made));
    QCOMPARE(entries(made), QStringList({"a.wad"}));
    // No folder: the archive is only checked.
    QVERIFY(extraction.extract(zipPath(), QString()));
    QCOMPARE(extraction.lastRun().written, 0);
}

void TestZipExtraction::progressCountsEveryWrittenByte()
{
    const QByteArray big = randomBytes(3 * 1024 * 1024 + 5, 3); // several copy chunks
    ZipWriter zip(zipPath());
    zip.addDirectory("maps");
    zip.add("maps/big.wad", big);
    zip.add("readme.txt", "Read me");
    zip.add("/etc/kept-out.txt", "kept out"); // an absolute name is never written
    QVERIFY(zip.close());
    RecordingProgress progress;
    ZipExtraction extraction(*m_dialogs, &progress);

    QVERIFY(extraction.extract(zipPath(), folder()));
    QCOMPARE(progress.titles(), QStringList{" Extracting"});
    QCOMPARE(progress.total(), big.size() + 7);
    QCOMPARE(progress.fileNames(), QStringList({"big.wad", "readme.txt"}));
    QVERIFY(progress.steps().size() > 3);
    QVERIFY(progress.neverWentBack());
    QCOMPARE(progress.steps().constLast().doneBytes, progress.total());
    QCOMPARE(progress.open(), 0);

    // A run cut short by a full disk ends its progress all the same.
    FaultInjector::fail(FileOperation::Write, folder() + "/readme.txt", ErrorNumber::DiskFull);
    QVERIFY(!extraction.extract(zipPath(), folder()));
    QCOMPARE(progress.titles().size(), 2);
    QCOMPARE(progress.open(), 0);
}

void TestZipExtraction::passwordAnswered_data()
{
    const DataTable<int> row("method");
    row("AES-256", int(ZIP_EM_AES_256));
    row("traditional", int(ZIP_EM_TRAD_PKWARE));
}

void TestZipExtraction::passwordAnswered()
{
    QFETCH(int, method);
    if (!zip_encryption_method_supported(zip_uint16_t(method), 1))
        QSKIP("libzip cannot write this encryption");
    const QByteArray wad = randomBytes(600 * 1024, 2);
    ZipWriter zip(zipPath());
    zip.add("open.txt", "plain");
    zip.add("maps/secret.wad", wad, zip_uint16_t(method), "s3cret");
    zip.add("secret.deh", "patch", zip_uint16_t(method), "s3cret");
    QVERIFY(zip.close());

    RecordingDialogs dialogs;
    dialogs.answerInput(QString("s3cret"));
    ZipExtraction extraction(dialogs);
    QVERIFY(extraction.extract(zipPath(), folder()));
    QCOMPARE(readBytes(folder() + "/secret.wad"), wad);
    QCOMPARE(readBytes(folder() + "/secret.deh"), QByteArray("patch"));
    QCOMPARE(readBytes(folder() + "/open.txt"), QByteArray("plain"));
    // Asked once: the password that opened the first member opens the second.
    QCOMPARE(dialogs.calls().size(), 1);
    QCOMPARE(dialogs.calls().at(0).kind, RecordingDialogs::Kind::InputBox);
    QCOMPARE(dialogs.calls().at(0).text, kPrompt);
    QCOMPARE(dialogs.calls().at(0).title, QString());
    QCOMPARE(dialogs.calls().at(0).defaultText, QString());
}

void TestZipExtraction::emptyAnswerSkipsForTheRun_data()
{
    const DataTable<std::optional<QString>> row("answer");
    row("empty", std::optional<QString>(QString()));
    row("cancelled", std::optional<QString>());
}

void TestZipExtraction::emptyAnswerSkipsForTheRun()
{
    QFETCH(std::optional<QString>, answer);
    ZipWriter zip(zipPath());
    zip.add("one.wad", "1", ZIP_EM_AES_256, "pw");
    zip.add("plain.wad", "p");
    zip.add("two.wad", "2", ZIP_EM_AES_256, "pw");
    QVERIFY(zip.close());
    const QString second = m_dir->filePath("second.zip");
    ZipWriter other(second);
    other.add("three.wad", "3", ZIP_EM_AES_256, "pw");
    QVERIFY(other.close());

    RecordingDialogs dialogs;
    dialogs.answerInput(answer);
    dialogs.answerInput(QString("pw")); // never asked for
    ZipExtraction extraction(dialogs);
    // The members left out make each extraction a failure the player is told about.
    QVERIFY(!extraction.extract(zipPath(), folder()));
    QVERIFY(extraction.passwordDeclined());
    QVERIFY(!extraction.extract(second, folder()));
    QCOMPARE(entries(folder()), QStringList({"plain.wad"}));
    QCOMPARE(extraction.lastRun().skippedEncrypted, 1);
    QCOMPARE(dialogs.calls().size(), 1);
}

void TestZipExtraction::wrongPasswordAsksAgain()
{
    ZipWriter zip(zipPath());
    zip.add("one.wad", "1", ZIP_EM_AES_256, "right");
    zip.add("two.wad", "2", ZIP_EM_AES_256, "right");
    QVERIFY(zip.close());

    RecordingDialogs dialogs;
    dialogs.answerInput(QString("wrong"));
    dialogs.answerInput(QString("right"));
    ZipExtraction extraction(dialogs);
    QVERIFY(!extraction.extract(zipPath(), folder()));
    QVERIFY(!extraction.passwordDeclined());
    QCOMPARE(dialogs.calls().size(), 2);
    QCOMPARE(entries(folder()), QStringList({"two.wad"}));
    QCOMPARE(readBytes(folder() + "/two.wad"), QByteArray("2"));
}

void TestZipExtraction::archivesOfOtherTools_data()
{
    // password: the answer to the one question asked; message: why not every member landed.
    const DataTable<Archiver, QString, QString> row("archiver", "password", "message");
    const QString secret = QStringLiteral("s3cret");
    const QString aes = QStringLiteral("-mem=AES256");
    const auto unsupported = [](const char* method) {
        return ZipExtraction::unsupportedMethodsText({QString::fromLatin1(method)});
    };
    row("Info-ZIP zip", Archiver::infoZip(), "", "");
    row("Info-ZIP zip -P", Archiver::infoZip({"-P", secret}), secret, "");
    row("7-Zip deflate", Archiver::sevenZip({"-mm=Deflate"}), "", "");
    row("7-Zip store", Archiver::sevenZip({"-mm=Copy"}), "", "");
    row("7-Zip AES-256 deflate", Archiver::sevenZip({"-p" + secret, aes}), secret, "");
    row("7-Zip AES-256 store", Archiver::sevenZip({"-p" + secret, aes, "-mm=Copy"}), secret, "");
    row("7-Zip PPMd", Archiver::sevenZip({"-mm=PPMd"}), "", unsupported("PPMd"));
    row("7-Zip AES-256 LZMA", Archiver::sevenZip({"-p" + secret, aes, "-mm=LZMA"}), secret,
        unsupported("LZMA"));
    row("Python stored", Archiver::python("ZIP_STORED"), "", "");
    row("Python deflated", Archiver::python("ZIP_DEFLATED"), "", "");
    row("Python bzip2", Archiver::python("ZIP_BZIP2"), "", "");
    row("Python lzma", Archiver::python("ZIP_LZMA"), "", unsupported("LZMA"));
    row("bsdtar", Archiver::bsdtar(), "", "");
}

// Each archive either extracts byte for byte, or the player is told why and the folder is
// left as it was.
void TestZipExtraction::archivesOfOtherTools()
{
    QFETCH(Archiver, archiver);
    QFETCH(QString, password);
    QFETCH(QString, message);
    if (const QString missing = archiver.missing(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    const Files files = playersFiles();
    const ToolRun made = archiver.write(zipPath(), files);
    QVERIFY2(made.exitCode == 0, made.output.constData());
    QVERIFY(writeBytes(folder() + "/readme.txt", "earlier copy"));

    RecordingDialogs dialogs;
    dialogs.answerInput(password);
    ZipExtraction extraction(dialogs);
    QCOMPARE(extraction.extractSelectedZip(zipPath(), folder(), true), message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(holdsExactly(folder(), files));
    } else {
        // 7-Zip stores what does not compress: such members still land, whole.
        QCOMPARE(readBytes(folder() + "/readme.txt"), QByteArray("earlier copy"));
        for (const QString& name : entries(folder())) {
            const auto member = std::find_if(files.begin(), files.end(),
                                             [&](const auto& file) { return file.first == name; });
            QVERIFY2(member != files.end(), qPrintable(name + " was left"));
            QVERIFY(name == "readme.txt" || readBytes(folder() + u'/' + name) == member->second);
        }
    }
    QCOMPARE(dialogs.calls().size() - dialogs.messages().size(), password.isEmpty() ? 0 : 1);
    QCOMPARE(dialogs.messages().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(dialogs.messages().at(0).title, QString(" File error"));
        QCOMPARE(dialogs.messages().at(0).text, message);
        QCOMPARE(dialogs.messages().at(0).style, 16);
    }
}

void TestZipExtraction::aesMemberRefused_data()
{
    // damage: "password" answers a wrong one; "data" and "code" flip a byte of the encrypted
    // data or of the authentication code after it; "crc" records a CRC the data does not have.
    const DataTable<bool, QString> row("stored", "damage");
    row("wrong password", false, "password");
    row("data byte flipped, stored", true, "data");
    row("data byte flipped, deflated", false, "data");
    row("authentication code flipped, stored", true, "code");
    row("authentication code flipped, deflated", false, "code");
    // WinZip's AE-1 form records the CRC: it is still compared.
    row("CRC recorded and wrong, stored", true, "crc");
    row("CRC recorded and wrong, deflated", false, "crc");
}

// 7-Zip's AES members record no CRC: the authentication code alone vouches for them, and a
// member it does not vouch for is refused whole.
void TestZipExtraction::aesMemberRefused()
{
    const auto [stored, damage] = fetchRow<bool, QString>("stored", "damage");
    const Archiver sevenZip =
        Archiver::sevenZip({"-ps3cret", "-mem=AES256", stored ? "-mm=Copy" : "-mm=Deflate"});
    if (const QString missing = sevenZip.missing(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    const Files files{{"castle.wad", QByteArray("Castle for Zorn3D\r\n").repeated(5000)}};
    const ToolRun made = sevenZip.write(zipPath(), files);
    QVERIFY2(made.exitCode == 0, made.output.constData());
    QByteArray bytes = readBytes(zipPath());
    const QList<ZipMemberBytes> members = zipMembers(bytes);
    QCOMPARE(members.size(), 1);
    const ZipMemberBytes& member = members.at(0);
    // The encrypted data lies between a salt and verifier of 18 bytes and a code of 10.
    const qsizetype flipped = damage == "data"   ? member.data + 18 + (member.dataSize - 28) / 2
                              : damage == "code" ? member.data + member.dataSize - 1
                                                 : -1;
    if (flipped >= 0)
        bytes[flipped] = char(bytes[flipped] ^ 0x04);
    if (damage == "crc") {
        putLittle32(bytes, member.localHeader + 14, 0x5a3dc0de);
        putLittle32(bytes, member.centralHeader + 16, 0x5a3dc0de);
    }
    QVERIFY(writeBytes(zipPath(), bytes));
    QVERIFY(writeBytes(folder() + "/castle.wad", "earlier copy"));

    RecordingDialogs dialogs;
    dialogs.answerInput(damage == "password" ? QString("wrong") : QString("s3cret"));
    ZipExtraction extraction(dialogs);
    QVERIFY(!extraction.extractSelectedZip(zipPath(), folder(), true));
    QVERIFY(holdsExactly(folder(), {{"castle.wad", "earlier copy"}}));
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().at(0).text, kNoZipText);
}

// A directory that declares 53 KB for a member that inflates to 64 MiB: the member is damaged
// and refused before it fills the disk, which here is a small one of the test's own.
void TestZipExtraction::directoryThatUnderstatesASize()
{
    SmallTmpfs disk(2048);
    if (!disk.isMounted()) {
        const SmallTmpfs::Rerun rerun = SmallTmpfs::rerun();
        if (rerun.ran) {
            QVERIFY2(rerun.passed, qPrintable(rerun.output));
            return;
        }
        QSKIP(qPrintable("no tmpfs of the test's own could be mounted: " + disk.why()));
    }
    constexpr quint32 kDeclared = 53 * 1024;
    ZipWriter zip(zipPath());
    zip.add("maps/bomb.wad", QByteArray(64 << 20, '\0'));
    zip.add("fine.wad", "fine");
    QVERIFY(zip.close());
    QByteArray bytes = readBytes(zipPath());
    const QList<ZipMemberBytes> members = zipMembers(bytes);
    QCOMPARE(members.size(), 2);
    putLittle32(bytes, members.at(0).localHeader + 22, kDeclared);
    putLittle32(bytes, members.at(0).centralHeader + 24, kDeclared);
    QVERIFY(writeBytes(zipPath(), bytes));
    QCOMPARE(ZipExtraction::requiredBytes(zipPath()), kDeclared + 4);
    const QString target = disk.path("Zips");
    QVERIFY(writeBytes(target + "/bomb.wad", "earlier copy"));

    RecordingDialogs dialogs;
    ZipExtraction extraction(dialogs);
    QVERIFY(!extraction.extractSelectedZip(zipPath(), target, true));
    QVERIFY(holdsExactly(target, {{"bomb.wad", "earlier copy"}, {"fine.wad", "fine"}}));
    QCOMPARE(extraction.lastRun().failed, 1);
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().at(0).text, kNoZipText);
}

// The player closes the progress window part-way: the run stops there and every member it
// wrote is discarded, without a word.
void TestZipExtraction::cancelledRunLeavesTheFolderAsItWas()
{
    ZipWriter zip(zipPath());
    zip.add("a.wad", randomBytes(1 << 20, 8));
    zip.add("b.wad", randomBytes(1 << 20, 9));
    zip.add("c.wad", randomBytes(1 << 20, 10));
    QVERIFY(zip.close());
    QVERIFY(writeBytes(folder() + "/b.wad", "earlier copy"));
    RecordingProgress progress;
    progress.cancelOn("b.wad");
    ZipExtraction extraction(*m_dialogs, &progress);

    QVERIFY(!extraction.extractSelectedZip(zipPath(), folder(), true));
    QVERIFY(extraction.lastRun().cancelled);
    QCOMPARE(progress.fileNames(), QStringList({"a.wad", "b.wad"}));
    QCOMPARE(progress.open(), 0);
    QVERIFY(holdsExactly(folder(), {{"b.wad", "earlier copy"}}));
    QVERIFY(m_dialogs->calls().isEmpty());
}

void TestZipExtraction::rejectedArchive_data()
{
    const DataTable<QString, bool> row("kind", "visible");
    row("not a zip", "text", true);
    row("not a zip, window hidden", "text", false);
    row("truncated", "truncated", true);
    row("empty file", "empty", true);
    row("missing", "missing", true);
}

void TestZipExtraction::rejectedArchive()
{
    const auto [kind, visible] = fetchRow<QString, bool>("kind", "visible");

    if (kind == "text") {
        QVERIFY(writeBytes(zipPath(), "PK\3\4 this is a text file ending in .zip\r\n"));
    } else if (kind == "truncated") {
        ZipWriter zip(zipPath());
        zip.add("a.wad", randomBytes(64 * 1024, 3));
        zip.add("b.wad", randomBytes(64 * 1024, 4));
        QVERIFY(zip.close());
        QFile file(zipPath());
        QVERIFY(file.resize(file.size() / 2));
    } else if (kind == "empty") {
        QVERIFY(writeBytes(zipPath(), {}));
    }

    RecordingDialogs dialogs;
    ZipExtraction extraction(dialogs);
    QVERIFY(!extraction.extractSelectedZip(zipPath(), folder(), visible));
    QVERIFY(!extraction.lastRun().opened);
    QVERIFY(entries(folder()).isEmpty());
    QCOMPARE(dialogs.messages().size(), visible ? 1 : 0);
    // Without the main window the message waits for it, and is told once.
    extraction.tellUntoldFailure();
    extraction.tellUntoldFailure();
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().at(0).title, QString(" File error"));
    QCOMPARE(dialogs.messages().at(0).text, kNoZipText);
    QCOMPARE(dialogs.messages().at(0).style, 16);
}

void TestZipExtraction::damagedMemberKeepsEarlierCopy()
{
    QVERIFY(writeBytes(folder() + "/damaged.wad", "earlier copy"));
    const QByteArray data = randomBytes(40000, 5);
    ZipWriter zip(zipPath());
    zip.add("damaged.wad", data, ZIP_EM_NONE, nullptr, ZIP_CM_STORE);
    zip.add("fine.wad", "fine");
    QVERIFY(zip.close());
    // Flip a byte in the middle of the stored data: the checksum no longer matches.
    QByteArray bytes = readBytes(zipPath());
    const qsizetype at = bytes.indexOf(data.mid(20000, 16));
    QVERIFY(at > 0);
    bytes[at] = char(bytes[at] ^ 0x5a);
    QVERIFY(writeBytes(zipPath(), bytes));

    RecordingDialogs dialogs;
    ZipExtraction extraction(dialogs);
    QVERIFY(!extraction.extractSelectedZip(zipPath(), folder(), true));
    QCOMPARE(readBytes(folder() + "/damaged.wad"), QByteArray("earlier copy"));
    QCOMPARE(readBytes(folder() + "/fine.wad"), QByteArray("fine"));
    QCOMPARE(entries(folder()), QStringList({"damaged.wad", "fine.wad"})); // no leftovers
    QCOMPARE(extraction.lastRun().failed, 1);
    QCOMPARE(dialogs.messages().size(), 1);
}

void TestZipExtraction::failedWriteKeepsEarlierCopy()
{
    QVERIFY(writeBytes(folder() + "/full.wad", "earlier copy"));
    ZipWriter zip(zipPath());
    zip.add("full.wad", "new");
    zip.add("next.wad", "next");
    QVERIFY(zip.close());
    FaultInjector::fail(FileOperation::Write, folder() + "/full.wad",
                        ErrorNumber::PathFileAccessError);

    QVERIFY(!extract());
    QCOMPARE(readBytes(folder() + "/full.wad"), QByteArray("earlier copy"));
    QCOMPARE(readBytes(folder() + "/next.wad"), QByteArray("next"));
    QCOMPARE(entries(folder()), QStringList({"full.wad", "next.wad"}));
}

void TestZipExtraction::noRoomLeavesTheFolderAsItWas_data()
{
    // The archive holds 30,000 + 5 bytes of members; freeSpace is the folder's injected room.
    const DataTable<qint64, bool, QString> row("freeSpace", "fullOnWrite", "text");
    row("does not fit", 30004, false,
        "There is not enough free disk space to extract this zip file: it needs 30.0 kB, "
        "30.0 kB are free.    ");
    row("disk full on the second member", 1 << 20, true,
        "The disk is full: the zip file was not extracted.    ");
}

void TestZipExtraction::noRoomLeavesTheFolderAsItWas()
{
    const auto [freeSpace, fullOnWrite, text] =
        fetchRow<qint64, bool, QString>("freeSpace", "fullOnWrite", "text");
    QVERIFY(writeBytes(folder() + "/big.wad", "earlier copy"));
    ZipWriter zip(zipPath());
    zip.add("big.wad", randomBytes(30000, 7));
    zip.add("small.wad", "small");
    QVERIFY(zip.close());
    FaultInjector::setFreeSpace(folder(), freeSpace);
    if (fullOnWrite)
        FaultInjector::fail(FileOperation::Write, folder() + "/small.wad", ErrorNumber::DiskFull);

    RecordingDialogs dialogs;
    ZipExtraction extraction(dialogs);
    QVERIFY(!extraction.extractSelectedZip(zipPath(), folder(), true));
    QCOMPARE(entries(folder()), QStringList{"big.wad"});
    QCOMPARE(readBytes(folder() + "/big.wad"), QByteArray("earlier copy"));
    QCOMPARE(extraction.lastRun().written, 0);
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().at(0).title, QString(" File error"));
    QCOMPARE(dialogs.messages().at(0).text, text);
}

void TestZipExtraction::unloadableLibraryIsNamed()
{
    QVERIFY2(ZipLibrary::instance(), qPrintable(ZipLibrary::loadError()));

    QString error;
    QLibrary missing(m_dir->filePath("libzip-missing.so"));
    QVERIFY(!ZipLibrary::load(missing, error));
    QVERIFY2(error.contains("libzip-missing"), qPrintable(error));

    // A library that loads but is no libzip: zlib, which every libzip needs.
    QLibrary zlib(QStringLiteral("z"), 1);
    if (!zlib.load())
        QSKIP("zlib cannot be loaded by its name here");
    QVERIFY(!ZipLibrary::load(zlib, error));
    QVERIFY2(error.endsWith(" has no function zip_open."), qPrintable(error));

    QCOMPARE(ZipExtraction::libraryMissingText(error),
             "The zip library could not be loaded, so no zip file can be extracted: " + error +
                 "    ");
}

Z3D_TEST_GUILESS_MAIN(TestZipExtraction)
#include "tst_zipextraction.moc"
