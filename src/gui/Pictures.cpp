#include "gui/Pictures.h"

#include <QString>

// The pictures are compiled into the static gui library; their registration must be named
// from outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace z3d {

QPixmap Pictures::named(const char* name)
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    return QPixmap(QStringLiteral(":/z3d/pictures/%1.png").arg(QLatin1String(name)));
}

} // namespace z3d
