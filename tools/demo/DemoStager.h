#pragma once

#include <QString>
#include <QStringList>

namespace z3d::demo {

// Builds the demo installation: an engine installation tree holding the built programs,
// Freedoom as the commercial game files, generated add-on games, save games, tips and the
// M-Fold music pack's file names.
//
// Every run builds a complete new tree beside the target and then swaps it in, so a re-run
// leaves nothing stale behind and a failed run leaves the previous tree as it was. Only the
// player's own settings file, Z3DLaunch/config.z3d, is carried over. A folder is only ever
// replaced when it is missing, empty, or marked by `MarkerFileName` as a tree this stager
// made; anything else is refused, so a wrong target path cannot wipe unrelated files.
class DemoStager
{
public:
    struct Options
    {
        QString binDir;      // where the built programs are
        QString demoDir;     // the installation root to (re)build
        QString freedoomDir; // holds freedoom1.wad and freedoom2.wad
    };

    static const QString MarkerFileName;

    explicit DemoStager(Options options);

    // False with `error()` set when the tree could not be staged.
    bool stage();
    QString error() const { return m_error; }
    // Things left out that the tree can do without (Freedoom or the launcher missing).
    QStringList notes() const { return m_notes; }

    // The installation's folders, relative to its root.
    static QStringList folders();

private:
    bool fail(const QString& message);
    bool replaceable(const QString& path);
    bool buildTree(const QString& root);
    bool copyPrograms(const QString& root);
    bool copyIwads(const QString& root);
    bool writeGames(const QString& root);
    bool writeMusicPack(const QString& root);
    bool writeModelPacks(const QString& root);
    bool writeFile(const QString& path, const QByteArray& bytes);
    bool copyFile(const QString& from, const QString& to);
    bool swapIntoPlace(const QString& staging, const QString& target);

    Options m_options;
    QString m_error;
    QStringList m_notes;
};

} // namespace z3d::demo
