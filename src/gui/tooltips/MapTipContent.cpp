#include "gui/tooltips/MapTipContent.h"

#include "core/inspect/MapPreview.h"
#include "core/platform/PathResolver.h"
#include "gui/tabs/MapTitleDelegate.h"

#include <QListWidget>

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

MapTipContent::MapTipContent(const QListWidget& list) : m_list(list) {}

void MapTipContent::setWad(const QString& path)
{
    if (path == m_wad)
        return;
    m_wad = path;
    m_pictures.clear();
}

std::optional<ListTip> MapTipContent::tipOf(int row)
{
    const QListWidgetItem* item = m_list.item(row);
    if (!item || m_wad.isEmpty())
        return std::nullopt;
    const QString map = item->text();
    ListTip tip{pictureOf(map), {}};
    if (tip.picture.isNull())
        return std::nullopt;
    const QString title = item->data(MapTitleDelegate::TitleRole).toString();
    tip.lines << (title.isEmpty() ? map : title);
    return tip;
}

QImage MapTipContent::pictureOf(const QString& map)
{
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

} // namespace z3d
