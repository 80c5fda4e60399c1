#include "gui/dialogs/AskForm.h"

#include "core/app/Twips.h"
#include "gui/FramePlacement.h"
#include "gui/services/DialogGeometry.h"
#include "ui_AskForm.h"

#include <QKeyEvent>
#include <QTimer>

namespace z3d {

namespace {

const QString kUpperCaseFrameCaption = QStringLiteral(" Name ");
const QString kCancelCaption = QStringLiteral("Cancel");

// Window and button placement of the prompt, in twips.
constexpr int kWidthTwips = 5055;
constexpr int kHeightTwips = 2010;
constexpr int kButtonLeftTwips = 1880;
constexpr int kButtonTopTwips = 960;
constexpr int kButtonWidthTwips = 1215;
constexpr int kButtonHeightTwips = 375;
constexpr int kFrameMarginTwips = 120;
constexpr int kFrameHeightTwips = 840;

} // namespace

AskForm::AskForm(bool customFontInUse, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AskForm>()), m_customFontInUse(customFontInUse)
{
    m_ui->setupUi(this);
    setModal(true);
    // Sized before it is shown, so that it is placed at the size it shows.
    const Twips twips(logicalDpiX(), logicalDpiY());
    setFixedSize(twips.width(kWidthTwips), twips.height(kHeightTwips));
    m_ui->edProfName->installEventFilter(this);
    connect(m_ui->OKButton, &QPushButton::clicked, this, &AskForm::onButton);
}

AskForm::~AskForm() = default;

NameAnswer AskForm::ask(const QString& frameCaption, const QString& windowCaption,
                        const QString& buttonCaption, const QString& defaultText)
{
    m_answer = NameAnswer{defaultText, false};
    m_ui->RenameFrame->setTitle(frameCaption);
    setWindowTitle(windowCaption);
    m_ui->OKButton->setText(buttonCaption);
    m_ui->edProfName->setText(defaultText);
    exec();
    return m_answer;
}

void AskForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_answer.cancelled = false;
    // Centred over the launcher, as its message boxes are.
    if (const QWidget* owner = parentWidget(); owner && owner->isVisible()) {
        const QRect over = owner->frameGeometry();
        FramePlacement::place(*this,
                              [over](const QSize& frame) { return centredOver(over, frame); });
    }
    const Twips twips(logicalDpiX(), logicalDpiY());
    const int margin = twips.width(kFrameMarginTwips);
    m_ui->RenameFrame->setGeometry(margin, twips.height(kFrameMarginTwips), width() - 2 * margin,
                                   twips.height(kFrameHeightTwips));
    m_ui->RenameFrame->show();
    m_ui->OKButton->setGeometry(twips.width(kButtonLeftTwips), twips.height(kButtonTopTwips),
                                twips.width(kButtonWidthTwips), twips.height(kButtonHeightTwips));
    m_ui->edProfName->setFocus(Qt::OtherFocusReason);
    selectTextWithoutTrailingBlanks();
}

bool AskForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_ui->edProfName)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        // Selecting at once would be undone by the mouse press that gave the focus.
        QTimer::singleShot(0, this, &AskForm::selectTextWithoutTrailingBlanks);
        return false;
    }
    if (event->type() != QEvent::KeyPress || m_ui->RenameFrame->title() != kUpperCaseFrameCaption)
        return false;

    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().isEmpty())
        return false;
    m_ui->OKButton->setText(QStringLiteral("OK"));
    const QString typed = key->text();
    if (m_customFontInUse || !typed.at(0).isPrint() || typed.toUpper() == typed)
        return false;
    m_ui->edProfName->insert(typed.toUpper());
    return true;
}

void AskForm::onButton()
{
    hide();
    m_answer.cancelled = m_ui->OKButton->text() == kCancelCaption;
    m_answer.text = m_ui->edProfName->text();
    accept();
    if (parentWidget())
        parentWidget()->activateWindow();
}

void AskForm::selectTextWithoutTrailingBlanks()
{
    QString text = m_ui->edProfName->text();
    qsizetype length = text.size();
    while (length > 0 && text.at(length - 1) == QLatin1Char(' '))
        --length;
    m_ui->edProfName->setSelection(0, static_cast<int>(length));
}

} // namespace z3d
