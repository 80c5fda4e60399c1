#include "core/inspect/KnownPwadList.h"

#include "core/platform/ItemReader.h"
#include "core/platform/PathResolver.h"

namespace z3d {

namespace {

// The class a section marker opens, or 0 when the item is no marker.
int sectionOf(const QString& item)
{
    const QString head = item.left(6);
    for (int code = 2; code <= 7; ++code) {
        const QString marker = QStringLiteral("Check") + QString::number(code);
        if (head.compare(marker, Qt::CaseInsensitive) == 0)
            return code;
    }
    return 0;
}

} // namespace

int KnownPwadList::classOf(const QStringList& items, const QString& fileName)
{
    if (fileName.isEmpty())
        return 0;
    int current = 0;
    for (const QString& item : items) {
        if (const int section = sectionOf(item); section != 0)
            current = section;
        if (item.compare(fileName, Qt::CaseInsensitive) == 0)
            return current == 0 ? 1 : current;
    }
    return 0;
}

int KnownPwadList::lookUp(const QString& launcherDataDir, const QString& gameFilePath)
{
    const QString file =
        PathResolver::resolveUnder(launcherDataDir, QString::fromLatin1(kFileName));
    if (!PathResolver::fileExists(file))
        return 0;
    ErrorNumber error = ErrorNumber::None;
    const QStringList items = ItemReader::readItems(file, &error);
    if (error != ErrorNumber::None)
        return 0;
    return classOf(items, PathResolver::lastComponent(gameFilePath));
}

} // namespace z3d
