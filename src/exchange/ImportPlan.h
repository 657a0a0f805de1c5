#pragma once

#include "RecordStore.h"
#include "TableCells.h"
#include "FileFormats.h"

#include <QIODevice>

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
    // A value that fits the field's bytes but that no entry of its list
    // names: taken only when asked for, as an export of such a record holds it.
    bool unlisted = false;
};

struct ImportPlan
{
    std::vector<RecordWrite> records; // only those that change, by index
    std::vector<CellChange> cells;

    qsizetype unlistedCount() const;
};

// What importing text into the table would change, or every refusal. Rows
// that are missing leave their enemies alone, missing columns their fields.
std::variant<ImportPlan, RefusalList> PlanImport(const TextTable &text, const EnemyTable &table);

// The cells that writes change in table, by enemy and column.
std::vector<CellChange> ChangedCells(const std::vector<RecordWrite> &writes, const EnemyTable &table);

// A table file that could not be opened or read, so there was nothing to judge.
struct UnreadableFile
{
    QString message;
};

using PlannedImport = std::variant<ImportPlan, RefusalList, UnreadableFile>;

// Reads a table in the format given and plans its import into table. Input
// over MAX_TABLE_FILE_SIZE is refused without being parsed.
PlannedImport PlanImportOfFile(const QString &path, const FileFormat &format, const EnemyTable &table);
// The same from an open device, such as standard input, that name tells of.
PlannedImport PlanImportFrom(QIODevice &input, const QString &name, const FileFormat &format,
                             const EnemyTable &table);

// A line for each refusal a message shows, the rest counted.
QStringList RefusalLines(const RefusalList &refusals);

// A line per changed cell: "094: Rust Beetle, HP: 300 -> 400", and
// "(no list names it)" after a value that no list names.
QStringList DescribeChanges(const ImportPlan &plan);

// Why a plan with values that no list names is refused unless they are
// asked for, and how to ask: one line that counts them.
QString UnlistedRefusal(const ImportPlan &plan, const QString &howToTake);

} // namespace mobwright
