#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

struct MapContents;

// How a map's contents read in its tip, and at which skill they are counted.
class MapContentsText
{
public:
    // The skill the launcher would start a map at: the skill list's entry (0 is "Start game
    // from New"), or for entry 0 the last skill used (lastSkill), which choosing a map brings
    // back; 3 when neither is a skill.
    static int skillOf(int entry, int lastSkill);
    // A skill's name as the skill list shows it, without its number: "4 - Ultra-Violence"
    // gives "Ultra-Violence".
    static QString skillName(const QString& entryText);

    // "62 monsters · 48 items · 5 secrets (Ultra-Violence)", then, where the wad names any of
    // them, "Next: MAP02 · Secret: MAP31 · Par 1:30" (a par of whole seconds as minutes and
    // seconds). Without a skill name, no name in brackets. Control characters of the wad's
    // texts are left out.
    static QStringList lines(const MapContents& contents, const QString& skillName);
};

} // namespace z3d
