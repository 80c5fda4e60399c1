#pragma once

#include "core/platform/FileStamp.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QListWidget;

namespace z3d {

class ToolTips;

// The map list's picture tips: when the mouse rests on a map, the form's tip window shows the
// map drawn as an automap with its title under it (its name when the wad gives no title).
// The tips follow the form's tip timing (initial delay, reshow delay, auto-pop) and go as the
// others do (the mouse leaves the entry, a button, key or wheel is used). While tips are off
// nothing shows. Over a map the list's own Qt tooltip gives way to the picture; elsewhere on
// the list it shows as before.
class MapPictureTips : public QObject
{
    Q_OBJECT

public:
    // About the size of a tip's lines.
    static constexpr int kPictureSize = 240;

    // list's entries are map names, their MapTitleDelegate::TitleRole data the titles.
    explicit MapPictureTips(QListWidget& list);

    // The form's tips, or nullptr while tooltips are off.
    void setToolTips(ToolTips* tips);
    // The wad whose maps the list shows.
    void setWad(const QString& path);

    // The picture of the map at row as shown in a tip; null when it cannot be drawn. Drawn
    // afresh once the wad's file is another (a zip of another game extracted a wad of the
    // same name over it) or has changed.
    QImage pictureOf(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restOn(int row);
    void showTip();
    void hideTip();

    QListWidget& m_list;
    QPointer<ToolTips> m_tips;
    QString m_wad;
    // The pictures drawn for the wad as m_stamp found it, by map name.
    QHash<QString, QImage> m_pictures;
    std::optional<FileStamp> m_stamp;
    // The row the mouse rests on, -1 when none.
    int m_row = -1;
    QTimer m_showTimer;
    QTimer m_popTimer;
};

} // namespace z3d
