#include "gui/dialogs/FolderBrowser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace z3d {

namespace {

// The folder itself, else its nearest parent that exists; empty for an empty path.
QString nearestExistingFolder(const QString& path)
{
    if (path.isEmpty())
        return {};
    QFileInfo folder(QDir::cleanPath(QDir::fromNativeSeparators(path)));
    while (!folder.isDir() && !folder.isRoot())
        folder.setFile(folder.path());
    return folder.absoluteFilePath();
}

} // namespace

FolderBrowser::FolderBrowser(const QString& instruction, const QString& startFolder,
                             QWidget* parent)
    : QDialog(parent), m_instruction(new QLabel(this)), m_tree(new QTreeView(this)),
      m_model(new QFileSystemModel(this))
{
    setWindowTitle(tr("Browse for Folder"));
    setModal(true);
    m_instruction->setText(QString(instruction).replace(QStringLiteral("\r\n"), "\n"));
    m_instruction->setWordWrap(true);

    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QString());
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto updateOk = [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!selectedFolder().isEmpty());
    };
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, updateOk);
    updateOk();
    selectFolder(nearestExistingFolder(startFolder));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_instruction);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    resize(360, 420);
}

QString FolderBrowser::selectedFolder() const
{
    const QModelIndex current = m_tree->currentIndex();
    return current.isValid() ? QDir::toNativeSeparators(m_model->filePath(current)) : QString();
}

void FolderBrowser::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only a tree laid out at its size scrolls the chosen folder into view.
    if (m_tree->currentIndex().isValid())
        m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void FolderBrowser::selectFolder(const QString& path)
{
    const QModelIndex index = m_model->index(path);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
    }
}

} // namespace z3d
