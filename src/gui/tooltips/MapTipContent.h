#pragma once

#include "core/inspect/MapContents.h"
#include "core/platform/FileStamp.h"
#include "gui/tooltips/ListTipProvider.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <optional>

class QListWidget;

namespace z3d {

// The map list's tips (see ListTips): the map drawn as an automap with its title under it (its
// name when the wad gives no title), then what it holds at the skill chosen and where it leads
// (MapContentsText). A map that cannot be drawn has no tip.
//
// Pictures and contents are kept per map and skill for the wad as its stamp found it: a wad's
// file replaced or rewritten (a zip of another game extracted a wad of the same name over it)
// is read afresh.
class MapTipContent : public ListTipProvider
{
public:
    // About the size of a tip's lines.
    static constexpr int kPictureSize = 240;

    // list's entries are map names, their MapTitleDelegate::TitleRole data the titles.
    explicit MapTipContent(const QListWidget& list);

    // The wad whose maps the list shows.
    void setWad(const QString& path);
    // The skill (1 to 5) the contents are counted at, and its name.
    void setSkill(int skill, const QString& name);

    std::optional<ListTip> tipOf(int row) override;

private:
    // Forgets what was read of the wad once its file is another or has changed.
    void checkStamp();
    // The picture of the map as shown in a tip; null when it cannot be drawn.
    QImage pictureOf(const QString& map);
    const std::optional<MapContents>& contentsOf(const QString& map);

    const QListWidget& m_list;
    QString m_wad;
    int m_skill = 3;
    QString m_skillName;
    // Read of the wad as m_stamp found it: the pictures by map name, the contents by map name
    // and skill.
    QHash<QString, QImage> m_pictures;
    QHash<std::pair<QString, int>, std::optional<MapContents>> m_contents;
    std::optional<FileStamp> m_stamp;
};

} // namespace z3d
