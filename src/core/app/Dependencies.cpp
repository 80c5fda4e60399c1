#include "core/app/Dependencies.h"

#include "core/platform/PathResolver.h"
#include "core/platform/ProgramStarter.h"

#include <array>

namespace z3d {

namespace {

struct Dependency
{
    const char* fileName;
    bool program;
};

constexpr std::array<Dependency, 5> kDependencies{{
    {"Zorn3D.exe", true},
    {"Z3DgFiles.exe", true},
    {"unzip32.dll", false},
    {"fmodex.dll", false},
    {"eax.dll", false},
}};

} // namespace

QString findMissingDependency(const QString& installRoot)
{
    const QString binDir = PathResolver::resolveUnder(installRoot, QStringLiteral("Bin"));
    for (const Dependency& dependency : kDependencies) {
        // A path in bin, never a bare name: a program of that name on PATH is no part of the
        // installation, and the engine is started from bin.
        const QString path = PathResolver::join(binDir, QString::fromLatin1(dependency.fileName));
        const bool present = dependency.program
                                 ? !ProgramStarter::findProgram(path, binDir).isEmpty()
                                 : PathResolver::fileExists(path);
        if (!present)
            return QString::fromLatin1(dependency.fileName);
    }
    return {};
}

} // namespace z3d
