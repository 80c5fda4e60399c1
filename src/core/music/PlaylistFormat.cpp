#include "core/music/PlaylistFormat.h"

#include "core/inspect/MapStructure.h"

namespace z3d::playlist {

namespace {

bool beginsWith(const QString& line, QLatin1String prefix)
{
    return line.startsWith(prefix, Qt::CaseInsensitive);
}

bool anyBeginsWith(const QStringList& lines, QLatin1String prefix)
{
    for (const QString& line : lines) {
        if (beginsWith(line, prefix))
            return true;
    }
    return false;
}

QString lineAt(const QStringList& lines, qsizetype index)
{
    return lines.value(index);
}

// Blank, title, blank, the intermission lines, (blank for Doom2,) blank, map title, blank: the
// eleven lines in front of a part's map slots.
QStringList headerBlock(bool doom2, const QStringList& intermissionLines)
{
    QStringList block{QString(), doom2 ? kDoom2IntermissionTitle : kDoomIntermissionTitle,
                      QString()};
    block << intermissionLines << QString();
    if (doom2)
        block << QString();
    block << (doom2 ? kDoom2MapTitle : kDoomMapTitle) << QString();
    return block;
}

QStringList collectedHeader(bool doom2, const QStringList& collected)
{
    QStringList slotNames;
    for (const QString& slot : doom2 ? doom2IntermissionSlots() : doomIntermissionSlots())
        slotNames << replaceInterMusic(collected, slot);
    return headerBlock(doom2, slotNames);
}

void insertAll(QStringList& lines, qsizetype at, const QStringList& block)
{
    at = std::min(at, lines.size());
    for (qsizetype i = 0; i < block.size(); ++i)
        lines.insert(at + i, block.at(i));
}

constexpr qsizetype kMixedLines = 91;
constexpr qsizetype kDoom2PartInMixed = 47;

} // namespace

QString typeName(PlaylistType type)
{
    switch (type) {
    case PlaylistType::Doom:
        return QStringLiteral("Doom");
    case PlaylistType::Mixed:
        return QStringLiteral("Mixed");
    case PlaylistType::Doom2:
        break;
    }
    return QStringLiteral("Doom2");
}

const QStringList& doomIntermissionSlots()
{
    static const QStringList names{"D_BUNNY", "D_INTRO", "D_INTROA", "D_INTER", "D_VICTOR"};
    return names;
}

const QStringList& doom2IntermissionSlots()
{
    static const QStringList names{"D_DM2TTL", "D_DM2INT", "D_READ_M", "D_EVIL"};
    return names;
}

bool belongsToSlot(const QString& line, const QString& slot)
{
    if (!line.startsWith(slot, Qt::CaseInsensitive))
        return false;
    return line.size() == slot.size() || line.at(slot.size()) == u' ';
}

QString slotNameOf(const QString& line)
{
    const qsizetype blank = line.indexOf(u' ');
    return blank < 0 ? line : line.left(blank);
}

bool mixedMapTypes(const QStringList& lines)
{
    return anyBeginsWith(lines, QLatin1String("E")) && anyBeginsWith(lines, QLatin1String("M"));
}

PlaylistType detectType(const QStringList& lines)
{
    const bool episodes = anyBeginsWith(lines, QLatin1String("E"));
    const bool numbered = anyBeginsWith(lines, QLatin1String("M"));
    if (episodes && numbered)
        return PlaylistType::Mixed;
    return episodes ? PlaylistType::Doom : PlaylistType::Doom2;
}

bool isCurrentFormat(const QStringList& lines)
{
    return anyBeginsWith(lines, QLatin1String("D_DM2TTL")) ||
           anyBeginsWith(lines, QLatin1String("D_BUNNY"));
}

bool hasStandardLayout(const QStringList& lines, PlaylistType type)
{
    const auto at = [&](qsizetype index, const char* prefix) {
        return beginsWith(lineAt(lines, index), QLatin1String(prefix));
    };
    switch (type) {
    case PlaylistType::Doom:
        return at(38, "E4M1");
    case PlaylistType::Doom2:
        return at(42, "MAP32");
    case PlaylistType::Mixed:
        return (at(42, "E4M5") || at(42, "MAP32")) && (at(81, "MAP24") || at(81, "E4M1"));
    }
    return false;
}

QString getInterMusic(const QString& line)
{
    for (const QStringList* names : {&doomIntermissionSlots(), &doom2IntermissionSlots()}) {
        for (const QString& slot : *names) {
            if (line.startsWith(slot, Qt::CaseInsensitive))
                return line;
        }
    }
    return QString();
}

QString replaceInterMusic(const QStringList& collected, const QString& slot)
{
    for (qsizetype i = collected.size() - 1; i >= 0; --i) {
        if (belongsToSlot(collected.at(i), slot))
            return collected.at(i);
    }
    return slot;
}

QString getMusicString(const QString& line)
{
    const qsizetype blank = line.indexOf(u' ');
    if (line.size() <= 9 || blank < 0)
        return QString();
    return line.mid(blank);
}

QStringList repairPlaylist(const QStringList& lines, PlaylistType type)
{
    QStringList collected;
    QStringList maps;
    for (const QString& line : lines) {
        collected << getInterMusic(line);
        if (beginsWith(line, QLatin1String("E")) || beginsWith(line, QLatin1String("MAP")))
            maps << line;
    }
    QStringList repaired = checkMapStructure(maps, typeName(type));
    if (type != PlaylistType::Doom2)
        insertAll(repaired, 0, collectedHeader(false, collected));
    if (type == PlaylistType::Doom2)
        insertAll(repaired, 0, collectedHeader(true, collected));
    if (type == PlaylistType::Mixed)
        insertAll(repaired, kDoom2PartInMixed, collectedHeader(true, collected));
    if (repaired.size() < kMixedLines)
        repaired << QString();
    return repaired;
}

QStringList buildEmptyPlaylist(PlaylistType type)
{
    return repairPlaylist({}, type);
}

OpenedPlaylist openPlaylistLines(const QStringList& lines)
{
    OpenedPlaylist opened;
    opened.type = detectType(lines);
    if (!isCurrentFormat(lines)) {
        opened.lines = repairPlaylist(lines, opened.type);
        opened.step = OpenedPlaylist::Step::Converted;
        return opened;
    }
    opened.lines = lines;
    opened.step = hasStandardLayout(lines, opened.type) ? OpenedPlaylist::Step::Ready
                                                        : OpenedPlaylist::Step::AskNonStandard;
    return opened;
}

} // namespace z3d::playlist
