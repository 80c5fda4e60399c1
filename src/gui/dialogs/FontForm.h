#pragma once

#include "core/settings/FontSettings.h"

#include <QDialog>

#include <memory>

class QListWidget;

namespace Ui {
class FontForm;
}

namespace z3d {

// The font window "Font": a font, a style and a size from the fixed choices, with a preview.
// It only chooses; what "OK" and "Default" lead to (font.z3d, the restart) is the caller's.
class FontForm : public QDialog
{
    Q_OBJECT

public:
    // exec()'s results besides Rejected ("Cancel" and the title bar).
    enum Result
    {
        FontChosen = QDialog::Accepted, // "OK": chosenFont()
        DefaultChosen = 2,              // "Default": the designed fonts
    };

    // current is the launcher font in force; with customFontInUse off the window starts on
    // "MS Sans Serif", "Regular" and the first size.
    FontForm(const FontSettings& current, bool customFontInUse, QWidget* parent = nullptr);
    ~FontForm() override;

    FontSettings chosenFont() const;

private:
    void fontClicked(const QString& font);
    void styleClicked(const QString& style);
    void sizeClicked(const QString& size);
    // LoadSizeList: the sizes of font for the chosen weight, the chosen size highlighted when
    // offered, else the first.
    void loadSizeList(const QString& font);
    void previewFont();
    static void highlight(QListWidget& list, const QString& entry);

    std::unique_ptr<Ui::FontForm> m_ui;
    QString m_font;
    QString m_style;
    int m_size = FontSettings::kDefaultSize;
    bool m_bold = false;
};

} // namespace z3d
