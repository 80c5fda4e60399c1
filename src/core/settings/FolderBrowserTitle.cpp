#include "core/settings/FolderBrowserTitle.h"

namespace z3d {

QString FolderBrowserTitle::make(const QString& currentLocation, const QString& sentence)
{
    const qsizetype length = currentLocation.size();
    if (length > 49)
        return sentence;
    QString prefix;
    if (length <= 30)
        prefix = QStringLiteral("Current Location: ");
    else if (length <= 40)
        prefix = QStringLiteral("Location: ");
    return prefix + currentLocation + QStringLiteral("\r\n") + sentence;
}

} // namespace z3d
