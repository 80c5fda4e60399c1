#pragma once

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QString>
#include <QWidget>

namespace z3d {

// The window a tip is drawn in: a frameless tool-tip window that never takes the focus, with a
// one-pixel border in the text colour, the margins around the text and the lines wrapped at a
// width; a tip may be a picture with its caption under it. Its window title is the text shown,
// so the desktop (and assistive tools) can read it.
class ToolTipWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ToolTipWindow(QWidget& owner);

    // Invalid colours mean the platform's tip colours.
    void setColours(const QColor& back, const QColor& fore);
    // 0 or less: lines are never wrapped.
    void setMaxTextWidth(int pixels);
    void setTextMargins(const QMargins& margins);

    // Shows text below and to the right of the mouse at cursor (global), kept on its screen.
    void showText(const QString& text, const QPoint& cursor);
    // Shows picture with caption under it (wrapped as a text is), placed as showText places.
    void showPicture(const QImage& picture, const QString& caption, const QPoint& cursor);
    // Shows picture (may be null) with caption beside area (global): to its right with their
    // tops level, else to its left, kept on its screen. For a tip of something the keyboard
    // chose, away from the mouse.
    void showBeside(const QImage& picture, const QString& caption, const QRect& area);
    // The text shown (a picture's caption), lines joined by LF.
    QString text() const { return m_text; }
    // The picture shown; null while a text alone is shown.
    const QImage& picture() const { return m_picture; }
    // Where the text is drawn, inside the border and the margins (below the picture).
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int textFlags() const;
    void show(const QString& text, const QImage& picture, const QPoint& cursor);
    // Takes text and picture and takes their size.
    void layOut(const QString& text, const QImage& picture);
    void appearAt(const QPoint& place);

    QString m_text;
    QImage m_picture;
    int m_maxTextWidth = 0;
    QMargins m_margins;
};

} // namespace z3d
