#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

// The title pictures of LauncherDir/Themes: default.jpg first, then the folder's other .jpg and
// .bmp pictures (any case) sorted by name. The settings' titlePictureIndex chooses one.
class TitlePictures
{
public:
    // The pictures' paths; empty when default.jpg is missing (the picture shown stays).
    static QStringList list(const QString& launcherDir);

    struct Choice
    {
        int index = 0;
        QString path;
    };
    // The picture of index among pictures; an index past the last (or below 0) falls back to
    // default.jpg at index 0.
    static Choice choose(const QStringList& pictures, int index);
};

} // namespace z3d
