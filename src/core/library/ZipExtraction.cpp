#include "core/library/ZipExtraction.h"

#include "core/launch/EngineCommandLine.h"
#include "core/library/ZipAuthentication.h"
#include "core/library/ZipLibrary.h"
#include "core/platform/DiskSpace.h"
#include "core/platform/FaultInjector.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallationLock.h"
#include "core/platform/NativePath.h"
#include "core/platform/PathResolver.h"
#include "core/platform/StaleTemporaries.h"
#include "core/services/Dialogs.h"
#include "core/services/Progress.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

namespace z3d {

namespace {

const QString kPasswordPrompt = QStringLiteral("Please Enter The Password!");
const QString kFileErrorText =
    QStringLiteral("This file does not appear to be a valid zip file.    ");

// Members are copied through this buffer; nothing holds a whole member in memory.
constexpr qint64 kChunkSize = 256 * 1024;

// File-type bits of a Unix mode kept in the high half of a member's external attributes.
constexpr zip_uint32_t kUnixTypeMask = 0170000;
constexpr zip_uint32_t kUnixSymlink = 0120000;
constexpr zip_uint32_t kUnixDirectory = 0040000;
constexpr zip_uint32_t kDosDirectory = 0x10;

// The library's functions. Called only once an archive is open, which needed them loaded.
const ZipLibrary& zipFunctions()
{
    return *ZipLibrary::instance();
}

struct ArchiveCloser
{
    void operator()(zip_t* archive) const { zipFunctions().discard(archive); }
};

struct MemberCloser
{
    void operator()(zip_file_t* file) const { zipFunctions().closeMember(file); }
};

using MemberHandle = std::unique_ptr<zip_file_t, MemberCloser>;

enum class MemberType
{
    File,
    Directory,
    Symlink
};

MemberType memberType(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zipFunctions().externalAttributes(archive, index, 0, &system, &attributes) != 0)
        return MemberType::File;
    if (system == ZIP_OPSYS_UNIX) {
        const zip_uint32_t type = (attributes >> 16) & kUnixTypeMask;
        if (type == kUnixSymlink)
            return MemberType::Symlink;
        if (type == kUnixDirectory)
            return MemberType::Directory;
    }
    if (system == ZIP_OPSYS_DOS && (attributes & kDosDirectory) != 0)
        return MemberType::Directory;
    return MemberType::File;
}

struct MethodName
{
    zip_uint16_t method;
    const char* name;
};

// The names a player knows compression methods by, from the archiver's menus.
constexpr MethodName kMethodNames[] = {
    {9, "Deflate64"},  {ZIP_CM_BZIP2, "BZip2"}, {14, "LZMA"},
    {93, "Zstandard"}, {ZIP_CM_XZ, "XZ"},       {98, "PPMd"},
};

QString compressionMethodName(zip_uint16_t method)
{
    for (const MethodName& known : kMethodNames) {
        if (known.method == method)
            return QLatin1String(known.name);
    }
    return QStringLiteral("method %1").arg(method);
}

bool isAbsoluteName(const QString& name)
{
    if (name.startsWith(u'/') || name.startsWith(u'\\'))
        return true;
    // "C:\x", "C:/x" and the drive-relative "C:x".
    return name.size() >= 2 && name.at(1) == u':' && name.at(0).isLetter() &&
           name.at(0).unicode() < 128;
}

bool isWrittenMember(zip_t* archive, zip_uint64_t index, const zip_stat_t& stat)
{
    if ((stat.valid & ZIP_STAT_NAME) == 0)
        return false;
    const QString leaf = ZipExtraction::flatMemberName(QString::fromUtf8(stat.name));
    return !leaf.isEmpty() && EngineCommandLine::canQuote(leaf) &&
           memberType(archive, index) == MemberType::File;
}

qint64 sumOfMemberSizes(zip_t* archive)
{
    qint64 sum = 0;
    const zip_int64_t members = zipFunctions().numEntries(archive, 0);
    for (zip_int64_t i = 0; i < members; ++i) {
        zip_stat_t stat;
        zipFunctions().statInit(&stat);
        const auto index = static_cast<zip_uint64_t>(i);
        if (zipFunctions().statIndex(archive, index, 0, &stat) != 0 ||
            !isWrittenMember(archive, index, stat))
            continue;
        if ((stat.valid & ZIP_STAT_SIZE) != 0)
            sum = stat.size > quint64(INT64_MAX - sum) ? INT64_MAX : sum + qint64(stat.size);
    }
    return sum;
}

std::unique_ptr<zip_t, ArchiveCloser> openArchive(const QString& archivePath)
{
    const QFileInfo archiveInfo(archivePath);
    // libzip opens an empty file as an empty archive; it is no zip file.
    if (archivePath.isEmpty() || !archiveInfo.isFile() || archiveInfo.size() == 0 ||
        !ZipLibrary::instance())
        return nullptr;
    int openError = 0;
    return std::unique_ptr<zip_t, ArchiveCloser>(
        zipFunctions().open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &openError));
}

} // namespace

const QString ZipExtraction::kFileErrorTitle = QStringLiteral(" File error");
const QString ZipExtraction::kExtractingTitle = QStringLiteral(" Extracting");
const QString ZipExtraction::kDiskFullText =
    QStringLiteral("The disk is full: the zip file was not extracted.    ");

QString ZipExtraction::refusedNamesText(const QStringList& names)
{
    return QStringLiteral("These files of the zip file were not extracted: a double quote in a "
                          "file's name cannot be passed to Zorn3D.    \r\n") +
           names.join(QStringLiteral("\r\n"));
}

QString ZipExtraction::unsupportedMethodsText(const QStringList& methods)
{
    return QStringLiteral("Files of this zip file compressed with %1 cannot be extracted: they "
                          "were left out.    ")
        .arg(methods.join(QStringLiteral(", ")));
}

QString ZipExtraction::doesNotFitText(qint64 required, qint64 available)
{
    return QStringLiteral("There is not enough free disk space to extract this zip file: it "
                          "needs %1, %2 are free.    ")
        .arg(DiskSpace::describe(required), DiskSpace::describe(available));
}

QString ZipExtraction::libraryMissingText(const QString& reason)
{
    return QStringLiteral("The zip library could not be loaded, so no zip file can be "
                          "extracted: %1    ")
        .arg(reason);
}

qint64 ZipExtraction::requiredBytes(const QString& zipPath)
{
    const auto archive = openArchive(PathResolver::resolve(zipPath));
    return archive ? sumOfMemberSizes(archive.get()) : -1;
}

ZipExtraction::ZipExtraction(Dialogs& dialogs, Progress* progress)
    : m_dialogs(dialogs), m_progress(progress)
{
}

QString ZipExtraction::flatMemberName(const QString& memberName)
{
    if (memberName.isEmpty() || isAbsoluteName(memberName))
        return {};
    const qsizetype cut = std::max(memberName.lastIndexOf(u'/'), memberName.lastIndexOf(u'\\'));
    const QString leaf = memberName.mid(cut + 1);
    // Also covers "." and "..": a name of dots and blanks only names no file on every system.
    bool onlyDotsAndBlanks = true;
    for (const QChar c : leaf)
        onlyDotsAndBlanks = onlyDotsAndBlanks && (c == u'.' || c == u' ');
    if (leaf.isEmpty() || onlyDotsAndBlanks)
        return {};
    return leaf;
}

bool ZipExtraction::extract(const QString& zipPath, const QString& folder)
{
    m_summary = {};
    m_archivePassword.reset();
    if (!ZipLibrary::instance()) {
        m_summary.libraryError = ZipLibrary::loadError();
        return false;
    }

    const auto archive = openArchive(PathResolver::resolve(zipPath));
    if (!archive)
        return false;
    m_summary.opened = true;
    if (folder.isEmpty())
        return true;

    const QString target = PathResolver::resolve(folder);
    m_summary.requiredBytes = sumOfMemberSizes(archive.get());
    m_summary.availableBytes = DiskSpace::availableBytes(target);
    if (m_summary.availableBytes >= 0 && m_summary.requiredBytes > m_summary.availableBytes) {
        m_summary.doesNotFit = true;
        return false;
    }
    if (!PathResolver::folderExists(target) &&
        FileOperations::createFolderPath(target) != ErrorNumber::None)
        return false;
    const QString canonicalFolder = QFileInfo(target).canonicalFilePath();
    if (canonicalFolder.isEmpty())
        return false;

    // The members' temporaries wait for their rename: no launcher's start-up sweeps them.
    const InstallationLock writing = InstallationLock::heldForWriting();
    listFolder(canonicalFolder);
    ProgressRun run(m_progress, kExtractingTitle, m_summary.requiredBytes, true);
    m_run = &run;
    const zip_int64_t members = zipFunctions().numEntries(archive.get(), 0);
    for (zip_int64_t i = 0; i < members && !m_summary.diskFull && !m_summary.cancelled; ++i) {
        m_summary.cancelled = run.cancelled();
        if (!m_summary.cancelled)
            extractMember(archive.get(), static_cast<quint64>(i), canonicalFolder);
    }
    m_run = nullptr;
    finishStaged();
    m_archivePassword.reset();
    m_folderEntries.clear();
    // An encrypted member left out (no password, a declined or a wrong one) is a member the
    // player does not get: the extraction failed, as the unzip library reports it.
    return m_summary.failed == 0 && m_summary.skippedEncrypted == 0 && !m_summary.cancelled;
}

bool ZipExtraction::extractSelectedZip(const QString& zipPath, const QString& folder,
                                       bool mainWindowVisible)
{
    const bool ok = extract(zipPath, folder);
    m_untold = messagesOfLastRun(ok);
    if (mainWindowVisible)
        tellUntoldFailure();
    return ok;
}

void ZipExtraction::tellUntoldFailure()
{
    const QList<Message> messages = std::exchange(m_untold, {});
    for (const Message& message : messages)
        m_dialogs.messageBox(message.text, message.style, kFileErrorTitle);
}

QList<ZipExtraction::Message> ZipExtraction::messagesOfLastRun(bool succeeded) const
{
    QList<Message> messages;
    if (!m_summary.refusedNames.isEmpty())
        messages.append({refusedNamesText(m_summary.refusedNames), MsgIconExclamation});
    if (succeeded || m_summary.cancelled)
        return messages;
    if (!m_summary.libraryError.isEmpty())
        messages.append({libraryMissingText(m_summary.libraryError), MsgIconCritical});
    else if (m_summary.doesNotFit)
        messages.append(
            {doesNotFitText(m_summary.requiredBytes, m_summary.availableBytes), MsgIconCritical});
    else if (m_summary.diskFull)
        messages.append({kDiskFullText, MsgIconCritical});
    else if (!m_summary.unsupportedMethods.isEmpty())
        messages.append({unsupportedMethodsText(m_summary.unsupportedMethods), MsgIconCritical});
    else
        messages.append({kFileErrorText, MsgIconCritical});
    return messages;
}

void ZipExtraction::listFolder(const QString& folder)
{
    m_folderEntries.clear();
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                     QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        m_folderEntries.insert(name.toCaseFolded(), name);
}

void ZipExtraction::extractMember(zip* archive, quint64 index, const QString& folder)
{
    zip_stat_t stat;
    zipFunctions().statInit(&stat);
    if (zipFunctions().statIndex(archive, index, 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_NAME) == 0) {
        ++m_summary.failed;
        return;
    }
    const QString leaf = flatMemberName(QString::fromUtf8(stat.name));
    const MemberType type = memberType(archive, index);
    if (type == MemberType::Symlink) {
        ++m_summary.skippedLinks;
        return;
    }
    if (leaf.isEmpty() || type == MemberType::Directory) {
        ++m_summary.skippedNames;
        return;
    }
    if (!EngineCommandLine::canQuote(leaf)) {
        m_summary.refusedNames << leaf;
        return;
    }

    // An entry of another case is replaced under its own spelling. The leaf holds no
    // separator, but the result is checked against the canonical folder all the same.
    const QString onDisk = m_folderEntries.value(leaf.toCaseFolded(), leaf);
    const QString target = QDir(folder).filePath(onDisk);
    if (QFileInfo(target).absolutePath() != folder) {
        ++m_summary.skippedNames;
        return;
    }
    m_folderEntries.insert(leaf.toCaseFolded(), onDisk);

    if ((stat.valid & ZIP_STAT_COMP_METHOD) != 0 &&
        zipFunctions().compressionMethodSupported(stat.comp_method, 0) == 0) {
        // Nothing could read it: no password is asked for.
        const QString method = compressionMethodName(stat.comp_method);
        if (!m_summary.unsupportedMethods.contains(method))
            m_summary.unsupportedMethods << method;
        ++m_summary.failed;
        return;
    }
    const bool encrypted =
        (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE;
    if (!encrypted) {
        count(writeMember(archive, index, nullptr, target));
        return;
    }
    if (zipFunctions().encryptionMethodSupported(stat.encryption_method, 0) == 0) {
        // No password could open it: do not ask.
        ++m_summary.skippedEncrypted;
        return;
    }
    extractEncrypted(archive, index, target);
}

void ZipExtraction::extractEncrypted(zip* archive, quint64 index, const QString& target)
{
    if (m_archivePassword) {
        const char* remembered = m_archivePassword->constData();
        const Outcome outcome = writeMember(archive, index, remembered, target);
        if (outcome != Outcome::OpenFailed && outcome != Outcome::ReadFailed) {
            count(outcome);
            return;
        }
    }
    if (m_passwordDeclined) {
        ++m_summary.skippedEncrypted;
        return;
    }
    const auto answer = m_dialogs.inputBox(kPasswordPrompt, QString(), QString());
    if (!answer || answer->isEmpty()) {
        m_passwordDeclined = true;
        ++m_summary.skippedEncrypted;
        return;
    }
    const QByteArray password = answer->toLocal8Bit();
    const Outcome outcome = writeMember(archive, index, password.constData(), target);
    if (outcome == Outcome::Written)
        m_archivePassword = password;
    // A password that passes the header check but not the data's check is wrong too.
    if (outcome == Outcome::OpenFailed || outcome == Outcome::ReadFailed)
        ++m_summary.skippedEncrypted;
    else
        count(outcome);
}

ZipExtraction::Outcome ZipExtraction::writeMember(zip* archive, quint64 index, const char* secret,
                                                  const QString& target)
{
    MemberHandle member(secret ? zipFunctions().openEncryptedMember(archive, index, 0, secret)
                               : zipFunctions().openMember(archive, index, 0));
    if (!member)
        return Outcome::OpenFailed;
    if (const ErrorNumber injected = FaultInjector::check(FileOperation::Write, target);
        injected != ErrorNumber::None)
        return injected == ErrorNumber::DiskFull ? Outcome::DiskFull : Outcome::WriteFailed;

    const QString folder = QFileInfo(target).absolutePath();
    zip_stat_t stat;
    zipFunctions().statInit(&stat);
    if (zipFunctions().statIndex(archive, index, 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > quint64(INT64_MAX))
        return Outcome::ReadFailed;
    // The size the directory declares, which the room was checked for.
    const auto size = qint64(stat.size);
    const bool codeOnly = secret && ZipAuthentication::recordsNoCrc(stat);
    qint64 written = 0;
    const auto writeFailure = [&] {
        return DiskSpace::isExhausted(folder, size - written) ? Outcome::DiskFull
                                                              : Outcome::WriteFailed;
    };

    QTemporaryFile temporary(StaleTemporaries::zipMemberTemplate(folder));
    if (!temporary.open())
        return writeFailure();
    const QString name = QFileInfo(target).fileName();
    if (m_run)
        m_run->update(name, 0);
    std::vector<char> buffer(kChunkSize);
    bool crcUnchecked = false;
    for (;;) {
        const zip_int64_t read = zipFunctions().read(member.get(), buffer.data(), buffer.size());
        if (read == 0)
            break;
        if (read < 0) {
            // libzip compares the CRC such a member does not record once its data is read:
            // the authentication code decides instead.
            crcUnchecked =
                codeOnly && written == size &&
                zipFunctions().errorCode(zipFunctions().memberError(member.get())) == ZIP_ER_CRC;
            if (!crcUnchecked)
                return Outcome::ReadFailed;
            break;
        }
        // More data than declared: damaged, or made to fill the disk.
        if (read > size - written)
            return Outcome::ReadFailed;
        if (temporary.write(buffer.data(), read) != read)
            return writeFailure();
        written += read;
        if (m_run) {
            m_run->update(name, written);
            if (m_run->cancelled())
                return Outcome::Cancelled;
        }
    }
    // The checksum is compared when the member's end is read; closing reports a mismatch too.
    if (zipFunctions().closeMember(member.release()) != 0 && !crcUnchecked)
        return Outcome::ReadFailed;
    if (written != size || (codeOnly && !ZipAuthentication::holds(archive, index, secret)))
        return Outcome::ReadFailed;
    if (!temporary.flush())
        return writeFailure();

    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if ((stat.valid & ZIP_STAT_MTIME) != 0)
        temporary.setFileTime(QDateTime::fromSecsSinceEpoch(stat.mtime),
                              QFileDevice::FileModificationTime);
    temporary.close();
    if (temporary.error() != QFileDevice::NoError)
        return writeFailure();
    temporary.setAutoRemove(false);
    m_staged.push_back({temporary.fileName(), target});
    if (m_run)
        m_run->finishFile(written);
    return Outcome::Written;
}

void ZipExtraction::finishStaged()
{
    std::vector<Staged> staged;
    staged.swap(m_staged);
    const bool discard = m_summary.diskFull || m_summary.cancelled;
    for (const Staged& member : staged) {
        if (discard) {
            QFile::remove(member.temporary);
            continue;
        }
        // The rename replaces the directory entry: an existing link of that name is
        // replaced, never written through. Members of the same name land in archive order.
        std::error_code error;
        std::filesystem::rename(toNativePath(member.temporary), toNativePath(member.target), error);
        if (error) {
            QFile::remove(member.temporary);
            --m_summary.written;
            ++m_summary.failed;
        }
    }
    if (discard)
        m_summary.written = 0;
}

void ZipExtraction::count(Outcome outcome)
{
    if (outcome == Outcome::Written)
        ++m_summary.written;
    else if (outcome == Outcome::Cancelled)
        m_summary.cancelled = true;
    else
        ++m_summary.failed;
    if (outcome == Outcome::DiskFull)
        m_summary.diskFull = true;
}

} // namespace z3d
