#pragma once

#include "core/platform/FileStamp.h"
#include "gui/tooltips/ListTipProvider.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <optional>

class QListWidget;

namespace z3d {

// The map list's tips (see ListTips): the map drawn as an automap with its title under it (its
// name when the wad gives no title). A map that cannot be drawn has no tip.
class MapTipContent : public ListTipProvider
{
public:
    // About the size of a tip's lines.
    static constexpr int kPictureSize = 240;

    // list's entries are map names, their MapTitleDelegate::TitleRole data the titles.
    explicit MapTipContent(const QListWidget& list);

    // The wad whose maps the list shows.
    void setWad(const QString& path);

    std::optional<ListTip> tipOf(int row) override;

private:
    // The picture of the map as shown in a tip; null when it cannot be drawn. Drawn afresh
    // once the wad's file is another (a zip of another game extracted a wad of the same name
    // over it) or has changed.
    QImage pictureOf(const QString& map);

    const QListWidget& m_list;
    QString m_wad;
    // The pictures drawn for the wad as m_stamp found it, by map name.
    QHash<QString, QImage> m_pictures;
    std::optional<FileStamp> m_stamp;
};

} // namespace z3d
