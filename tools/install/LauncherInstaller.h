#pragma once

#include <QString>
#include <QStringList>

namespace z3d::install {

// Installs the built launcher into an engine installation:
//   - bin/Z3Dlauncher, the launcher (replacing an earlier one);
//   - bin/Z3DgFiles, the checker, only when the installation has no Z3DgFiles.exe of its own
//     (a native Z3DgFiles there is an earlier copy of ours and is replaced);
//   - bin/Z3Dlauncher.png, the launcher's icon;
//   - Z3DLauncher.desktop in the applications folder, naming the launcher and the icon.
// Names are matched without regard to case: a file of another case is replaced in place. Every
// file is replaced atomically. Nothing is written unless the installation has a bin folder,
// so a wrong path is refused instead of filled.
class LauncherInstaller
{
public:
    struct Options
    {
        QString programDir;         // where the built Z3Dlauncher and Z3DgFiles are
        QString installation;       // the engine installation's root
        QString applicationsFolder; // the menu's folder (the user's when empty)
    };

    static constexpr const char* kIconResource = ":/install/z3dlauncher.png";
    static constexpr const char* kIconFileName = "Z3Dlauncher.png";

    explicit LauncherInstaller(Options options);

    // False with error() set when something could not be installed; what was installed
    // before the failure stays.
    bool install();
    QString error() const { return m_error; }
    // One line per file written, in order.
    QStringList written() const { return m_written; }

private:
    bool fail(const QString& message);
    bool copyProgram(const QString& name, const QString& binDir);
    bool writeIcon(const QString& path);

    Options m_options;
    QString m_error;
    QStringList m_written;
};

} // namespace z3d::install
