// z3d-install: installs the built launcher into an engine installation (`make install`).
//     z3d-install <program folder> <installation folder> [<applications folder>]
// <program folder> holds the built Z3Dlauncher and Z3DgFiles; the applications folder defaults
// to the user's (~/.local/share/applications). Exit status: 0 installed, 1 failed, 2 usage
// error.

#include "LauncherInstaller.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 2 || arguments.size() > 3 || arguments.at(1).isEmpty()) {
        std::fputs("Usage: z3d-install <program folder> <installation folder> "
                   "[<applications folder>]\n",
                   stderr);
        return 2;
    }
    z3d::install::LauncherInstaller installer({arguments[0], arguments[1], arguments.value(2)});
    const bool installed = installer.install();
    for (const QString& file : installer.written())
        std::fprintf(stdout, "z3d-install: wrote %s\n", qPrintable(file));
    if (!installed) {
        std::fprintf(stderr, "z3d-install: %s\n", qPrintable(installer.error()));
        return 1;
    }
    return 0;
}
