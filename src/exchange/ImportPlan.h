#pragma once

#include "RecordStore.h"
#include "TableCells.h"
#include "TextTable.h"

#include <variant>
#include <vector>

namespace mobwright {

// One cell that an import changes, as the user reads it.
struct CellChange
{
    int index;
    QString enemy; // the picker label before the import
    QString column;
    QString before;
    QString after;
};

struct ImportPlan
{
    std::vector<RecordWrite> records; // only those that change, by index
    std::vector<CellChange> cells;
};

// What importing text into the table would change, or every refusal. Rows
// that are missing leave their enemies alone, missing columns their fields.
std::variant<ImportPlan, std::vector<Refusal>> PlanImport(const TextTable &text,
                                                               const EnemyTable &table);

// The cells that writes change in table, by enemy and column.
std::vector<CellChange> ChangedCells(const std::vector<RecordWrite> &writes, const EnemyTable &table);

// Reads the table file at path and plans its import into table: the plan, or
// a line for each refusal.
std::variant<ImportPlan, QStringList> PlanImportOfFile(const QString &path,
                                                       const EnemyTable &table);

// A line per changed cell: "094: Rust Beetle, HP: 300 -> 400".
QStringList DescribeChanges(const ImportPlan &plan);

} // namespace mobwright
