#include "core/models/ModelVersions.h"

#include "core/launch/LaunchInputs.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"
#include "core/settings/LauncherSettings.h"

#include <QFileInfo>

namespace z3d {

const QString ModelVersions::kOrrinpackVersionLine =
    QStringLiteral("# Orrinpack version 7 - Do not edit this line");
const QString ModelVersions::kHudWeaponsVersionLine =
    QStringLiteral("# hweapons version 9 - Do not edit this line");

namespace {

// Whether the file's first line is versionLine; an unreadable or empty file is not.
bool firstLineIs(const QString& path, const QString& versionLine)
{
    const TextFileLines first = TextFile::readFirstLine(path);
    return first.ok() && !first.lines.isEmpty() &&
           first.lines.constFirst().compare(versionLine, Qt::CaseInsensitive) == 0;
}

} // namespace

QDateTime ModelVersions::orrinpackWadCutOff()
{
    return QDateTime(QDate(2007, 10, 12), QTime(10, 0));
}

bool ModelVersions::orrinpackVersionOk(const InstallPaths& paths, const QString& definitionFile,
                                       bool wineMode)
{
    const QString definitions = PathResolver::resolveUnder(paths.orrinpackDefsDir, definitionFile);
    const QString wad =
        PathResolver::resolveUnder(paths.modelDir, QStringLiteral("Orrinpack/orrinpack.wad"));
    if (!PathResolver::fileExists(definitions) || !PathResolver::fileExists(wad))
        return false;
    if (wineMode)
        return true;
    if (!firstLineIs(definitions, kOrrinpackVersionLine))
        return false;
    return QFileInfo(wad).lastModified() > orrinpackWadCutOff();
}

bool ModelVersions::modelsCompatible(const InstallPaths& paths, bool basicDoom, bool allModels,
                                     bool pellamOrrinModels)
{
    if (basicDoom || allModels || !pellamOrrinModels)
        return true;
    const QString standard =
        PathResolver::resolveUnder(paths.modelDefsDir, QStringLiteral("hudweapons.ded"));
    const QString enhanced =
        PathResolver::resolveUnder(paths.pellamDefsDir, QStringLiteral("hudweapons.ded"));
    if (!PathResolver::fileExists(standard) || !PathResolver::fileExists(enhanced))
        return true;
    return firstLineIs(standard, kHudWeaponsVersionLine) ==
           firstLineIs(enhanced, kHudWeaponsVersionLine);
}

ModelPackTests ModelVersions::forLaunch(const InstallPaths& paths, LauncherSettings& settings,
                                        const OptionBoxStates& boxes, bool wineMode)
{
    ModelPackTests tests;
    if (!boxes.orrinWeapons)
        settings.orrinWeapons = false;
    else if (settings.orrinWeapons)
        tests.fullpackOk = orrinpackVersionOk(paths, QStringLiteral("fullpack.ded"), wineMode);
    if (!boxes.orrinAltWeapons)
        settings.orrinAltWeapons = false;
    else if (settings.orrinAltWeapons)
        tests.alternativeOk =
            orrinpackVersionOk(paths, QStringLiteral("Alternative.ded"), wineMode);
    tests.compatible = modelsCompatible(paths, settings.basicDoomMode, settings.modelOptAllModels,
                                        settings.pellamOrrinModels);
    return tests;
}

} // namespace z3d
