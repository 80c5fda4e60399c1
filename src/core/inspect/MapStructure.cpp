#include "core/inspect/MapStructure.h"

namespace z3d {

namespace {

enum class SlotSet
{
    None,
    Episodes,
    Numbered,
    Both
};

SlotSet slotSetOf(const QString& playlistType)
{
    if (playlistType.compare(QLatin1String("Doom"), Qt::CaseInsensitive) == 0)
        return SlotSet::Episodes;
    if (playlistType.compare(QLatin1String("Doom2"), Qt::CaseInsensitive) == 0)
        return SlotSet::Numbered;
    if (playlistType.compare(QLatin1String("Mixed"), Qt::CaseInsensitive) == 0)
        return SlotSet::Both;
    return SlotSet::None;
}

void addEpisodeSlots(QStringList& names)
{
    for (int episode = 1; episode <= 4; ++episode)
        for (int map = 1; map <= 9; ++map)
            names << QStringLiteral("E%1M%2").arg(episode).arg(map);
}

void addNumberedSlots(QStringList& names)
{
    for (int map = 1; map <= 32; ++map)
        names << QStringLiteral("MAP%1").arg(map, 2, 10, QLatin1Char('0'));
}

bool beginsWith(const QString& line, char letter)
{
    return line.startsWith(QLatin1Char(letter), Qt::CaseInsensitive);
}

// A Mixed playlist keeps its Doom part first.
void moveLeadingNumberedMaps(QStringList& lines)
{
    qsizetype run = 0;
    while (run < lines.size() && beginsWith(lines.at(run), 'M'))
        ++run;
    if (run == 0 || run == lines.size())
        return;
    const QStringList numbered = lines.mid(0, run);
    lines.remove(0, run);
    lines << numbered;
}

} // namespace

QStringList mapSlotNames(const QString& playlistType)
{
    QStringList names;
    const SlotSet set = slotSetOf(playlistType);
    if (set == SlotSet::Episodes || set == SlotSet::Both)
        addEpisodeSlots(names);
    if (set == SlotSet::Numbered || set == SlotSet::Both)
        addNumberedSlots(names);
    return names;
}

QStringList checkMapStructure(const QStringList& lines, const QString& playlistType)
{
    QStringList repaired = lines;
    if (slotSetOf(playlistType) == SlotSet::Both)
        moveLeadingNumberedMaps(repaired);
    const QStringList names = mapSlotNames(playlistType);
    for (qsizetype position = 0; position < names.size(); ++position) {
        const QString& slot = names.at(position);
        // Every earlier position holds a line by now, so position never passes the end.
        if (position == repaired.size() ||
            repaired.at(position).left(slot.size()).compare(slot, Qt::CaseInsensitive) != 0)
            repaired.insert(position, slot);
    }
    return repaired;
}

} // namespace z3d
