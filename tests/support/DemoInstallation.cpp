#include "DemoInstallation.h"

#include "core/settings/SettingsFile.h"
#include "FileBytes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace z3d::test {

namespace {

constexpr int kStagingMs = 120000;
const QDateTime kBackdate(QDate(2001, 1, 1), QTime(0, 0));

} // namespace

DemoInstallation::DemoInstallation(const QString& programFolder)
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder: ") + m_dir.errorString();
        return;
    }
    // A named root, as an installation has; the stager wants a folder it may create.
    m_root = QDir(m_dir.path()).filePath(QStringLiteral("Zorn3D"));
    // Also the launchers' runtime folder, which must be private to its owner.
    if (!QDir().mkpath(tempFolder()) ||
        !QFile::setPermissions(tempFolder(),
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        m_error = QStringLiteral("cannot create ") + tempFolder();
        return;
    }
    QProcess stager;
    stager.setProcessChannelMode(QProcess::MergedChannels);
    stager.start(QDir(programFolder).filePath(QStringLiteral("z3d-stage-demo")),
                 {programFolder, m_root});
    const bool finished = stager.waitForFinished(kStagingMs);
    const QString said = QString::fromLocal8Bit(stager.readAll());
    if (!finished || stager.exitStatus() != QProcess::NormalExit || stager.exitCode() != 0) {
        m_error = QStringLiteral("staging failed: ") + stager.errorString() + u' ' + said;
        return;
    }
    // The stager leaves out, with a note, what has not been built or installed.
    for (const QString& needed :
         {QStringLiteral("bin/Z3Dlauncher"), QStringLiteral("Iwads/Doom2.wad")}) {
        if (!exists(needed))
            m_error = QStringLiteral("the staged installation has no %1: ").arg(needed) + said;
    }
}

bool DemoInstallation::isValid() const
{
    return m_error.isEmpty();
}

QString DemoInstallation::error() const
{
    return m_error;
}

QString DemoInstallation::root() const
{
    return m_root;
}

QString DemoInstallation::binDir() const
{
    return path(QStringLiteral("bin"));
}

QString DemoInstallation::tempFolder() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("tmp"));
}

QString DemoInstallation::path(const QString& relative) const
{
    return QDir(m_root).filePath(relative);
}

bool DemoInstallation::exists(const QString& relative) const
{
    return QFileInfo::exists(path(relative));
}

QByteArray DemoInstallation::readFile(const QString& relative) const
{
    return readBytes(path(relative));
}

bool DemoInstallation::writeFile(const QString& relative, const QByteArray& content)
{
    return writeBytes(path(relative), content);
}

bool DemoInstallation::copyFile(const QString& from, const QString& to)
{
    const QByteArray content = readFile(from);
    return !content.isEmpty() && writeFile(to, content);
}

bool DemoInstallation::removeFile(const QString& relative)
{
    return QFile::remove(path(relative));
}

QStringList DemoInstallation::folderEntries(const QString& relative) const
{
    return QDir(path(relative))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

bool DemoInstallation::writeSettings(const LauncherSettings& settings, bool wineMode)
{
    QDir().mkpath(QFileInfo(path(kSettingsFile)).absolutePath());
    return SettingsFile::write(path(kSettingsFile), settings, wineMode) == ErrorNumber::None;
}

LauncherSettings DemoInstallation::settings() const
{
    return SettingsFile::read(path(kSettingsFile), false, LauncherSettings()).settings;
}

bool DemoInstallation::backdate(const QString& relative)
{
    QFile file(path(relative));
    return file.open(QIODevice::Append) &&
           file.setFileTime(kBackdate, QFileDevice::FileModificationTime);
}

bool DemoInstallation::rewrittenSinceBackdate(const QString& relative) const
{
    // A day later, so that no shift of time zones in the stored time can pass for a write.
    return QFileInfo(path(relative)).lastModified() > kBackdate.addDays(1);
}

QStringList DemoInstallation::picture() const
{
    QStringList lines;
    QDirIterator entries(m_root,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    const QDir root(m_root);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        QString line = root.relativeFilePath(entry.filePath());
        if (entry.isDir())
            line += u'/';
        else
            line += QStringLiteral(" %1 %2")
                        .arg(entry.size())
                        .arg(entry.lastModified().toMSecsSinceEpoch());
        lines.append(line);
    }
    lines.sort();
    return lines;
}

} // namespace z3d::test
