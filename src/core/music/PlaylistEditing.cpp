#include "core/music/PlaylistEditing.h"

#include "core/inspect/MapStructure.h"
#include "core/platform/PathResolver.h"

namespace z3d::playlist {

namespace {

constexpr qsizetype kDoomLines = 48;
constexpr qsizetype kDoom2Lines = 44;
constexpr qsizetype kFirstMapLine = 11;
constexpr qsizetype kUnpairedDoomMaps = 43; // E4M6..E4M9 stand at lines 43 to 46
constexpr qsizetype kVictorLine = 7;

const QStringList kUnpairedNames{"E4M6", "E4M7", "E4M8", "E4M9"};

bool beginsWith(const QString& line, const char* prefix)
{
    return line.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

bool isMapLine(const QString& line)
{
    return beginsWith(line, "E") || beginsWith(line, "M");
}

// The map line with its first n characters (its slot name) replaced by the partner slot.
std::optional<QString> partnerLine(const QString& line, int n)
{
    const std::optional<QString> partner = partnerSlot(line.left(n));
    if (!partner)
        return std::nullopt;
    return *partner + line.mid(n);
}

// The intermission lines of the other game, each carrying the music of the lines standing at
// lines 3 onwards.
QStringList carriedIntermissions(const QStringList& lines, const QStringList& slotNames)
{
    QStringList carried;
    for (qsizetype i = 0; i < slotNames.size(); ++i)
        carried << slotNames.at(i) + getMusicString(lines.value(3 + i));
    return carried;
}

// The lines, with the lines of the type's standard layout beyond the end of a shorter list: a
// file whose trailing blank line an editor stripped, or one ending soon after the line the
// layout test looks at, is converted as the whole layout.
QStringList completed(const QStringList& lines, PlaylistType type)
{
    const QStringList layout = buildEmptyPlaylist(type);
    return lines.size() >= layout.size() ? lines : lines + layout.mid(lines.size());
}

// The slot line of slot carrying the music of the first line that belongs to its partner
// slot; the bare slot name when it has no partner or no line belongs to that.
QString carriedMapLine(const QStringList& lines, const QString& slot)
{
    const std::optional<QString> partner = partnerSlot(slot);
    if (!partner)
        return slot;
    for (const QString& line : lines) {
        if (belongsToSlot(line, *partner))
            return slot + line.mid(partner->size());
    }
    return slot;
}

int slotLength(PlaylistType type)
{
    return type == PlaylistType::Doom ? 4 : 5;
}

QString cutAfterFirstWord(const QString& line)
{
    const qsizetype blank = line.indexOf(u' ', 1);
    return blank < 0 ? line : line.left(blank);
}

} // namespace

std::optional<QString> partnerSlot(const QString& slot)
{
    const QString name = slot.toUpper();
    for (qsizetype i = 0; i < 4; ++i) {
        if (name == doomIntermissionSlots().at(i))
            return doom2IntermissionSlots().at(i);
        if (name == doom2IntermissionSlots().at(i))
            return doomIntermissionSlots().at(i);
    }
    bool ok = false;
    if (name.size() == 4 && name.at(0) == u'E' && name.at(2) == u'M') {
        const int episode = name.mid(1, 1).toInt(&ok);
        const int map = name.mid(3, 1).toInt();
        const int number = (episode - 1) * 9 + map;
        if (ok && episode >= 1 && episode <= 4 && map >= 1 && number <= 32)
            return QStringLiteral("MAP%1").arg(number, 2, 10, QLatin1Char('0'));
        return std::nullopt;
    }
    if (name.size() == 5 && name.startsWith(QLatin1String("MAP"))) {
        const int number = name.mid(3).toInt(&ok);
        if (ok && number >= 1 && number <= 32)
            return QStringLiteral("E%1M%2").arg((number - 1) / 9 + 1).arg((number - 1) % 9 + 1);
    }
    return std::nullopt;
}

EditedPlaylist toggleMapTypes(const EditedPlaylist& playlist)
{
    if (playlist.type == PlaylistType::Mixed)
        return playlist;
    const bool toDoom2 = playlist.type == PlaylistType::Doom;
    const int n = slotLength(playlist.type);
    EditedPlaylist out = playlist;
    QStringList& lines = out.lines;
    lines = completed(lines, playlist.type);

    if (toDoom2) {
        out.setAside = lines.mid(kUnpairedDoomMaps);
        out.setAside.insert(std::min<qsizetype>(4, out.setAside.size()), lines.at(kVictorLine));
        lines.remove(kUnpairedDoomMaps, kUnpairedNames.size());
    }

    const QStringList& slotNames = toDoom2 ? doom2IntermissionSlots() : doomIntermissionSlots();
    const QStringList carried = carriedIntermissions(lines, slotNames);
    for (qsizetype i = 0; i < carried.size(); ++i)
        lines[3 + i] = carried.at(i);
    lines[1] = toDoom2 ? kDoom2IntermissionTitle : kDoomIntermissionTitle;
    if (toDoom2)
        lines[kVictorLine] = QString();
    lines[8] = QString();
    lines[9] = toDoom2 ? kDoom2MapTitle : kDoomMapTitle;
    lines[10] = QString();

    for (qsizetype i = kFirstMapLine; i < lines.size(); ++i) {
        if (!isMapLine(lines.at(i)))
            continue;
        // A line without a partner is left as it stands.
        if (const std::optional<QString> partner = partnerLine(lines.at(i), n))
            lines[i] = *partner;
    }

    if (!toDoom2) {
        const bool restore = out.setAside.size() > 4 && !out.setAside.at(0).isEmpty();
        const QStringList returning = restore ? out.setAside.mid(0, 4) : kUnpairedNames;
        for (qsizetype i = 0; i < returning.size(); ++i)
            lines.insert(kUnpairedDoomMaps + i, returning.at(i));
        if (restore)
            lines[kVictorLine] = out.setAside.at(4);
        out.setAside.clear();
    }
    out.type = toDoom2 ? PlaylistType::Doom2 : PlaylistType::Doom;
    return out;
}

EditedPlaylist clonePlaylist(const EditedPlaylist& playlist)
{
    if (playlist.type == PlaylistType::Mixed)
        return playlist;
    const bool fromDoom = playlist.type == PlaylistType::Doom;
    const QStringList lines = completed(playlist.lines, playlist.type);
    // The playlist's own part ends before its trailing blank line.
    const qsizetype ownEnd = (fromDoom ? kDoomLines : kDoom2Lines) - 1;

    QStringList other{QString(), fromDoom ? kDoom2IntermissionTitle : kDoomIntermissionTitle,
                      QString()};
    other << carriedIntermissions(lines,
                                  fromDoom ? doom2IntermissionSlots() : doomIntermissionSlots());
    other << QString();
    if (fromDoom)
        other << QString();
    other << (fromDoom ? kDoom2MapTitle : kDoomMapTitle) << lines.at(ownEnd);
    // Every slot of the other game, in order, whatever map lines the playlist holds.
    for (const QString& slot :
         mapSlotNames(typeName(fromDoom ? PlaylistType::Doom2 : PlaylistType::Doom)))
        other << carriedMapLine(lines, slot);

    EditedPlaylist out;
    const QStringList own = lines.mid(0, ownEnd);
    out.lines = fromDoom ? own + other : other + own;
    // Lines beyond the layout stay, behind it.
    out.lines << QString() << lines.mid(ownEnd + 1);
    out.type = PlaylistType::Mixed;
    return out;
}

const QStringList& builtInPlaylistNames()
{
    static const QStringList names{"Fennick - Doom & Doom2", "Fennick - Plutonia", "Fennick - TNT",
                                   "Orvel - Doom & Doom2",   "Orvel - Plutonia",   "Tavish - TNT",
                                   "M-Fold - Doom2"};
    return names;
}

bool isBuiltInPlaylist(const QString& name)
{
    return builtInPlaylistNames().contains(name, Qt::CaseInsensitive);
}

bool canConvert(const QStringList& lines, const QString& playlistName)
{
    return !mixedMapTypes(lines) && !isBuiltInPlaylist(playlistName);
}

bool isMusicExtension(const QString& extension)
{
    static const QStringList extensions{"mp3", "mid", "ogg", "mod", "rmi", "it", "xm", "s3m"};
    return extensions.contains(extension, Qt::CaseInsensitive);
}

bool isMusicFile(const QString& path)
{
    const QString name = PathResolver::lastComponent(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 && isMusicExtension(name.mid(dot + 1));
}

bool takesMusic(const QString& line)
{
    return beginsWith(line, "D_") || beginsWith(line, "E") || beginsWith(line, "MAP");
}

QString musicLine(const QString& line, const QString& musicFile, const QString& installRoot)
{
    QString path = musicFile;
    QString root = PathResolver::normalizeSeparators(installRoot);
    if (!root.endsWith(u'/'))
        root += u'/';
    const QString file = PathResolver::normalizeSeparators(musicFile);
    if (!installRoot.isEmpty() && file.startsWith(root, Qt::CaseInsensitive))
        path = u'\\' + file.mid(root.size()).replace(u'/', u'\\');
    return slotNameOf(line) + QStringLiteral(" \"") + path + u'"';
}

QString cdTrackLine(const QString& line, int track)
{
    if (track < 1 || track > 36)
        return line;
    return slotNameOf(line) + QStringLiteral(" CD ") +
           QStringLiteral("%1").arg(track, 2, 10, QLatin1Char('0'));
}

QString cdTrackCaption(int track)
{
    return QStringLiteral("Track %1").arg(track, 2, 10, QLatin1Char('0'));
}

QStringList removeMusic(const QStringList& lines, const QList<int>& rows)
{
    QStringList out = lines;
    for (const int row : rows) {
        if (row >= 0 && row < out.size())
            out[row] = cutAfterFirstWord(out.at(row));
    }
    return out;
}

QStringList removeAllMusic(const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines)
        out << cutAfterFirstWord(line);
    return out;
}

bool holdsMusic(const QString& line)
{
    return line.size() > 5;
}

std::optional<QString> packFolderName(const QString& playlistName)
{
    static const QList<std::pair<const char*, const char*>> packs{
        {"Orve", "Orvel"}, {"Fenn", "Fennick"}, {"Tavi", "Tavish"}, {"M-Fo", "M-Fold"}};
    const QString start = playlistName.left(4);
    for (const auto& [prefix, folder] : packs) {
        if (start.compare(QLatin1String(prefix), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(folder);
    }
    return std::nullopt;
}

QString packReadme(const QString& installRoot, const QString& playlistName)
{
    const std::optional<QString> folder = packFolderName(playlistName);
    if (!folder || !isBuiltInPlaylist(playlistName))
        return QString();
    const QString readme = PathResolver::resolveUnder(
        installRoot, QStringLiteral("OggVorbis/") + *folder + QStringLiteral("/readme.txt"));
    return PathResolver::fileExists(readme) ? readme : QString();
}

} // namespace z3d::playlist
