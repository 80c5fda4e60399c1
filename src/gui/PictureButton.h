#pragma once

#include <QObject>

class QLabel;

namespace z3d {

// A picture that acts as a button: it reports a press, and a click when the button is released
// over it. With a pressed picture it shows that one while the button is down. The pictures are
// the launcher's own (Pictures), each decoded when first needed.
class PictureButton : public QObject
{
    Q_OBJECT

public:
    explicit PictureButton(QLabel& picture, const char* normal = nullptr,
                           const char* pressed = nullptr);

signals:
    void pressed();
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel& m_picture;
    const char* m_normal;
    const char* m_pressed;
};

} // namespace z3d
