#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>

namespace z3d {

// The order of the launcher's sorted lists: alphabetical without regard to case. Names that
// differ only in case (possible on a case-sensitive disk) keep a fixed order among themselves.
inline bool nameLess(const QString& a, const QString& b)
{
    const int order = QString::compare(a, b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

inline void sortNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), nameLess);
}

} // namespace z3d
