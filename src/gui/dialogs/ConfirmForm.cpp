#include "gui/dialogs/ConfirmForm.h"

#include "ui_ConfirmForm.h"

namespace z3d {

ConfirmForm::ConfirmForm(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ConfirmForm>())
{
    m_ui->setupUi(this);
    setModal(true);
    connect(m_ui->ChkConfirm, &QCheckBox::clicked, this, &ConfirmForm::dontAskChanged);
    connect(m_ui->ContinueButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

ConfirmForm::~ConfirmForm() = default;

bool ConfirmForm::askToContinue()
{
    return exec() == QDialog::Accepted;
}

} // namespace z3d
