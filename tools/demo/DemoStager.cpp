#include "DemoStager.h"
#include "ThemePictures.h"

#include "DemoContent.h"
#include "ZipWriter.h"

#include "core/music/BuiltInPlaylists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace z3d::demo {

const QString DemoStager::MarkerFileName = QStringLiteral(".z3d-demo");

namespace {

const QString KeptSettings = QStringLiteral("Z3DLaunch/config.z3d");

bool removeTree(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return true;
    }
    if (info.isDir() && !info.isSymLink()) {
        return QDir(path).removeRecursively();
    }
    return QFile::remove(path);
}

} // namespace

DemoStager::DemoStager(Options options) : m_options(std::move(options)) {}

QStringList DemoStager::folders()
{
    return {
        QStringLiteral("bin"),
        QStringLiteral("Z3DLaunch/Data"),
        QStringLiteral("Z3DLaunch/Music"),
        QStringLiteral("Z3DLaunch/Themes"),
        QStringLiteral("Z3DLaunch/GameInfo"),
        QStringLiteral("Z3DGames"),
        QStringLiteral("Z3DArchives"),
        QStringLiteral("Defs/Base"),
        QStringLiteral("Defs/Model/Addon"),
        QStringLiteral("Defs/Model/Pellam"),
        QStringLiteral("Defs/Model/Orrinpack"),
        QStringLiteral("Defs/Custom"),
        QStringLiteral("Md2"),
        QStringLiteral("Data"),
        QStringLiteral("Iwads"),
        QStringLiteral("Z3D_Docs"),
        QStringLiteral("OggVorbis/M-Fold"),
    };
}

bool DemoStager::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool DemoStager::replaceable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return true;
    }
    if (!info.isDir() || info.isSymLink()) {
        return fail(QStringLiteral("%1 exists and is not a folder; not replacing it").arg(path));
    }
    const QDir dir(path);
    if (dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot) ||
        QFileInfo::exists(dir.filePath(MarkerFileName))) {
        return true;
    }
    return fail(QStringLiteral("%1 is not a demo installation made by this program; "
                               "not replacing it")
                    .arg(path));
}

bool DemoStager::writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    }
    return true;
}

bool DemoStager::copyFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.copy(to)) {
        return fail(QStringLiteral("cannot copy %1 to %2: %3").arg(from, to, source.errorString()));
    }
    QFile::setPermissions(to, QFile::permissions(from));
    return true;
}

bool DemoStager::copyPrograms(const QString& root)
{
    const QDir bin(m_options.binDir);
    for (const QString& name :
         {QStringLiteral("Zorn3D"), QStringLiteral("Z3DgFiles"), QStringLiteral("Z3Dlauncher")}) {
        const QString program = bin.filePath(name);
        if (!QFileInfo(program).isFile()) {
            if (name == QStringLiteral("Z3Dlauncher")) {
                m_notes.append(
                    QStringLiteral("%1 not built yet; bin has no launcher").arg(program));
                continue;
            }
            return fail(QStringLiteral("%1 is missing; build it first").arg(program));
        }
        if (!copyFile(program, root + QStringLiteral("/bin/") + name)) {
            return false;
        }
    }
    // The real installation ships these libraries; the launcher only checks they are there.
    for (const QString& name :
         {QStringLiteral("unzip32.dll"), QStringLiteral("fmodex.dll"), QStringLiteral("eax.dll")}) {
        if (!writeFile(root + QStringLiteral("/bin/") + name, {})) {
            return false;
        }
    }
    return true;
}

bool DemoStager::copyIwads(const QString& root)
{
    const QDir freedoom(m_options.freedoomDir);
    const QList<QPair<QString, QString>> iwads{
        {QStringLiteral("freedoom1.wad"), QStringLiteral("Doom.wad")},
        {QStringLiteral("freedoom2.wad"), QStringLiteral("Doom2.wad")}};
    for (const auto& [source, target] : iwads) {
        const QString path = freedoom.filePath(source);
        if (!QFileInfo(path).isFile()) {
            m_notes.append(QStringLiteral("%1 not found; Iwads/%2 left out").arg(path, target));
            continue;
        }
        if (!copyFile(path, root + QStringLiteral("/Iwads/") + target)) {
            return false;
        }
    }
    return true;
}

bool DemoStager::writeGames(const QString& root)
{
    for (const DemoContent::Game& game : DemoContent::games()) {
        const QByteArray info = DemoContent::textFile(game.info);
        if (game.layout == DemoContent::Layout::ZipLibrary) {
            ZipWriter zip;
            for (const DemoContent::Wad& wad : game.wads) {
                zip.addMember(wad.fileName, DemoContent::wadBytes(wad));
            }
            zip.addMember(game.infoFileName, info);
            if (!zip.write(root + QStringLiteral("/Z3DArchives/") + game.name + ".zip")) {
                return fail(zip.error());
            }
            continue;
        }
        const QString gameDir = root + QStringLiteral("/Z3DGames/") + game.name;
        const QString wadDir =
            gameDir + (game.layout == DemoContent::Layout::AutoLoading ? QStringLiteral("/Pwads")
                                                                       : QStringLiteral("/Gwads"));
        if (!QDir().mkpath(wadDir)) {
            return fail(QStringLiteral("cannot create %1").arg(wadDir));
        }
        for (const DemoContent::Wad& wad : game.wads) {
            if (!writeFile(wadDir + '/' + wad.fileName, DemoContent::wadBytes(wad))) {
                return false;
            }
        }
        if (!writeFile(wadDir + '/' + game.infoFileName, info)) {
            return false;
        }
        if (game.saves.isEmpty()) {
            continue;
        }
        const QString saveDir = gameDir + QStringLiteral("/savegame");
        if (!QDir().mkpath(saveDir)) {
            return fail(QStringLiteral("cannot create %1").arg(saveDir));
        }
        for (const DemoContent::Save& save : game.saves) {
            const QString name = QStringLiteral("/Zorn3DSav%1.z3dsg").arg(save.slot);
            if (!writeFile(saveDir + name, DemoContent::saveBytes(save))) {
                return false;
            }
        }
    }
    return true;
}

bool DemoStager::buildTree(const QString& root)
{
    for (const QString& folder : folders()) {
        if (!QDir(root).mkpath(folder)) {
            return fail(QStringLiteral("cannot create %1/%2").arg(root, folder));
        }
    }
    return copyPrograms(root) && copyIwads(root) && writeGames(root) && writeMusicPack(root) &&
           writeModelPacks(root) &&
           demo::writeThemePictures(root + QStringLiteral("/Z3DLaunch/Themes")) &&
           writeFile(root + QStringLiteral("/Z3DLaunch/Data/tips.txt"),
                     DemoContent::textFile(DemoContent::tips())) &&
           writeFile(root + QStringLiteral("/Z3DLaunch/Data/checkpwad.z3d"),
                     DemoContent::textFile(DemoContent::knownPwads())) &&
           writeFile(root + QStringLiteral("/Z3D_Docs/readme.txt"),
                     DemoContent::textFile(DemoContent::readme()));
}

bool DemoStager::writeMusicPack(const QString& root)
{
    // The launcher never plays music: the pack's file names are all its playlist needs.
    const QString pack = QStringLiteral("M-Fold");
    const QString folder = root + QStringLiteral("/OggVorbis/") + pack + '/';
    for (const QString& file : z3d::BuiltInPlaylists::packFiles(pack)) {
        if (!writeFile(folder + file, {}))
            return false;
    }
    return writeFile(folder + QStringLiteral("readme.txt"),
                     "M-Fold music pack (demo installation: empty placeholder files)\r\n");
}

bool DemoStager::writeModelPacks(const QString& root)
{
    // Stand-in packs with the folders and definition files the Models page looks for: the
    // core effects, hud weapons, monsters, decorations and flames are installed, items,
    // splashes and the Brannock soldiers are not. Orrinpack's weapons carry an old version
    // line, so choosing them shows the launch's version message; its alternative weapons
    // are current.
    const QByteArray note = "# Demo installation: a stand-in definition file\r\n";
    const QByteArray hud = "# hweapons version 9 - Do not edit this line\r\n";
    const QList<QPair<QString, QByteArray>> files{
        {QStringLiteral("Defs/Base/CoreEffects.ded"), note},
        {QStringLiteral("Defs/Model/HudWeapons.ded"), hud + note},
        {QStringLiteral("Defs/Model/Monsters.ded"), note},
        {QStringLiteral("Defs/Model/Decorations.ded"), note},
        {QStringLiteral("Defs/Model/FlameModels.ded"), note},
        {QStringLiteral("Defs/Model/Pellam/hudweapons.ded"), hud + note},
        {QStringLiteral("Defs/Model/Orrinpack/Fullpack.ded"),
         "# Orrinpack version 6 - Do not edit this line\r\n" + note},
        {QStringLiteral("Defs/Model/Orrinpack/Alternative.ded"),
         "# Orrinpack version 7 - Do not edit this line\r\n" + note},
        {QStringLiteral("Defs/Custom/Demo glow.ded"), note},
        {QStringLiteral("Md2/CoreEffects/glow.dmd"), {}},
        {QStringLiteral("Md2/HudWeapons/chainsaw/chainsaw.dmd"), {}},
        {QStringLiteral("Md2/Monsters/Imp/imp.dmd"), {}},
        {QStringLiteral("Md2/Decorations/barrel.dmd"), {}},
        {QStringLiteral("Md2/Flames/flame.dmd"), {}},
        {QStringLiteral("Md2/Orrinpack/orrinpack.wad"), {}},
        {QStringLiteral("Md2/Pellam/Gore/hang7.dmd"), {}},
        {QStringLiteral("Md2/Pellam/Gore/hang1.png"), {}},
        {QStringLiteral("Md2/shiny.png"), {}},
        {QStringLiteral("Md2/metallic.png"), {}},
    };
    for (const auto& [relative, bytes] : files) {
        const QString path = root + QLatin1Char('/') + relative;
        if (!QDir().mkpath(QFileInfo(path).path()) || !writeFile(path, bytes))
            return false;
    }
    return true;
}

bool DemoStager::swapIntoPlace(const QString& staging, const QString& target)
{
    const QString previous = target + QStringLiteral(".previous");
    if (!replaceable(previous) || !removeTree(previous)) {
        return m_error.isEmpty() ? fail(QStringLiteral("cannot remove %1").arg(previous)) : false;
    }
    const bool hadTarget = QFileInfo::exists(target);
    if (hadTarget && !QDir().rename(target, previous)) {
        return fail(QStringLiteral("cannot move %1 aside").arg(target));
    }
    if (!QDir().rename(staging, target)) {
        if (hadTarget) {
            QDir().rename(previous, target);
        }
        return fail(QStringLiteral("cannot move %1 to %2").arg(staging, target));
    }
    if (hadTarget && !removeTree(previous)) {
        m_notes.append(QStringLiteral("the previous tree %1 could not be removed").arg(previous));
    }
    return true;
}

bool DemoStager::stage()
{
    m_error.clear();
    m_notes.clear();
    if (m_options.demoDir.isEmpty()) {
        return fail(QStringLiteral("no demo folder given"));
    }
    const QString target = QDir::cleanPath(QFileInfo(m_options.demoDir).absoluteFilePath());
    const QString staging = target + QStringLiteral(".staging");
    if (QDir(target).isRoot()) {
        return fail(QStringLiteral("refusing to stage into %1").arg(target));
    }
    if (!replaceable(target) || !replaceable(staging)) {
        return false;
    }
    if (!removeTree(staging) || !QDir().mkpath(staging)) {
        return fail(QStringLiteral("cannot prepare %1").arg(staging));
    }
    const bool built =
        writeFile(
            staging + '/' + MarkerFileName,
            "Demo installation staged by z3d-stage-demo; every run replaces this folder.\n") &&
        buildTree(staging);
    const QString settings = target + '/' + KeptSettings;
    if (!built ||
        (QFileInfo(settings).isFile() && !copyFile(settings, staging + '/' + KeptSettings)) ||
        !swapIntoPlace(staging, target)) {
        removeTree(staging);
        return false;
    }
    return true;
}

} // namespace z3d::demo
