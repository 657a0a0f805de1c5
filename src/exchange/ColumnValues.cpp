#include "ColumnValues.h"

#include <map>
#include <tuple>

namespace mobwright {
namespace {

// Where a cell's value sorts: numbers and list entries by the value stored,
// text without regard to case.
std::tuple<std::uint64_t, QString> SortKey(const Column &column, int index, const EnemyTable &table,
                                           const QString &shown)
{
    if (column.takesNames())
        return {table.records[static_cast<std::size_t>(index)].value(column.field()), shown};
    if (column.isNumeric())
        return {CellText(column, index, table).toULongLong(), shown};
    return {0, shown.toCaseFolded()};
}

} // namespace

std::vector<DistinctValue> DistinctValues(const Column &column, const EnemyTable &table,
                                          const std::vector<int> &rows)
{
    std::map<std::tuple<std::uint64_t, QString>, DistinctValue> values;
    for (const int row : rows) {
        const QString shown = DisplayText(column, row, table);
        auto [found, fresh] = values.try_emplace(SortKey(column, row, table, shown), DistinctValue{shown, 0});
        ++found->second.count;
    }
    std::vector<DistinctValue> distinct;
    distinct.reserve(values.size());
    for (auto &[key, value] : values)
        distinct.push_back(std::move(value));
    return distinct;
}

QString OneOfTerm(const Column &column, const QStringList &texts)
{
    QStringList quoted;
    for (QString text : texts)
        quoted.append(u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"');
    return column.name + QStringLiteral(" = ") + quoted.join(QStringLiteral(" | "));
}

} // namespace mobwright
