// z3d-stage-demo: (re)builds the demo installation.
//     z3d-stage-demo <bin folder> <demo folder> [<Freedoom folder>]
// <bin folder> holds the built Zorn3D, Z3DgFiles and (when built) Z3Dlauncher; the Freedoom
// folder defaults to Debian's /usr/share/games/doom. Exit status: 0 staged, 1 failed (the
// previous tree is left as it was), 2 usage error.

#include "DemoStager.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fputs("Usage: z3d-stage-demo <bin folder> <demo folder> [<Freedoom folder>]\n",
                   stderr);
        return 2;
    }
    z3d::demo::DemoStager stager(
        {arguments[0], arguments[1], arguments.value(2, QStringLiteral("/usr/share/games/doom"))});
    const bool staged = stager.stage();
    for (const QString& note : stager.notes()) {
        std::fprintf(stdout, "z3d-stage-demo: note: %s\n", qPrintable(note));
    }
    if (!staged) {
        std::fprintf(stderr, "z3d-stage-demo: %s\n", qPrintable(stager.error()));
        return 1;
    }
    std::fprintf(stdout, "z3d-stage-demo: demo installation staged in %s\n",
                 qPrintable(arguments[1]));
    return 0;
}
