#include "gui/Pictures.h"

#include <QEvent>
#include <QLabel>
#include <QString>

// The pictures are compiled into the static gui library; their registration must be named
// from outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace z3d {

namespace {

// Sets its label's picture at the label's first Show event, then goes.
class PictureAtFirstShow : public QObject
{
public:
    PictureAtFirstShow(QLabel& label, const char* name) : QObject(&label), m_name(name)
    {
        label.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* label = static_cast<QLabel*>(watched);
            if (label->pixmap().isNull())
                label->setPixmap(Pictures::named(m_name));
            label->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    const char* m_name;
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
    new PictureAtFirstShow(label, name);
}

} // namespace z3d
