#include "gui/dialogs/FolderBrowser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace z3d {

FolderBrowser::FolderBrowser(const QString& instruction, QWidget* parent)
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
    m_tree->setCurrentIndex(m_model->index(QDir::homePath()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto updateOk = [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!selectedFolder().isEmpty());
    };
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, updateOk);
    updateOk();

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

void FolderBrowser::selectFolder(const QString& path)
{
    const QModelIndex index = m_model->index(path);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
    }
}

} // namespace z3d
