#include "gui/Pictures.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QString>

#include <functional>

// The pictures are compiled into the static gui library; their registration must be named
// from outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace z3d {

namespace {

// Gives its widget its picture at the widget's first Show event, then goes.
class PictureAtFirstShow : public QObject
{
public:
    PictureAtFirstShow(QWidget& widget, std::function<void()> give)
        : QObject(&widget), m_give(std::move(give))
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            m_give();
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_give;
};

} // namespace

QPixmap Pictures::named(const char* name)
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    return QPixmap(QStringLiteral(":/z3d/pictures/%1.png").arg(QLatin1String(name)));
}

void Pictures::setWhenShown(QLabel& label, const char* name)
{
    new PictureAtFirstShow(label, [&label, name] {
        if (label.pixmap().isNull())
            label.setPixmap(named(name));
    });
}

void Pictures::setIconWhenShown(QAbstractButton& button, const char* name)
{
    new PictureAtFirstShow(button, [&button, name] {
        if (button.icon().isNull())
            button.setIcon(QIcon(named(name)));
    });
}

} // namespace z3d
