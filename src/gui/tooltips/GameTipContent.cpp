#include "gui/tooltips/GameTipContent.h"

namespace z3d {

GameTipContent::GameTipContent(EntryOf entryOf, FaceOf faceOf)
    : m_entryOf(std::move(entryOf)), m_faceOf(std::move(faceOf))
{
}

std::optional<ListTip> GameTipContent::tipOf(int row)
{
    const std::optional<AddonFaceEntry> entry = m_entryOf(row);
    if (!entry)
        return std::nullopt;
    const AddonFace face = m_faceOf(*entry);
    ListTip tip{face.picture ? imageOf(*face.picture) : QImage(),
                face.text ? linesOf(*face.text) : QStringList()};
    if (tip.picture.isNull() && tip.lines.isEmpty())
        return std::nullopt;
    return tip;
}

QImage GameTipContent::imageOf(const automap::TitlePicture& picture)
{
    QImage image;
    if (!picture.png.empty()) {
        image.loadFromData(picture.png.data(), qsizetype(picture.png.size()), "PNG");
    } else if (picture.width > 0 && picture.height > 0 &&
               picture.argb.size() == std::size_t(picture.width) * std::size_t(picture.height)) {
        image = QImage(picture.width, picture.height, QImage::Format_ARGB32);
        for (int y = 0; y < picture.height; ++y)
            std::copy_n(picture.argb.data() + std::size_t(y) * std::size_t(picture.width),
                        picture.width, reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    if (image.isNull())
        return {};
    if (image.size() != QSize(picture.width, picture.height))
        return {};
    // The proportions the game shows the picture in, from its size as stored.
    const int height = std::max(1, picture.shownHeight() * kPictureWidth / picture.width);
    return image.scaled(kPictureWidth, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QStringList GameTipContent::linesOf(const AddonText& text)
{
    QStringList lines;
    if (!text.title.isEmpty())
        lines << text.title;
    QStringList byline;
    if (!text.author.isEmpty())
        byline << QStringLiteral("by ") + text.author;
    if (!text.date.isEmpty())
        byline << text.date;
    if (!byline.isEmpty())
        lines << byline.join(QStringLiteral(", "));
    return lines << text.description;
}

} // namespace z3d
