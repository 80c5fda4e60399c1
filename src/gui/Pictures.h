#pragma once

#include <QPixmap>

class QAbstractButton;
class QLabel;

namespace z3d {

// The launcher's own pictures, compiled into the gui library.
class Pictures
{
public:
    // The picture of that name (":/z3d/pictures/<name>.png").
    static QPixmap named(const char* name);
    // Gives label the picture of that name when the label is first shown, unless it holds a
    // picture by then: a picture the player may never see is not decoded at start-up, and one
    // that is replaced before the window appears is never decoded at all.
    static void setWhenShown(QLabel& label, const char* name);
    // The same for a button's icon. Only for a button whose size does not follow its icon: its
    // size hint changes when the icon comes.
    static void setIconWhenShown(QAbstractButton& button, const char* name);
};

} // namespace z3d
