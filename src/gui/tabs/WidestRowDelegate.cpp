#include "gui/tabs/WidestRowDelegate.h"

#include <QFontMetrics>
#include <QHash>

#include <algorithm>
#include <array>
#include <vector>

namespace z3d {

namespace {

// How many of the rows ranked widest are measured.
constexpr size_t kMeasuredRows = 8;

// The advance of each character, measured once: the Latin-1 ones kept in a table.
class CharacterAdvances
{
public:
    explicit CharacterAdvances(const QFont& font) : m_metrics(font) { m_latin1.fill(-1); }

    int of(QChar c)
    {
        if (c.unicode() < m_latin1.size()) {
            int& advance = m_latin1[c.unicode()];
            if (advance < 0)
                advance = m_metrics.horizontalAdvance(c);
            return advance;
        }
        const auto known = m_others.constFind(c.unicode());
        if (known != m_others.cend())
            return *known;
        return *m_others.insert(c.unicode(), m_metrics.horizontalAdvance(c));
    }

    int sum(const QString& text)
    {
        int total = 0;
        for (const QChar c : text)
            total += of(c);
        return total;
    }

    const QFontMetrics& metrics() const { return m_metrics; }

private:
    QFontMetrics m_metrics;
    std::array<int, 256> m_latin1;
    QHash<char16_t, int> m_others;
};

} // namespace

QSize WidestRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    const QAbstractItemModel* model = index.model();
    if (!model)
        return QStyledItemDelegate::sizeHint(option, index);
    const QModelIndex parent = index.parent();
    struct Row
    {
        int row;
        int estimate;
        QString text;
    };
    std::vector<Row> rows(size_t(model->rowCount(parent)));
    CharacterAdvances advances(option.font);
    for (int row = 0; row < int(rows.size()); ++row) {
        QString text = model->index(row, index.column(), parent).data().toString();
        rows[size_t(row)] = {row, advances.sum(text), std::move(text)};
    }
    // Shaped text is narrower than its characters' sum by its kerning, or wider by a pixel
    // or two where the font kerns apart: only the rows the sums rank first are measured.
    const size_t measured = std::min(rows.size(), kMeasuredRows);
    std::partial_sort(rows.begin(), rows.begin() + ptrdiff_t(measured), rows.end(),
                      [](const Row& a, const Row& b) { return a.estimate > b.estimate; });
    int widestRow = index.row();
    int widest = -1;
    for (size_t i = 0; i < measured; ++i) {
        const int width = advances.metrics().horizontalAdvance(rows[i].text);
        if (width > widest) {
            widest = width;
            widestRow = rows[i].row;
        }
    }
    return QStyledItemDelegate::sizeHint(option, model->index(widestRow, index.column(), parent));
}

} // namespace z3d
