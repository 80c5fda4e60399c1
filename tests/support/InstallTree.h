#pragma once

#include "core/platform/InstallPaths.h"
#include "core/settings/LauncherSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace z3d::test {

// A throw-away installation tree in a QTemporaryDir, removed when the object goes away.
//
//   InstallTree tree;                         // layout folders + the five files in bin
//   tree.addTextFile("Z3DLaunch/config.z3d", {"v7.5", " 2 "});   // lines end in CR LF
//   tree.addFile("Data/Textures/wall.png", "bytes");             // parents are created
//   InstallPaths paths = tree.paths();        // every installation path of this tree
//   QVERIFY(tree.exists("Z3DLaunch/Admin") == false);
//
// Relative paths may use '/' or '\\' and are taken exactly as written (no case folding), so
// a test can build entries whose case differs from the names the launcher asks for.
class InstallTree
{
public:
    enum Option
    {
        Empty = 0,
        Layout = 1,       // the installation's folders (see layoutFolders())
        Dependencies = 2, // the five files the start-up checks for, in bin
        Standard = Layout | Dependencies,
    };

    explicit InstallTree(int options = Standard);

    // True once the root stands; a tree whose temporary folder cannot be made ends the test
    // program in its constructor.
    bool isValid() const;
    // InstallRoot, without a trailing separator.
    QString root() const;
    // root() + "/bin", where the launcher executable would be.
    QString binDir() const;
    // The installation paths computed for this root.
    InstallPaths paths() const;
    // root() joined with relative.
    QString path(const QString& relative) const;
    // The inverse of path(): a path inside the tree relative to its root; any other path as
    // it is.
    QString relative(const QString& path) const;
    QStringList relative(const QStringList& paths) const;

    // Creates a file (and its folders) with content; returns its path.
    QString addFile(const QString& relative, const QByteArray& content = {});
    // addFile() for each of relatives, all with the same content.
    void addFiles(const QStringList& relatives, const QByteArray& content = {});
    // Creates a text file whose lines each end with CR LF (UTF-8); returns its path.
    QString addTextFile(const QString& relative, const QStringList& lines);
    // Creates a folder with its parents; returns its path.
    QString addFolder(const QString& relative);
    // addFolder() when relative ends in '/', else addFile() with content.
    QString addEntry(const QString& relative, const QByteArray& content = {});
    // Writes the launcher's settings file (Z3DLaunch/config.z3d); true when it was written.
    bool writeSettings(const LauncherSettings& settings);
    // Copies the built program name (the checker Z3DgFiles, the demo engine Zorn3D) into bin,
    // executable, in place of what stands there; returns its path, empty when that failed.
    QString addBuiltProgram(const QString& name);
    bool removeFile(const QString& relative);
    bool removeFolder(const QString& relative);

    bool exists(const QString& relative) const;
    bool isFile(const QString& relative) const;
    bool isFolder(const QString& relative) const;
    // The file's bytes; empty when it cannot be read.
    QByteArray readFile(const QString& relative) const;
    // The names of the files (not folders) the folder holds, as spelled on disk, sorted; empty
    // when it cannot be read.
    QStringList fileNames(const QString& relative) const;

    // Folders made by Layout, relative to the root.
    static QStringList layoutFolders();
    // Files made by Dependencies, relative to the root, in the order the start-up checks
    // them.
    static QStringList dependencyFiles();

private:
    QTemporaryDir m_dir;
    QString m_root;
};

} // namespace z3d::test
