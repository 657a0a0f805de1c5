#pragma once

#include "TableCells.h"

#include <QString>

#include <vector>

namespace mobwright {

// A value that cells of a column show, and in how many rows.
struct DistinctValue
{
    QString text; // as the table shows it
    int count;
    bool operator==(const DistinctValue &) const = default;
};

// The values a column shows in the rows given, each once with its count, in
// the column's order: numbers and list entries by value, text by text.
std::vector<DistinctValue> DistinctValues(const Column &column, const EnemyTable &table,
                                          const std::vector<int> &rows);

// The filter term that keeps the rows whose cell shows one of texts, as a
// RowFilter reads it: Type = "1 – Insect" | "2 – Metal".
QString OneOfTerm(const Column &column, const QStringList &texts);

} // namespace mobwright
