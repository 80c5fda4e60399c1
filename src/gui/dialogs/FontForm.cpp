#include "gui/dialogs/FontForm.h"

#include "ui_FontForm.h"

namespace z3d {

namespace {

const QString kFallbackFont = QStringLiteral("MS Sans Serif");

} // namespace

FontForm::FontForm(const FontSettings& current, bool customFontInUse, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::FontForm>())
{
    m_ui->setupUi(this);
    m_ui->ListFont->addItems(font_choices::fonts());
    m_ui->ListStyle->addItems(font_choices::styles());
    connect(m_ui->ListFont, &QListWidget::currentTextChanged, this, &FontForm::fontClicked);
    connect(m_ui->ListStyle, &QListWidget::currentTextChanged, this, &FontForm::styleClicked);
    connect(m_ui->ListSize, &QListWidget::currentTextChanged, this, &FontForm::sizeClicked);
    connect(m_ui->FontBut_0, &QPushButton::clicked, this, [this] { done(DefaultChosen); });
    connect(m_ui->FontBut_1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->FontBut_2, &QPushButton::clicked, this, &QDialog::reject);

    m_font = current.name.isEmpty() ? kFallbackFont : current.name;
    m_size = current.appliedSize();
    if (customFontInUse) {
        m_bold = current.bold;
        highlight(*m_ui->ListFont, current.name);
        highlight(*m_ui->ListStyle, font_choices::styles().at(current.bold ? 1 : 0));
        highlight(*m_ui->ListSize, QString::number(current.size));
    } else {
        highlight(*m_ui->ListFont, kFallbackFont);
        highlight(*m_ui->ListStyle, font_choices::styles().at(0));
        if (m_ui->ListSize->count() > 0)
            m_ui->ListSize->setCurrentRow(0);
    }
    previewFont();
}

FontForm::~FontForm() = default;

FontSettings FontForm::chosenFont() const
{
    return {m_font, m_size, m_bold};
}

void FontForm::highlight(QListWidget& list, const QString& entry)
{
    const QList<QListWidgetItem*> found = list.findItems(entry, Qt::MatchExactly);
    if (!found.isEmpty())
        list.setCurrentItem(found.constFirst());
}

void FontForm::fontClicked(const QString& font)
{
    if (font.isEmpty())
        return;
    m_font = font;
    m_ui->LabelFont_0->setText(font);
    loadSizeList(font);
    previewFont();
}

void FontForm::styleClicked(const QString& style)
{
    if (style.isEmpty())
        return;
    m_style = style;
    m_bold = style == font_choices::styles().at(1);
    m_ui->LabelFont_1->setText(style);
    loadSizeList(m_font);
    previewFont();
}

void FontForm::sizeClicked(const QString& size)
{
    if (size.isEmpty())
        return;
    m_size = size.toInt();
    m_ui->LabelFont_2->setText(size);
    previewFont();
}

void FontForm::loadSizeList(const QString& font)
{
    QListWidget& list = *m_ui->ListSize;
    const int wanted = m_size;
    {
        const QSignalBlocker quiet(&list);
        list.clear();
        for (int size : font_choices::sizes(font, m_bold))
            list.addItem(QString::number(size));
    }
    if (list.count() == 0)
        return;
    const QList<QListWidgetItem*> same = list.findItems(QString::number(wanted), Qt::MatchExactly);
    list.setCurrentItem(same.isEmpty() ? list.item(0) : same.constFirst());
}

void FontForm::previewFont()
{
    QFont font = m_ui->PreviewLabel->font();
    font.setFamily(m_font);
    font.setPointSize(m_size);
    font.setBold(m_bold);
    m_ui->PreviewLabel->setFont(font);
    m_ui->PreviewLabel->setText(m_font);
}

} // namespace z3d
