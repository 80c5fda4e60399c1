#include "core/desktop/ShortcutFolders.h"

#include "core/platform/PathResolver.h"
#include "core/platform/SpecialFolders.h"

namespace z3d {

namespace {

QString shortcutsIn(const QString& base)
{
    if (base.trimmed().isEmpty())
        return {};
    return PathResolver::resolveUnder(base, QLatin1String(ShortcutFolders::kSubfolder));
}

} // namespace

ShortcutFolders ShortcutFolders::standard()
{
    return ShortcutFolders{SpecialFolders::desktop(), SpecialFolders::applications()};
}

QString ShortcutFolders::desktopShortcuts() const
{
    return shortcutsIn(desktop);
}

QString ShortcutFolders::menuShortcuts() const
{
    return shortcutsIn(applications);
}

} // namespace z3d
