#include "InstallTree.h"

#include "FileBytes.h"

#include "core/settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace z3d::test {

InstallTree::InstallTree(int options)
{
    // Without a temporary folder no test can run: the program stops here, so that a test's
    // set-up is the tree alone.
    if (!m_dir.isValid())
        qFatal("no temporary folder for an installation tree: %s",
               qPrintable(m_dir.errorString()));
    // A named root below the temporary folder, as an installation has ("Zorn3D").
    m_root = QDir(m_dir.path()).filePath(QStringLiteral("Zorn3D"));
    QDir().mkpath(m_root);
    if (options & Layout) {
        for (const QString& folder : layoutFolders())
            addFolder(folder);
    }
    if (options & Dependencies) {
        for (const QString& file : dependencyFiles())
            addFile(file);
    }
}

bool InstallTree::isValid() const
{
    return m_dir.isValid() && QFileInfo(m_root).isDir();
}

QString InstallTree::root() const
{
    return m_root;
}

QString InstallTree::binDir() const
{
    return path(QStringLiteral("bin"));
}

InstallPaths InstallTree::paths() const
{
    return InstallPaths::fromInstallRoot(m_root);
}

QString InstallTree::path(const QString& relative) const
{
    QString r = relative;
    r.replace(u'\\', u'/');
    while (r.startsWith(u'/'))
        r.remove(0, 1);
    return r.isEmpty() ? m_root : m_root + u'/' + r;
}

QString InstallTree::relative(const QString& path) const
{
    const QString prefix = root() + QLatin1Char('/');
    return path.startsWith(prefix) ? path.mid(prefix.size()) : path;
}

QStringList InstallTree::relative(const QStringList& paths) const
{
    QStringList out;
    for (const QString& path : paths)
        out << relative(path);
    return out;
}

QString InstallTree::addFile(const QString& relative, const QByteArray& content)
{
    const QString file = path(relative);
    writeBytes(file, content);
    return file;
}

void InstallTree::addFiles(const QStringList& relatives, const QByteArray& content)
{
    for (const QString& relative : relatives)
        addFile(relative, content);
}

QString InstallTree::addTextFile(const QString& relative, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return addFile(relative, bytes);
}

QString InstallTree::addFolder(const QString& relative)
{
    const QString folder = path(relative);
    QDir().mkpath(folder);
    return folder;
}

QString InstallTree::addEntry(const QString& relative, const QByteArray& content)
{
    return relative.endsWith(u'/') ? addFolder(relative) : addFile(relative, content);
}

bool InstallTree::writeSettings(const LauncherSettings& settings)
{
    return SettingsFile::write(addFolder("Z3DLaunch") + "/config.z3d", settings, false) ==
           ErrorNumber::None;
}

QString InstallTree::addBuiltProgram(const QString& name)
{
    const QString program = path(QStringLiteral("bin/") + name);
    QFile::remove(program);
    const bool copied =
        QFile::copy(QDir(QStringLiteral(Z3D_BIN_DIR)).filePath(name), program) &&
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return copied ? program : QString();
}

bool InstallTree::removeFile(const QString& relative)
{
    return QFile::remove(path(relative));
}

bool InstallTree::removeFolder(const QString& relative)
{
    return QDir(path(relative)).removeRecursively();
}

bool InstallTree::exists(const QString& relative) const
{
    return QFileInfo::exists(path(relative));
}

bool InstallTree::isFile(const QString& relative) const
{
    return QFileInfo(path(relative)).isFile();
}

bool InstallTree::isFolder(const QString& relative) const
{
    return QFileInfo(path(relative)).isDir();
}

QByteArray InstallTree::readFile(const QString& relative) const
{
    return readBytes(path(relative));
}

QStringList InstallTree::fileNames(const QString& relative) const
{
    return QDir(path(relative)).entryList(QDir::Files, QDir::Name);
}

QStringList InstallTree::layoutFolders()
{
    return {"bin", "Z3DLaunch", "Z3DLaunch/Data", "Z3DLaunch/Music", "Z3DLaunch/GameInfo",
            "Z3DGames", "Z3DArchives", "Defs/Base", "Defs/Model/Addon", "Defs/Model/Pellam",
            "Defs/Model/Orrinpack", "Defs/Custom", "Md2"};
}

QStringList InstallTree::dependencyFiles()
{
    return {
        QStringLiteral("bin/Zorn3D.exe"),  QStringLiteral("bin/Z3DgFiles.exe"),
        QStringLiteral("bin/unzip32.dll"), QStringLiteral("bin/fmodex.dll"),
        QStringLiteral("bin/eax.dll"),
    };
}

} // namespace z3d::test
