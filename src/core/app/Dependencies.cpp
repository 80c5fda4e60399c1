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
        const QString name = QString::fromLatin1(dependency.fileName);
        const bool present = dependency.program
                                 ? !ProgramStarter::findProgram(name, binDir).isEmpty()
                                 : PathResolver::fileExists(PathResolver::join(binDir, name));
        if (!present)
            return name;
    }
    return {};
}

} // namespace z3d
