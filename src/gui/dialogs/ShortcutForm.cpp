#include "gui/dialogs/ShortcutForm.h"

#include "gui/tooltips/ToolTips.h"
#include "gui/tooltips/ToolTipTable.h"
#include "gui/tooltips/ToolTipTexts.h"
#include "ui_ShortcutForm.h"

namespace z3d {

namespace {

const QString kCreateCaption = QStringLiteral("Create");
const QString kCancelCaption = QStringLiteral("Cancel");
const QString kCleanupCaption = QStringLiteral("Cleanup");
const QString kShortcutTitle = QStringLiteral("Create Shortcut");
const QString kCleanupTitle = QStringLiteral("Model Pack Cleanup");

} // namespace

ShortcutForm::ShortcutForm(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ShortcutForm>())
{
    m_ui->setupUi(this);
    setModal(true);
    for (int i = 0; i < kShortcutBoxCount; ++i)
        connect(shortcutBox(i), &QCheckBox::clicked, this, &ShortcutForm::applyButtonRule);
    connect(m_ui->OKButton, &QPushButton::clicked, this, &ShortcutForm::onButton);
    for (QCheckBox* pack :
         {m_ui->chkModDel_0, m_ui->chkModDel_1, m_ui->chkModDel_2, m_ui->chkModDel_3})
        connect(pack, &QCheckBox::clicked, this, &ShortcutForm::checkDelete);
    m_ui->ModelDelFrame->hide();
}

ShortcutForm::~ShortcutForm() = default;

QCheckBox* ShortcutForm::shortcutBox(int index) const
{
    return index == kStartMenuBox ? m_ui->chkShortcut_0 : m_ui->chkShortcut_1;
}

void ShortcutForm::showToolTips(bool shown)
{
    ToolTips& tips = ToolTips::of(*this);
    tips.useLauncherLook();
    ToolTipTable::apply(tips, *this, ToolTipTexts::shortcutWindow(), shown);
}

CleanupChoice ShortcutForm::askForCleanup()
{
    m_cleanupMode = true;
    m_cleanup = CleanupChoice{};
    setWindowTitle(kCleanupTitle);
    exec();
    m_cleanupMode = false;
    setWindowTitle(kShortcutTitle);
    const CleanupChoice chosen = m_cleanup;
    m_cleanup = CleanupChoice{};
    return chosen;
}

CleanupChoice ShortcutForm::tickedPacks() const
{
    CleanupChoice ticked;
    ticked.standardModels = m_ui->chkModDel_0->isChecked();
    ticked.pellamOrrinModels = m_ui->chkModDel_1->isChecked();
    ticked.orrinpack = m_ui->chkModDel_2->isChecked();
    ticked.brannockSoldiers = m_ui->chkModDel_3->isChecked();
    return ticked;
}

void ShortcutForm::checkDelete()
{
    m_ui->OKButton->setText(tickedPacks().any() ? kCleanupCaption : kCancelCaption);
}

ShortcutChoices ShortcutForm::askForShortcut(const QString& gameLabel)
{
    m_ui->lblGameName->setText(gameLabel);
    exec();
    return m_choices;
}

void ShortcutForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_choices = ShortcutChoices{};
    m_ui->ShortcutFrame->setVisible(!m_cleanupMode);
    m_ui->lblGameName->setVisible(!m_cleanupMode);
    m_ui->ModelDelFrame->setVisible(m_cleanupMode);
    for (QCheckBox* pack :
         {m_ui->chkModDel_0, m_ui->chkModDel_1, m_ui->chkModDel_2, m_ui->chkModDel_3})
        pack->setChecked(false);
    for (int i = 0; i < kShortcutBoxCount; ++i)
        shortcutBox(i)->setChecked(false);
    m_ui->ChkMapNum->setChecked(false);
    if (m_cleanupMode)
        checkDelete();
    else
        applyButtonRule();
    m_ui->OKButton->setFocus(Qt::OtherFocusReason);
}

void ShortcutForm::applyButtonRule()
{
    const bool any = m_ui->chkShortcut_0->isChecked() || m_ui->chkShortcut_1->isChecked();
    m_ui->OKButton->setText(any ? kCreateCaption : kCancelCaption);
    m_ui->ChkMapNum->setEnabled(any);
}

void ShortcutForm::onButton()
{
    hide();
    if (m_cleanupMode) {
        const bool cancelled = m_ui->OKButton->text() == kCancelCaption;
        m_cleanup = cancelled ? CleanupChoice{} : tickedPacks();
        if (cancelled)
            QDialog::reject();
        else
            accept();
        return;
    }
    m_choices.dialogCancelled = m_ui->OKButton->text() == kCancelCaption;
    m_choices.startMenuShortcut = m_ui->chkShortcut_0->isChecked();
    m_choices.desktopShortcut = m_ui->chkShortcut_1->isChecked();
    m_choices.includeMapInShortcut = !m_choices.dialogCancelled && m_ui->ChkMapNum->isChecked();
    if (m_choices.dialogCancelled)
        QDialog::reject();
    else
        accept();
}

void ShortcutForm::reject()
{
    // Closed without the button: nothing is to be made or removed.
    m_cleanup = CleanupChoice{};
    m_choices = ShortcutChoices{};
    m_choices.dialogCancelled = true;
    QDialog::reject();
}

} // namespace z3d
