#pragma once

#include <QTest>

#include <initializer_list>
#include <tuple>
#include <utility>

namespace z3d::test {

// The columns of a data-driven test, declared once with their types; each row then goes
// through those same types, so a value cannot land in a column of another type.
//
//   const DataTable<QString, int> row("output", "code");   // QTest::addColumn for each
//   row("empty", "", 10);                                   // QTest::newRow("empty") << ...
template <typename... Columns> class DataTable
{
    using FirstColumn = std::tuple_element_t<0, std::tuple<Columns...>>;

public:
    template <typename... Names> explicit DataTable(const Names&... names)
    {
        static_assert(sizeof...(Names) == sizeof...(Columns), "one name per column");
        (QTest::addColumn<Columns>(names), ...);
    }

    void operator()(const char* name, const Columns&... values) const
    {
        (QTest::newRow(name) << ... << values);
    }

    // A row for each named value of the first column, all sharing the values of the others:
    //
    //   row.alike({{"unset", ""}, {"missing", "missing"}}, false);
    template <typename... Rest>
    void alike(std::initializer_list<std::pair<const char*, FirstColumn>> rows,
               const Rest&... rest) const
    {
        for (const auto& [name, first] : rows)
            (*this)(name, first, rest...);
    }
};

// The current row's values of the named columns, as QFETCH reads them, to be bound at once:
//
//   const auto [output, code] = fetchRow<QString, int>("output", "code");
template <typename... Columns, typename... Names>
std::tuple<Columns...> fetchRow(const Names&... names)
{
    static_assert(sizeof...(Names) == sizeof...(Columns), "one name per column");
    return {*static_cast<Columns*>(QTest::qData(names, qMetaTypeId<Columns>()))...};
}

} // namespace z3d::test
