#include "core/library/MainWadChooser.h"

#include "core/library/GameFiles.h"
#include "core/library/NameOrder.h"
#include "core/platform/PathResolver.h"

#include <algorithm>

namespace z3d {

namespace {

// The ranking texts carry the code in three digits, so a check that printed nothing (code
// 10) sorts below every real answer and the path survives the cut of the first three
// characters. No wad holds 900 maps; a larger code is capped rather than allowed to break
// the ranking.
constexpr int kCodeDigits = 3;
constexpr int kHighestCode = 999;

} // namespace

MainWadChoice MainWadChooser::choose(const QString& folder, const MapCodeFunction& mapCode)
{
    if (!mapCode)
        return choose(folder, MapCodesFunction());
    return choose(folder, [&mapCode](const QStringList& wadPaths) {
        QList<int> codes;
        for (const QString& wad : wadPaths)
            codes << mapCode(wad);
        return codes;
    });
}

MainWadChoice MainWadChooser::choose(const QString& folder, const MapCodesFunction& mapCodes)
{
    MainWadChoice choice;
    QString prefix = PathResolver::resolve(folder);
    if (prefix.isEmpty())
        return choice;
    if (!prefix.endsWith(u'/'))
        prefix += u'/';

    QStringList candidates;
    for (const QString& name : GameFiles::listFolderFiles(prefix)) {
        if (!name.endsWith(QLatin1String(".wad"), Qt::CaseInsensitive))
            continue;
        ++choice.wadCount;
        if (GameFiles::isGameFile(name, true)) {
            candidates << name;
            choice.mainFile = prefix + name;
        }
    }

    if (choice.wadCount > 1 && mapCodes) {
        QStringList paths;
        for (const QString& name : std::as_const(candidates))
            paths << prefix + name;
        const QList<int> codes = mapCodes(paths);
        QStringList ranking;
        for (qsizetype i = 0; i < paths.size() && i < codes.size(); ++i) {
            const int code = codes.at(i);
            if (code > 0)
                ranking << QStringLiteral("%1").arg(std::min(code, kHighestCode), kCodeDigits, 10,
                                                    QLatin1Char('0')) +
                               paths.at(i);
        }
        sortNames(ranking);
        if (!ranking.isEmpty())
            choice.mainFile = ranking.last().mid(kCodeDigits);
    }
    choice.fileName = PathResolver::lastComponent(choice.mainFile);
    return choice;
}

} // namespace z3d
