#include "core/app/TitlePictures.h"

#include "core/platform/PathResolver.h"

namespace z3d {

namespace {

const QString kDefaultPicture = QStringLiteral("default.jpg");

} // namespace

QStringList TitlePictures::list(const QString& launcherDir)
{
    const QString themes = PathResolver::resolveUnder(launcherDir, QStringLiteral("Themes"));
    const QString first = PathResolver::resolveUnder(themes, kDefaultPicture);
    if (!PathResolver::fileExists(first))
        return {};
    QStringList others;
    for (const QString& name : PathResolver::fileNames(themes)) {
        const bool picture = name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
                             name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
        if (picture && name.compare(kDefaultPicture, Qt::CaseInsensitive) != 0)
            others << name;
    }
    others.sort(Qt::CaseInsensitive);
    QStringList pictures{first};
    for (const QString& name : others)
        pictures << PathResolver::resolveUnder(themes, name);
    return pictures;
}

TitlePictures::Choice TitlePictures::choose(const QStringList& pictures, int index)
{
    if (pictures.isEmpty())
        return {};
    if (index < 0 || index >= pictures.size())
        index = 0;
    return {index, pictures.at(index)};
}

} // namespace z3d
