#pragma once

#include <QColor>
#include <QMargins>
#include <QString>
#include <QWidget>

namespace z3d {

// The window a tip is drawn in: a frameless tool-tip window that never takes the focus, with a
// one-pixel border in the text colour, the margins around the text and the lines wrapped at a
// width. Its window title is the text shown, so the desktop (and assistive tools) can read it.
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
    // The text shown, lines joined by LF.
    QString text() const { return m_text; }
    // Where the text is drawn, inside the border and the margins.
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int textFlags() const;

    QString m_text;
    int m_maxTextWidth = 0;
    QMargins m_margins;
};

} // namespace z3d
