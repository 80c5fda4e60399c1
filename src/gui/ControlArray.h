#pragma once

#include <QString>
#include <QWidget>

#include <array>

namespace z3d {

// A control array of a form (prefix_<index>, indices first .. first + N - 1), looked up once
// when the form is built. An index the array does not have gives nullptr.
template <class T, int N> class ControlArray
{
public:
    ControlArray() = default;
    ControlArray(const QWidget& form, const char* prefix, int first = 0) : m_first(first)
    {
        for (int i = 0; i < N; ++i)
            m_members[i] = form.findChild<T*>(
                QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(first + i));
    }

    T* at(int index) const
    {
        return index >= m_first && index < m_first + N ? m_members[index - m_first] : nullptr;
    }

private:
    int m_first = 0;
    std::array<T*, N> m_members{};
};

} // namespace z3d
