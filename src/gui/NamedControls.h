#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

namespace z3d {

// The named controls of a form, gathered in one walk: looking a name up gives the control
// form.findChild would (children before grandchildren, the first of a name winning), without
// walking the form again for each of the hundreds of names a settings or tooltip table holds.
class NamedControls
{
public:
    explicit NamedControls(const QWidget& form);

    template <class T> T* find(const QString& name) const
    {
        return qobject_cast<T*>(m_controls.value(name));
    }

private:
    void gather(const QWidget& parent);

    QHash<QString, QWidget*> m_controls;
};

} // namespace z3d
