#include "core/desktop/ShortcutNames.h"

#include "core/platform/PathResolver.h"

#include <array>
#include <utility>

namespace z3d {

namespace {

// Display names of the commercial games and the game part of their links.
constexpr std::array<std::pair<const char*, const char*>, 4> kCommercialNames{{
    {"DOOM/ULTIMATE DOOM", "Doom"},
    {"DOOM II", "Doom2"},
    {"TNT - FINAL DOOM", "Tnt"},
    {"THE PLUTONIA EXPERIMENT", "Plutonia"},
}};

// The shortcut window's names of the commercial games, by the display name's beginning.
constexpr std::array<std::pair<const char*, const char*>, 5> kCommercialLabels{{
    {"The P", "Plutonia Experiment"},
    {"TNT", "TNT Evilution"},
    {"Doom/", "Doom"},
    {"Doom II", "Doom II"},
    {"Share", "Shareware Doom"},
}};

} // namespace

QString ShortcutNames::baseName(const QString& path)
{
    const QString fileName = PathResolver::lastComponent(path);
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

QString ShortcutNames::shortcutName(const QString& entry, GameKind kind,
                                    const QString& mainGameFile)
{
    if (kind == GameKind::IwadGame) {
        for (const auto& [display, name] : kCommercialNames) {
            if (entry.compare(QLatin1String(display), Qt::CaseInsensitive) == 0)
                return QLatin1String(name);
        }
    }
    if (kind == GameKind::UserDirectory)
        return entry + QStringLiteral(" - ") + baseName(mainGameFile);
    return entry;
}

QString ShortcutNames::mapPart(bool includeMap, bool startFromNew, const QString& mapEntry)
{
    const QString map = mapEntry.trimmed();
    if (!includeMap || startFromNew || map.isEmpty())
        return {};
    if (map.startsWith(u'M', Qt::CaseInsensitive))
        return QStringLiteral(" - M") + map.mid(1).toLower();
    return QStringLiteral(" - ") + map;
}

QString ShortcutNames::linkName(const QString& shortcutName, const QString& mapPart)
{
    if (shortcutName.isEmpty())
        return mapPart;
    return shortcutName.left(1).toUpper() + shortcutName.mid(1).toLower() + mapPart;
}

QString ShortcutNames::windowLabel(const QString& entry, GameKind kind,
                                   const QString& installedName, const QString& mainGameFile,
                                   bool customFontInUse)
{
    switch (kind) {
    case GameKind::IwadGame:
        for (const auto& [beginning, label] : kCommercialLabels) {
            if (entry.startsWith(QLatin1String(beginning), Qt::CaseInsensitive))
                return customFontInUse ? QString(QLatin1String(label))
                                       : QString(QLatin1String(label)).toUpper();
        }
        return entry;
    case GameKind::PwadGame:
    case GameKind::ScriptedMap:
        if (installedName.size() > kLabelLength)
            return installedName.left(kShortenedLength) + QStringLiteral(" ...");
        return installedName;
    default:
        return baseName(mainGameFile).toUpper();
    }
}

} // namespace z3d
