#pragma once

#include <QObject>
#include <QPixmap>

class QLabel;

namespace z3d {

// A picture that acts as a button: it reports a press, and a click when the button is released
// over it. With a pressed picture it shows that one while the button is down.
class PictureButton : public QObject
{
    Q_OBJECT

public:
    explicit PictureButton(QLabel& picture, QPixmap normal = {}, QPixmap pressed = {});

signals:
    void pressed();
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel& m_picture;
    QPixmap m_normal;
    QPixmap m_pressed;
};

} // namespace z3d
