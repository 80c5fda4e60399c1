#pragma once

#include "core/settings/LauncherSettings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace z3d::test {

// The demo installation, staged by z3d-stage-demo into a temporary folder for one test and
// removed with the object: the built programs in bin, Freedoom in Iwads, the generated games.
// A test changes its files for its scenario before it starts the launcher there.
//
//   DemoInstallation demo(Z3D_BIN_DIR);
//   QVERIFY2(demo.isValid(), qPrintable(demo.error()));
//   demo.removeFile("bin/eax.dll");
//
// Relative paths are below the installation's root, '/'-separated.
class DemoInstallation
{
public:
    // The launcher's settings file.
    static inline const QString kSettingsFile = QStringLiteral("Z3DLaunch/config.z3d");

    // programFolder holds z3d-stage-demo and the programs it copies into bin.
    explicit DemoInstallation(const QString& programFolder);

    bool isValid() const;
    QString error() const;
    QString root() const;
    QString binDir() const;
    // A temporary folder for the launchers started here, outside the installation.
    QString tempFolder() const;
    QString path(const QString& relative) const;

    bool exists(const QString& relative) const;
    // The file's bytes; empty when it cannot be read.
    QByteArray readFile(const QString& relative) const;
    // Creates or replaces the file, creating its folders.
    bool writeFile(const QString& relative, const QByteArray& content);
    bool copyFile(const QString& from, const QString& to);
    bool removeFile(const QString& relative);
    // The names in a folder, hidden ones included, sorted.
    QStringList folderEntries(const QString& relative) const;

    // Z3DLaunch/config.z3d as the launcher writes it; under "/WINE" without the window's
    // position.
    bool writeSettings(const LauncherSettings& settings, bool wineMode = false);
    // Z3DLaunch/config.z3d read back; the defaults when it is missing.
    LauncherSettings settings() const;
    // Dates the file back to 2001, so that rewriting it shows in its modification time.
    bool backdate(const QString& relative);
    // Whether the file was written after backdate dated it back.
    bool rewrittenSinceBackdate(const QString& relative) const;

    // One line per file and folder below the root: its path, and for a file its size and
    // modification time. Equal pictures mean nothing was written, added or removed.
    QStringList picture() const;

private:
    QTemporaryDir m_dir;
    QString m_root;
    QString m_error;
};

} // namespace z3d::test
