#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace z3d {

// Text colours the main window switches between: the dark red of a selected tab or a value at
// its "off" end (RGB value 192: red 192, green and blue 0), and the ordinary text colour.
class TextColour
{
public:
    static QColor darkRed() { return QColor(192, 0, 0); }

    // The colour a widget draws its caption or text in.
    static QColor of(const QWidget* widget)
    {
        return widget->palette().color(widget->foregroundRole());
    }

    // Sets the caption colour of buttons and labels and the text colour of text boxes.
    static void set(QWidget* widget, const QColor& colour)
    {
        QPalette palette = widget->palette();
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(role, colour);
        widget->setPalette(palette);
    }

    // A frame caption greyed like a disabled caption (the button-shadow colour), or back to
    // the window-text colour.
    static void greyCaption(QWidget* frame, bool grey)
    {
        const QPalette inherited =
            frame->parentWidget() ? frame->parentWidget()->palette() : QApplication::palette(frame);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText,
                         inherited.color(grey ? QPalette::Dark : QPalette::WindowText));
        frame->setPalette(palette);
    }

    // Back to the window-text colour the widget would have without its own colour.
    static void reset(QWidget* widget)
    {
        const QPalette inherited = widget->parentWidget() ? widget->parentWidget()->palette()
                                                          : QApplication::palette(widget);
        QPalette palette = widget->palette();
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(role, inherited.color(role));
        widget->setPalette(palette);
    }
};

} // namespace z3d
