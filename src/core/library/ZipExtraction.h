#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct zip; // libzip's archive handle (zip_t)

namespace z3d {

class Dialogs;
class Progress;
class ProgressRun;

// What the last extraction did with the archive's members.
struct ZipExtractionSummary
{
    bool opened = false;      // the archive was accepted
    int written = 0;          // members written into the folder
    int skippedNames = 0;     // folders and names that would land outside the folder
    int skippedLinks = 0;     // symbolic links (never recreated, never written as files)
    int skippedEncrypted = 0; // encrypted members without a password that opens them
    // Members whose name holds a double quote: the engine could not be given them.
    QStringList refusedNames;
    int failed = 0; // members that could not be read or written
    // The names of the compression methods of members the zip library cannot decompress.
    QStringList unsupportedMethods;
    // The members' sizes exceed the folder's free space: nothing was written.
    bool doesNotFit = false;
    // A write ran out of room part-way: every member of this run was discarded.
    bool diskFull = false;
    // The player (or the system) stopped the run: every member of this run was discarded.
    bool cancelled = false;
    // Why the zip library could not be loaded; empty when it was.
    QString libraryError;
    qint64 requiredBytes = 0;  // the sum of the sizes of the members to be written
    qint64 availableBytes = 0; // the folder's free space before the run; -1 when unknown
};

// The one zip extraction of the launcher. Every member lands directly in the target folder
// under the last component of its name, replacing a file of that name (any case); folders
// inside the archive are not recreated.
//
// Safety: a member name that is absolute ("/x", "\\x", "C:x") or whose last component is empty,
// "." or ".." (or dots and blanks only) is skipped, as are directories and symbolic links.
// A member whose name holds a double quote is refused: its file would reach the engine's
// command line, where the quote would end its quoted piece early and split the arguments.
// Each member is streamed into a temporary file in the folder; the temporaries of the members
// read whole with a matching checksum are renamed over their targets once every member has
// been tried, so a damaged member or a wrong password never leaves a half-written file and an
// earlier copy survives. A member's size is what the archive's directory declares: a member
// whose data runs longer (or shorter) is damaged, and nothing past the declared size is
// written. An AES member that records no CRC (WinZip's AE-2 form) is checked by its
// authentication code instead. The target is checked against the folder's canonical path before
// anything is renamed into place.
//
// Room: before anything is written, the sum of the sizes the archive gives its members is
// compared with the free space of the folder's file system; an archive that does not fit is
// refused whole. A write that still runs out of room discards every member of the run, so the
// folder is left as it was.
//
// Passwords: an encrypted member asks once through the input box "Please Enter The Password!".
// An empty answer or a cancel skips the member and every later encrypted member for the rest of
// the launcher's run, without asking again. A password that opens a member is tried first on
// the archive's later encrypted members; a wrong one skips the member, and the next encrypted
// member asks again.
//
// Progress: the members' bytes are reported on progress, when given, as they are written.
// The extraction may be cancelled there: it stops at its next step and discards every member
// of the run, so the folder is left as it was.
//
// One object lives for the whole run; it is not shared between threads.
class ZipExtraction
{
public:
    explicit ZipExtraction(Dialogs& dialogs, Progress* progress = nullptr);

    // Extracts every member of zipPath into folder (created when missing). False when the
    // archive cannot be opened as a zip (not a zip, truncated, empty file, missing), when the
    // folder cannot be made, when a member could not be read or written, or when an encrypted
    // member was left out for want of a password that opens it; the other members are still
    // extracted. Names skipped for safety, folders and links are no failure. An empty folder
    // only checks the archive and writes nothing.
    bool extract(const QString& zipPath, const QString& folder);
    // extract(), then, on failure and when mainWindowVisible, the message " File error"
    // "This file does not appear to be a valid zip file.    " (critical icon), or, when the
    // archive did not fit, the disk ran full, the zip library could not be loaded or members
    // were compressed with a method it cannot read, a message saying so under the same title.
    // Nothing else changes; members already written stay.
    // Refused member names are listed in a message of their own under the same title (also
    // after an extraction that succeeded). A cancelled extraction says nothing. Without the
    // main window the messages are kept for tellUntoldFailure(), until the next extraction.
    bool extractSelectedZip(const QString& zipPath, const QString& folder, bool mainWindowVisible);
    // Shows, once, the messages an extraction kept while the main window was not there.
    void tellUntoldFailure();

    // The player declined a password during this run: no encrypted member is asked about
    // again.
    bool passwordDeclined() const { return m_passwordDeclined; }
    const ZipExtractionSummary& lastRun() const { return m_summary; }

    // The name a member is written under: the last component of memberName ('/' and '\\'
    // both separate). Empty when the member is to be skipped: a folder entry, an absolute
    // name, or a last component that is empty, ".", ".." or only dots and blanks.
    static QString flatMemberName(const QString& memberName);
    // The sum of the sizes the archive gives the members an extraction would write; -1 when
    // it is no zip.
    static qint64 requiredBytes(const QString& zipPath);

    static const QString kFileErrorTitle;
    // The title the extraction's progress is shown under.
    static const QString kExtractingTitle;
    // The messages of an archive that does not fit (needed and free bytes as arguments) and of
    // a disk that ran full.
    static QString doesNotFitText(qint64 required, qint64 available);
    static const QString kDiskFullText;
    // The message of a zip library that could not be loaded, for the reason given.
    static QString libraryMissingText(const QString& reason);
    // The message of the members refused for the double quote in their names.
    static QString refusedNamesText(const QStringList& names);
    // The message of members left out for their compression methods, named in methods.
    static QString unsupportedMethodsText(const QStringList& methods);

private:
    enum class Outcome
    {
        Written,
        OpenFailed,
        ReadFailed,
        WriteFailed,
        DiskFull,
        Cancelled
    };
    struct Message
    {
        QString text;
        int style;
    };
    // A member read whole into temporary, to be renamed over target.
    struct Staged
    {
        QString temporary;
        QString target;
    };

    void listFolder(const QString& folder);
    void extractMember(zip* archive, quint64 index, const QString& folder);
    void extractEncrypted(zip* archive, quint64 index, const QString& target);
    // Streams one member into a temporary beside target, staged for the rename on success;
    // secret is its password, null when it is not encrypted.
    Outcome writeMember(zip* archive, quint64 index, const char* secret, const QString& target);
    void count(Outcome outcome);
    // Renames the staged members into place, or removes them all after a full disk or a
    // cancel.
    void finishStaged();
    // The messages of the last run's failure and refused names, in the order they are shown.
    QList<Message> messagesOfLastRun(bool succeeded) const;

    Dialogs& m_dialogs;
    Progress* m_progress;
    // The progress of the extraction under way; null between extractions.
    ProgressRun* m_run = nullptr;
    bool m_passwordDeclined = false;
    // The password that opened a member of the archive being extracted.
    std::optional<QByteArray> m_archivePassword;
    // The folder's entries by case-folded name, listed once per extraction: each member finds
    // the spelling of an existing file without listing the folder again.
    QHash<QString, QString> m_folderEntries;
    std::vector<Staged> m_staged;
    ZipExtractionSummary m_summary;
    QList<Message> m_untold;
};

} // namespace z3d
