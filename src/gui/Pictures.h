#pragma once

#include <QPixmap>

namespace z3d {

// The launcher's own pictures, compiled into the gui library.
class Pictures
{
public:
    // The picture of that name (":/z3d/pictures/<name>.png").
    static QPixmap named(const char* name);
};

} // namespace z3d
