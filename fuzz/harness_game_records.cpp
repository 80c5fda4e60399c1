// The game records (.z3dm, .z3dg, .z3ds) on arbitrary names: whatever the record text accepts
// is written as the records write it (CR LF lines), read as they read it (lines, then items)
// and comes back equal; what it refuses is only what a line cannot hold. All in memory: the
// files around the text are the tests' business.
//
// Input: operations separated by NUL bytes, each a kind byte and its text: a one-value record
// (a last map, a last file, a save slot), or a user directory's selection, file and map parted
// by the first 0x01 byte. Every selected file is checked at the end against the last map saved
// for it (file names compared without regard to case). The kind bytes 0xFE (a value) and 0xFF
// (a selection) stretch the text of the input's first such operation: its first two bytes give
// a length within 32 KiB of the 1 MiB a line may hold, and the rest is repeated to that length,
// so small inputs reach the readers' limit too, at the cost of one long line per input.

#include "FuzzScratch.h"

#include "core/library/GameRecordLines.h"
#include "core/platform/ItemReader.h"
#include "core/platform/TextFile.h"

#include <utility>

using namespace z3d;
using z3d::fuzz::require;

namespace {

// A line may be refused for a line break, or for being longer than a reader takes (its
// quotes doubled and two around it).
bool mayBeRefused(const QString& line)
{
    return line.contains(u'\r') || line.contains(u'\n') ||
           line.toUtf8().size() + line.count(u'"') + 2 > TextFile::kMaxLineBytes;
}

// The lines as a record file holds them and as a reader gets them back.
QStringList throughAFile(const QStringList& lines)
{
    return TextFile::splitLines(TextFile::encodeLines(lines));
}

void oneValue(const QString& value)
{
    const std::optional<QString> line = GameRecordLines::valueLine(value);
    if (!line) {
        require(mayBeRefused(value), "only a value a line cannot hold is refused");
        return;
    }
    const QStringList read = throughAFile({*line});
    require(read.size() == 1, "a value is one line");
    const std::optional<QString> expected =
        value.isEmpty() ? std::nullopt : std::optional<QString>(value);
    require(GameRecordLines::value(read.first()) == expected, "a value reads back equal");
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

QStringList itemsOf(const QStringList& lines)
{
    QStringList items;
    for (const QString& line : lines)
        items += ItemReader::splitItems(line);
    return items;
}

// A selection saved into the map record's lines (which go through a file once, at the end).
void selection(const QString& text, QStringList& lines, SavedMaps& saved)
{
    const qsizetype cut = text.indexOf(QChar(1));
    const QString file = cut < 0 ? text : text.left(cut);
    const QString map = cut < 0 ? QString() : text.mid(cut + 1);
    const QStringList items = itemsOf(lines);
    const std::optional<QStringList> written = GameRecordLines::withSelection(items, file, map);
    if (!written) {
        const bool blankAtEnd = !file.isEmpty() && file.back().isSpace();
        const bool spaceInMap =
            std::any_of(map.begin(), map.end(), [](QChar c) { return c.isSpace(); });
        require(blankAtEnd || spaceInMap || mayBeRefused(file + u' ' + map) ||
                    std::any_of(items.begin(), items.end(), mayBeRefused),
                "only a selection a line cannot hold is refused");
        return;
    }
    lines = *written;
    saved.save(file, map);
}

QString stretched(const QByteArray& bytes)
{
    if (bytes.size() < 3)
        return QString::fromUtf8(bytes);
    const qsizetype length =
        TextFile::kMaxLineBytes - 32768 + ((quint8(bytes.at(0)) << 8) | quint8(bytes.at(1)));
    const QByteArray body = bytes.mid(2);
    return QString::fromUtf8(body.repeated(length / body.size() + 1).left(length));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList lines;
    SavedMaps saved;
    bool stretchedOnce = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i < size && data[i] != 0)
            continue;
        if (i > start) {
            const QByteArray op(reinterpret_cast<const char*>(data + start), qsizetype(i - start));
            const bool stretch = quint8(op.at(0)) >= 0xFE && !std::exchange(stretchedOnce, true);
            const QString text = stretch ? stretched(op.mid(1)) : QString::fromUtf8(op.mid(1));
            if (op.at(0) % 2 == 0)
                oneValue(text);
            else
                selection(text, lines, saved);
        }
        start = i + 1;
    }
    const QStringList read = throughAFile(lines);
    require(read == lines, "the map record reads back line by line");
    const QStringList items = itemsOf(read);
    require(items.size() == lines.size(), "one item per line");
    for (const auto& [file, map] : saved.entries())
        require(GameRecordLines::mapFor(items, file).value_or(QString()) == map,
                "each file's map reads back equal");
    return 0;
}
