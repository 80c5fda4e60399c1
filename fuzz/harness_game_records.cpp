// The game records (.z3dm, .z3dg, .z3ds) on arbitrary names: whatever a writer accepts reads
// back equal, and what it refuses leaves the record as it was.
//
// Input: operations separated by NUL bytes, each a kind byte and its text: the last map, the
// last save slot, a user directory's selection with its map (file and map parted by the first
// 0x01 byte) or without one. Every selection is checked at the end against the last one saved
// for that file (file names compared without regard to case).

#include "FuzzScratch.h"

#include "core/library/GameRecords.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/TextFile.h"

#include <QFile>

#include <utility>

using namespace z3d;
using z3d::fuzz::require;

namespace {

const QString kGame = QStringLiteral("Castle");
const QString kUserDirectory = QStringLiteral("Udir");

// One installation for the whole run; each input starts without records.
const GameRecords& records()
{
    static const InstallPaths paths = InstallPaths::fromInstallRoot(
        QString::fromStdString((z3d::fuzz::scratchFolder() / "install").string()));
    static const GameRecords made(paths);
    return made;
}

void removeRecords(const GameRecords& records)
{
    for (const QString& path : {records.lastMapRecordPath(GameKind::PwadGame, kGame),
                                records.saveRecordPath(GameKind::ZipArchive, kGame),
                                records.userDirectoryFileRecordPath(kUserDirectory),
                                records.userDirectoryMapRecordPath(kUserDirectory)})
        QFile::remove(path);
}

// A record line may be refused for a line break, or for being longer than a reader takes
// (its quotes doubled and two around it).
bool mayBeRefused(const QString& line)
{
    return line.contains(u'\r') || line.contains(u'\n') ||
           line.toUtf8().size() + line.count(u'"') + 2 > TextFile::kMaxLineBytes;
}

// The map last saved for each user-directory file, one entry per file (in any case).
class SavedMaps
{
public:
    void save(const QString& file, const QString& map)
    {
        for (auto& entry : m_entries) {
            if (entry.first.compare(file, Qt::CaseInsensitive) == 0) {
                entry.second = map;
                return;
            }
        }
        m_entries.append({file, map});
    }
    const QList<std::pair<QString, QString>>& entries() const { return m_entries; }

private:
    QList<std::pair<QString, QString>> m_entries;
};

void lastMap(const GameRecords& records, const QString& map)
{
    const std::optional<QString> before = records.restoreLastMap(GameKind::PwadGame, kGame, {map});
    if (records.saveLastMap(GameKind::PwadGame, kGame, map) == ErrorNumber::None) {
        // An empty record names no map.
        const std::optional<QString> expected =
            map.isEmpty() ? std::nullopt : std::optional<QString>(map);
        require(records.restoreLastMap(GameKind::PwadGame, kGame, {map}) == expected,
                "a last map reads back equal");
    } else {
        require(mayBeRefused(map), "only a map a line cannot hold is refused");
        require(records.restoreLastMap(GameKind::PwadGame, kGame, {map}) == before,
                "a refused map leaves the record");
    }
}

void saveSlot(const GameRecords& records, const QString& slot)
{
    const std::optional<QString> before = records.readSaveRecord(GameKind::ZipArchive, kGame);
    if (records.writeSaveRecord(GameKind::ZipArchive, kGame, {}, slot) == ErrorNumber::None) {
        require(records.readSaveRecord(GameKind::ZipArchive, kGame) == slot,
                "a save slot reads back equal");
    } else {
        require(slot.isEmpty() || mayBeRefused(slot), "only a slot a line cannot hold is refused");
        require(records.readSaveRecord(GameKind::ZipArchive, kGame) == before,
                "a refused slot leaves the record");
    }
}

void selection(const GameRecords& records, const QString& text, bool withMap, SavedMaps& saved,
               QString& lastFile)
{
    const qsizetype cut = text.indexOf(QChar(1));
    const QString file = cut < 0 ? text : text.left(cut);
    const QString map = cut < 0 ? QString() : text.mid(cut + 1);
    const ErrorNumber error =
        records.saveUserDirectorySelection(kUserDirectory, file, map, withMap);
    const QString readFile = records.userDirectoryFile(kUserDirectory);
    if (error == ErrorNumber::None) {
        if (file.isEmpty()) {
            require(readFile == lastFile, "no file, no change");
            return;
        }
        require(readFile == file, "a user directory's file reads back equal");
        lastFile = file;
        if (withMap)
            saved.save(file, map);
        return;
    }
    // A refused map line may follow a file record that was written.
    require(readFile == lastFile || readFile == file, "a refused file leaves its record");
    lastFile = readFile;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const GameRecords& recordsOfRun = records();
    removeRecords(recordsOfRun);
    SavedMaps saved;
    QString lastFile;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i < size && data[i] != 0)
            continue;
        if (i > start) {
            const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + start + 1),
                                                   qsizetype(i - start - 1));
            switch (data[start] % 4) {
            case 0:
                lastMap(recordsOfRun, text);
                break;
            case 1:
                saveSlot(recordsOfRun, text);
                break;
            default:
                selection(recordsOfRun, text, data[start] % 4 == 2, saved, lastFile);
                break;
            }
        }
        start = i + 1;
    }
    for (const auto& [file, map] : saved.entries())
        require(recordsOfRun.userDirectoryMap(kUserDirectory, file).value_or(QString()) == map,
                "each file's map reads back equal");
    return 0;
}
