// The model packs' version lines on arbitrary bytes as a definition file: the Orrinpack test
// on fullpack.ded and the hud-weapons agreement of the two hudweapons.ded. A verdict depends on
// the file's first line alone (cut at 1 MiB); a first line that is the version line in any
// case passes; two files with the same bytes always agree.

#include "FuzzScratch.h"

#include "core/models/ModelVersions.h"
#include "core/platform/InstallPaths.h"

#include <QDir>
#include <QFile>

using namespace z3d;
using z3d::fuzz::require;

namespace {

// The installation, made once: the definitions folders and an Orrinpack wad newer than the
// cut-off (made now).
const InstallPaths& installation()
{
    static const InstallPaths paths = [] {
        const QString root = QString::fromStdString((z3d::fuzz::scratchFolder() / "root").string());
        const InstallPaths made = InstallPaths::fromInstallRoot(root);
        for (const QString& folder : {made.orrinpackDefsDir, made.pellamDefsDir,
                                      made.modelDir + QStringLiteral("/Orrinpack")})
            QDir().mkpath(folder);
        QFile wad(made.modelDir + QStringLiteral("/Orrinpack/orrinpack.wad"));
        require(wad.open(QIODevice::WriteOnly), "the Orrinpack wad is made");
        return made;
    }();
    return paths;
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(bytes) == bytes.size(),
            "a definition file is written");
}

// The bytes before the first line end, as long as a line is read.
QByteArray firstLine(const QByteArray& bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
        ++end;
    return bytes.left(std::min<qsizetype>(end, qsizetype(1) << 20));
}

bool orrinpackOk(const InstallPaths& paths, const QByteArray& bytes)
{
    write(paths.orrinpackDefsDir + QStringLiteral("/fullpack.ded"), bytes);
    return ModelVersions::orrinpackVersionOk(paths, QStringLiteral("fullpack.ded"), false);
}

bool compatible(const InstallPaths& paths, const QByteArray& standard, const QByteArray& enhanced)
{
    write(paths.modelDefsDir + QStringLiteral("/hudweapons.ded"), standard);
    write(paths.pellamDefsDir + QStringLiteral("/hudweapons.ded"), enhanced);
    return ModelVersions::modelsCompatible(paths, false, false, true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InstallPaths& paths = installation();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray line = firstLine(bytes);
    const QByteArray otherwise = line + "\r\n" + bytes; // the same first line, more after it

    const bool orrinpack = orrinpackOk(paths, bytes);
    require(orrinpack == orrinpackOk(paths, otherwise), "the first line decides the version");
    if (line.toLower() == ModelVersions::kOrrinpackVersionLine.toLatin1().toLower())
        require(orrinpack, "the version line passes in any case");
    if (!bytes.contains('\n') && !bytes.contains('\r'))
        require(orrinpackOk(paths, bytes + "\n") == orrinpack, "a last line ends or not");

    const QByteArray hud = ModelVersions::kHudWeaponsVersionLine.toLatin1();
    require(compatible(paths, bytes, bytes), "the same file agrees with itself");
    const bool carries = !compatible(paths, bytes, QByteArray("other"));
    require(compatible(paths, bytes, hud) == carries, "one carrying the line agrees with one");
    require(compatible(paths, otherwise, bytes), "the first line decides the agreement");
    if (line.toLower() == hud.toLower())
        require(carries, "the hud-weapons version line is found in any case");
    return 0;
}
