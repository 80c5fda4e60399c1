#include "support/CurrentFolder.h"

#include <QDir>

namespace z3d::test {

CurrentFolder::CurrentFolder(const QString& folder)
    : m_previous(QDir::currentPath()), m_set(QDir::setCurrent(folder))
{
}

CurrentFolder::CurrentFolder() : m_previous(QDir::currentPath()), m_set(true) {}

CurrentFolder::~CurrentFolder()
{
    QDir::setCurrent(m_previous);
}

} // namespace z3d::test
