#include "core/settings/FontSettings.h"

#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

#include <limits>

namespace z3d {

namespace {

constexpr qint16 kMaxSize = std::numeric_limits<qint16>::max();

} // namespace

int FontSettings::appliedSize() const
{
    return size >= font_choices::kSmallestSize && size <= font_choices::kLargestSize ? size
                                                                                     : kDefaultSize;
}

QString FontSettings::filePath(const QString& launcherDir)
{
    return PathResolver::resolveUnder(launcherDir, QStringLiteral("font.z3d"));
}

std::optional<FontSettings> FontSettings::read(const QString& launcherDir)
{
    const QString path = filePath(launcherDir);
    if (!PathResolver::fileExists(path))
        return std::nullopt;
    const TextFileLines first = TextFile::readFirstLine(path);
    if (first.error == ErrorNumber::InputPastEndOfFile)
        return FontSettings{};
    if (!first.ok())
        return std::nullopt;
    return parse(first.lines.value(0));
}

FontSettings FontSettings::parse(const QString& line)
{
    FontSettings font;
    QString rest = line;
    if (rest.endsWith(QLatin1Char('b'), Qt::CaseInsensitive)) {
        font.bold = true;
        rest.chop(2);
    }
    const qsizetype comma = rest.indexOf(QLatin1Char(','));
    if (comma < 0) {
        font.name = rest;
        return font;
    }
    font.name = rest.left(comma);
    bool ok = false;
    const int size = rest.mid(comma + 1).trimmed().toInt(&ok);
    if (ok && size > 0 && size <= kMaxSize)
        font.size = size;
    return font;
}

QString FontSettings::line() const
{
    return name + QLatin1Char(',') + QString::number(size) +
           (bold ? QStringLiteral(",b") : QString());
}

ErrorNumber FontSettings::write(const QString& launcherDir, const FontSettings& font)
{
    return TextFile::writeLines(filePath(launcherDir), {font.line()});
}

namespace font_choices {

const QStringList& fonts()
{
    static const QStringList names{"Arial",  "Calibri",         "MS Sans Serif", "Segoe UI",
                                   "Tahoma", "Times New Roman", "Verdana"};
    return names;
}

const QStringList& styles()
{
    static const QStringList names{"Regular", "Bold"};
    return names;
}

QList<int> sizes(const QString& font, bool bold)
{
    switch (fonts().indexOf(font)) {
    case 0:
    case 4:
        return {8, 9, 10};
    case 1:
        return {10};
    case 2:
        return {8, 10};
    case 3:
        return {8, 9};
    case 5:
        return {9, 10};
    case 6:
        return bold ? QList<int>{8, 9} : QList<int>{8, 9, 10};
    default:
        return {};
    }
}

} // namespace font_choices

} // namespace z3d
