#include "gui/tooltips/MapPictureTips.h"

#include "core/inspect/MapPreview.h"
#include "core/platform/PathResolver.h"
#include "gui/tabs/MapTitleDelegate.h"
#include "gui/tooltips/ToolTips.h"
#include "gui/tooltips/ToolTipWindow.h"

#include <QCursor>
#include <QHelpEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace z3d {

namespace {

QImage toImage(const automap::MapPicture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (const auto& colour : automap::MapPicture::Palette)
        colours << qRgb(colour.red, colour.green, colour.blue);
    image.setColorTable(colours);
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.pixels.data() + std::size_t(y) * std::size_t(picture.width),
                    picture.width, image.scanLine(y));
    return image;
}

} // namespace

MapPictureTips::MapPictureTips(QListWidget& list) : QObject(&list), m_list(list)
{
    m_showTimer.setSingleShot(true);
    m_popTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, &MapPictureTips::showTip);
    connect(&m_popTimer, &QTimer::timeout, this, &MapPictureTips::hideTip);
    m_list.viewport()->setMouseTracking(true);
    m_list.viewport()->installEventFilter(this);
    m_list.installEventFilter(this);
}

void MapPictureTips::setToolTips(ToolTips* tips)
{
    if (!tips)
        restOn(-1);
    m_tips = tips;
}

void MapPictureTips::setWad(const QString& path)
{
    if (path == m_wad)
        return;
    m_wad = path;
    m_pictures.clear();
    restOn(-1);
}

QImage MapPictureTips::pictureOf(int row)
{
    const QListWidgetItem* item = m_list.item(row);
    if (!item || m_wad.isEmpty())
        return {};
    const QString map = item->text();
    // A path names whatever file is there now: the stamp tells whether the pictures kept are
    // still of it.
    const std::optional<FileStamp> stamp = FileStamp::of(PathResolver::resolve(m_wad));
    if (stamp != m_stamp) {
        m_pictures.clear();
        m_stamp = stamp;
    }
    if (const auto kept = m_pictures.constFind(map); kept != m_pictures.cend())
        return *kept;
    const std::optional<automap::MapPicture> picture = MapPreview::draw(m_wad, map, kPictureSize);
    const QImage image = picture ? toImage(*picture) : QImage();
    m_pictures.insert(map, image);
    return image;
}

bool MapPictureTips::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: events also come while the list is being destroyed.
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == m_list.viewport())
            restOn(m_list.indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).row());
        break;
    case QEvent::ToolTip:
        if (watched == m_list.viewport() && m_tips &&
            m_list.indexAt(static_cast<QHelpEvent*>(event)->pos()).isValid())
            return true;
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        restOn(-1);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        // The tip stays away until the mouse rests on another map.
        m_showTimer.stop();
        hideTip();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void MapPictureTips::restOn(int row)
{
    if (row == m_row)
        return;
    const bool shown = m_tips && m_tips->tipWindow() && m_tips->tipWindow()->isVisible() &&
                       !m_tips->tipWindow()->picture().isNull();
    m_row = row;
    m_showTimer.stop();
    hideTip();
    if (row >= 0 && m_tips)
        m_showTimer.start(
            m_tips->delayTime(shown ? ToolTips::Delay::Reshow : ToolTips::Delay::Initial));
}

void MapPictureTips::showTip()
{
    const QListWidgetItem* item = m_list.item(m_row);
    if (!m_tips || !item || !m_list.isVisible())
        return;
    const QImage picture = pictureOf(m_row);
    if (picture.isNull())
        return;
    const QString title = item->data(MapTitleDelegate::TitleRole).toString();
    m_tips->window().showPicture(picture, title.isEmpty() ? item->text() : title, QCursor::pos());
    m_popTimer.start(m_tips->delayTime(ToolTips::Delay::AutoPop));
}

void MapPictureTips::hideTip()
{
    m_popTimer.stop();
    if (m_tips && m_tips->tipWindow() && !m_tips->tipWindow()->picture().isNull())
        m_tips->window().hide();
}

} // namespace z3d
