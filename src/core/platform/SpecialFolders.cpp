#include "core/platform/SpecialFolders.h"

#include <QStandardPaths>

namespace z3d {

QString SpecialFolders::desktop()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString SpecialFolders::applications()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

} // namespace z3d
