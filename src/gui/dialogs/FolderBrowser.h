#pragma once

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QTreeView;

namespace z3d {

// A modal folder chooser: the caller's instruction above a tree of the file system's folders,
// opened on the folder the choice starts from (the nearest one that exists). Only folders with
// a file-system path can be chosen.
class FolderBrowser : public QDialog
{
    Q_OBJECT

public:
    FolderBrowser(const QString& instruction, const QString& startFolder,
                  QWidget* parent = nullptr);

    // The chosen folder, or an empty text when nothing is selected.
    QString selectedFolder() const;
    void selectFolder(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_instruction;
    QTreeView* m_tree;
    QFileSystemModel* m_model;
};

} // namespace z3d
