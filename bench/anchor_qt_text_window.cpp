// The minimal Qt window again, with one line of text: what any window that shows text pays on
// top of it (Qt's font database, from fontconfig's configuration, and a font loaded and
// measured). The launcher's start is read against both.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("anchor"));
    window.resize(640, 480);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A line of text"), &window));
    window.show();
    return QApplication::exec();
}
