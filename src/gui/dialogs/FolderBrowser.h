#pragma once

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QTreeView;

namespace z3d {

// A modal folder chooser: the caller's instruction above a tree of the file system's folders.
// Only folders with a file-system path can be chosen.
class FolderBrowser : public QDialog
{
    Q_OBJECT

public:
    FolderBrowser(const QString& instruction, QWidget* parent = nullptr);

    // The chosen folder, or an empty text when nothing is selected.
    QString selectedFolder() const;
    void selectFolder(const QString& path);

private:
    QLabel* m_instruction;
    QTreeView* m_tree;
    QFileSystemModel* m_model;
};

} // namespace z3d
