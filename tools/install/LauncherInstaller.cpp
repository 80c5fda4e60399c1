#include "LauncherInstaller.h"

#include "core/desktop/LauncherMenuEntry.h"
#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"
#include "core/platform/SpecialFolders.h"

#include <QFile>
#include <QFileInfo>

namespace z3d::install {

namespace {

const QString kLauncher = QStringLiteral("Z3Dlauncher");
const QString kChecker = QStringLiteral("Z3DgFiles");

constexpr QFile::Permissions kProgramPermissions =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser |
    QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

QString numbered(ErrorNumber error)
{
    return QStringLiteral("error %1").arg(static_cast<int>(error));
}

} // namespace

LauncherInstaller::LauncherInstaller(Options options) : m_options(std::move(options)) {}

bool LauncherInstaller::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool LauncherInstaller::install()
{
    if (m_options.installation.isEmpty())
        return fail(QStringLiteral("no installation folder given"));
    // The menu entry names the launcher by its full path, whatever folder this runs in.
    const QString root =
        PathResolver::resolve(QFileInfo(m_options.installation).absoluteFilePath());
    if (!QFileInfo(root).isDir())
        return fail(QStringLiteral("%1 is no folder").arg(m_options.installation));
    const QString binDir = PathResolver::resolveUnder(root, QStringLiteral("bin"));
    if (!QFileInfo(binDir).isDir())
        return fail(QStringLiteral("%1 has no bin folder: not an engine installation").arg(root));
    const QString applications = m_options.applicationsFolder.isEmpty()
                                     ? SpecialFolders::applications()
                                     : QFileInfo(m_options.applicationsFolder).absoluteFilePath();
    if (applications.isEmpty())
        return fail(QStringLiteral("the system names no applications folder"));

    if (!copyProgram(kLauncher, binDir))
        return false;
    if (!PathResolver::fileExists(PathResolver::join(binDir, kChecker + QStringLiteral(".exe"))) &&
        !copyProgram(kChecker, binDir))
        return false;

    const QString icon = PathResolver::resolveUnder(binDir, QLatin1String(kIconFileName));
    if (!writeIcon(icon))
        return false;

    QString entry;
    const ErrorNumber error = LauncherMenuEntry::write(
        applications, PathResolver::resolveUnder(binDir, kLauncher), icon, &entry);
    if (error != ErrorNumber::None)
        return fail(QStringLiteral("cannot write the menu entry in %1 (%2)")
                        .arg(applications, numbered(error)));
    m_written << entry;
    return true;
}

bool LauncherInstaller::copyProgram(const QString& name, const QString& binDir)
{
    const QString source = PathResolver::resolveUnder(m_options.programDir, name);
    if (!QFileInfo(source).isFile())
        return fail(QStringLiteral("%1 is missing; build it first").arg(source));
    const QString target = PathResolver::resolveUnder(binDir, name);
    const ErrorNumber error =
        FileOperations::copyFile(source, target, FileOperations::ReadOnlyTarget::Replace);
    if (error != ErrorNumber::None)
        return fail(
            QStringLiteral("cannot copy %1 to %2 (%3)").arg(source, target, numbered(error)));
    if (!QFile::setPermissions(target, kProgramPermissions))
        return fail(QStringLiteral("cannot make %1 executable").arg(target));
    m_written << target;
    return true;
}

bool LauncherInstaller::writeIcon(const QString& path)
{
    QFile resource{QString::fromLatin1(kIconResource)};
    if (!resource.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("the icon is missing from this program"));
    const ErrorNumber error = FileOperations::writeFile(path, resource.readAll());
    if (error != ErrorNumber::None)
        return fail(QStringLiteral("cannot write %1 (%2)").arg(path, numbered(error)));
    m_written << path;
    return true;
}

} // namespace z3d::install
