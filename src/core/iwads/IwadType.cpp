#include "core/iwads/IwadType.h"

#include <QFileInfo>

#include <array>

namespace z3d {

namespace {

constexpr std::array<IwadInfo, 5> kIwads{{
    {IwadType::Doom1, "Doom1.wad", "doom1", "Shareware Doom", "SHAREWARE DOOM", MapStyle::Episodes},
    {IwadType::Doom, "Doom.wad", "doom", "Doom/Ultimate Doom", "DOOM/ULTIMATE DOOM",
     MapStyle::Episodes},
    {IwadType::Doom2, "Doom2.wad", "doom2", "Doom II", "DOOM II", MapStyle::Numbered},
    {IwadType::Tnt, "Tnt.wad", "tnt", "TNT - Final Doom", "TNT - FINAL DOOM", MapStyle::Numbered},
    {IwadType::Plutonia, "Plutonia.wad", "plutonia", "The Plutonia Experiment",
     "THE PLUTONIA EXPERIMENT", MapStyle::Numbered},
}};

constexpr std::array<IwadStandIn, 2> kStandIns{{
    {IwadType::Doom2, "freedoom2.wad"},
    {IwadType::Doom, "freedoom1.wad"},
}};

QString fileNameOf(const QString& fileNameOrPath)
{
    // Either separator style: a path may still carry the engine's backslashes.
    QString name = fileNameOrPath;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(name).fileName();
}

const IwadStandIn* standInNamed(const QString& name)
{
    for (const IwadStandIn& standIn : kStandIns) {
        if (name.compare(QLatin1String(standIn.fileName), Qt::CaseInsensitive) == 0)
            return &standIn;
    }
    return nullptr;
}

} // namespace

std::span<const IwadInfo> iwadTypes()
{
    return kIwads;
}

const IwadInfo& iwadInfo(IwadType type)
{
    return kIwads[static_cast<std::size_t>(type)];
}

std::span<const IwadStandIn> iwadStandIns()
{
    return kStandIns;
}

std::optional<IwadType> iwadTypeFromFileName(const QString& fileNameOrPath)
{
    const QString name = fileNameOf(fileNameOrPath);
    for (const IwadInfo& info : kIwads) {
        if (name.compare(QLatin1String(info.fileName), Qt::CaseInsensitive) == 0)
            return info.type;
    }
    if (const IwadStandIn* standIn = standInNamed(name))
        return standIn->type;
    return std::nullopt;
}

bool isIwadStandIn(const QString& fileNameOrPath)
{
    return standInNamed(fileNameOf(fileNameOrPath)) != nullptr;
}

std::optional<IwadType> iwadTypeFromDisplayName(const QString& displayName)
{
    for (const IwadInfo& info : kIwads) {
        if (displayName.compare(QLatin1String(info.displayName), Qt::CaseInsensitive) == 0)
            return info.type;
    }
    return std::nullopt;
}

} // namespace z3d
