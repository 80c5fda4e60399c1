#include "gui/NamedControls.h"

namespace z3d {

NamedControls::NamedControls(const QWidget& form)
{
    gather(form);
}

void NamedControls::gather(const QWidget& parent)
{
    // The order of QObject::findChild: a parent's own children first, then each child's.
    const QObjectList& children = parent.children();
    for (QObject* child : children) {
        if (child->isWidgetType() && !child->objectName().isEmpty() &&
            !m_controls.contains(child->objectName()))
            m_controls.insert(child->objectName(), static_cast<QWidget*>(child));
    }
    for (QObject* child : children) {
        if (child->isWidgetType())
            gather(*static_cast<QWidget*>(child));
    }
}

} // namespace z3d
