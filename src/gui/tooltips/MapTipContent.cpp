#include "gui/tooltips/MapTipContent.h"

#include "core/inspect/MapContentsText.h"
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
    m_contents.clear();
}

void MapTipContent::setSkill(int skill, const QString& name)
{
    m_skill = skill;
    m_skillName = name;
}

std::optional<ListTip> MapTipContent::tipOf(int row)
{
    const QListWidgetItem* item = m_list.item(row);
    if (!item || m_wad.isEmpty())
        return std::nullopt;
    const QString map = item->text();
    checkStamp();
    ListTip tip{pictureOf(map), {}};
    // The contents come wherever the wad holds the map, drawn or not.
    const std::optional<MapContents>& contents = contentsOf(map);
    if (tip.picture.isNull() && !contents)
        return std::nullopt;
    const QString title = item->data(MapTitleDelegate::TitleRole).toString();
    tip.lines << (title.isEmpty() ? map : title);
    if (tip.picture.isNull())
        tip.lines << QStringLiteral("Nothing to draw: the map has no lines.");
    if (contents)
        tip.lines << MapContentsText::lines(*contents, m_skillName);
    return tip;
}

void MapTipContent::checkStamp()
{
    // A path names whatever file is there now: the stamp tells whether what is kept is still
    // of it.
    const std::optional<FileStamp> stamp = FileStamp::of(PathResolver::resolve(m_wad));
    if (stamp != m_stamp) {
        m_pictures.clear();
        m_contents.clear();
        m_stamp = stamp;
    }
}

QImage MapTipContent::pictureOf(const QString& map)
{
    if (const auto kept = m_pictures.constFind(map); kept != m_pictures.cend())
        return *kept;
    const std::optional<automap::MapPicture> picture = MapPreview::draw(m_wad, map, kPictureSize);
    const QImage image = picture ? toImage(*picture) : QImage();
    m_pictures.insert(map, image);
    return image;
}

const std::optional<MapContents>& MapTipContent::contentsOf(const QString& map)
{
    const std::pair key(map, m_skill);
    auto kept = m_contents.find(key);
    if (kept == m_contents.end())
        kept = m_contents.insert(key, MapContents::of(m_wad, map, m_skill));
    return *kept;
}

} // namespace z3d
