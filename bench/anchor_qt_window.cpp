// The least a Qt program does to put a window on the screen: the anchor the launcher's
// whole-process start is compared with.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("anchor"));
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
