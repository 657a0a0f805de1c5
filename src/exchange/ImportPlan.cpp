#include "ImportPlan.h"

#include "TableExport.h"
#include "TableGeometry.h"

#include <QFile>

#include <algorithm>
#include <map>

namespace mobwright {
namespace {

Refusal HeaderRefusal(const QString &column, std::string why)
{
    return {.row = 1, .column = column.toStdString(), .accepted = std::move(why)};
}

// The header's columns, or the refusals of columns nobody knows.
std::variant<std::vector<const Column *>, std::vector<Refusal>>
HeaderColumns(const QStringList &header)
{
    std::vector<const Column *> columns;
    std::vector<Refusal> refusals;
    for (const QString &name : header) {
        const Column *column = FindColumn(name);
        if (!column)
            refusals.push_back(HeaderRefusal(name, "not a column this editor knows; the columns "
                                                   "are those an export writes"));
        else if (std::find(columns.begin(), columns.end(), column) != columns.end())
            refusals.push_back(HeaderRefusal(name, "the column is given twice"));
        columns.push_back(column);
    }
    if (!header.contains(ENEMY_COLUMN))
        refusals.push_back(
            HeaderRefusal(ENEMY_COLUMN, "this column is needed to say which enemy a row is"));
    if (!refusals.empty())
        return refusals;
    return columns;
}

std::optional<int> EnemyIndex(const QString &cell)
{
    bool ok = false;
    const int number = cell.trimmed().toInt(&ok, 10);
    if (!ok || number < 1 || number > ENEMY_COUNT || cell.trimmed().startsWith(u'+'))
        return std::nullopt;
    return number - 1;
}

Refusal InRow(int row, const QString &column, Refusal refusal)
{
    refusal.row = row;
    refusal.column = column.toStdString();
    return refusal;
}

struct RowResult
{
    EnemyRecord record;
    std::vector<Refusal> refusals;
};

RowResult RecordFromRow(const std::vector<const Column *> &columns, const QStringList &row,
                        int rowNumber, const EnemyRecord &before)
{
    RowResult result{before, {}};
    const QString *name = nullptr;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column &column = *columns[c];
        const QString &cell = row[static_cast<qsizetype>(c)];
        if (cell.isNull())
            continue;
        if (column.kind == ColumnKind::Field && column.field == Field::Name)
            name = &cell;
        else if (const auto error = StoreCell(column, cell, result.record))
            result.refusals.push_back(InRow(rowNumber, column.name, *error));
    }
    if (name) {
        if (const auto error = StoreName(*name, result.record))
            result.refusals.push_back(InRow(rowNumber, ColumnName(Field::Name), *error));
    }
    if (result.refusals.empty()) {
        if (const auto error = CheckListValues(before, result.record))
            result.refusals.push_back(InRow(rowNumber, ColumnName(*error->field), *error));
    }
    return result;
}

// A cell as a person reads it: a list field's value with its label.
QString ReadableCell(const Column &column, int index, const EnemyTable &table)
{
    const QString text = CellText(column, index, table);
    const Column *label = FindColumn(column.name + QStringLiteral(" label"));
    const QString labelText = label ? CellText(*label, index, table).simplified() : QString();
    return labelText.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, labelText);
}

// The cells that differ; after keeps the labels of before, so that the
// arguments of enemy calls name the enemies as they were.
void AddCellChanges(std::vector<CellChange> &cells, const RecordWrite &change,
                    const EnemyTable &before, const EnemyTable &after)
{
    for (const Column &column : TableColumns()) {
        if (column.kind == ColumnKind::Label || column.kind == ColumnKind::Enemy)
            continue;
        const QString old = ReadableCell(column, change.index, before);
        const QString now = ReadableCell(column, change.index, after);
        if (old != now)
            cells.push_back({change.index, before.labels.value(change.index), column.name, old, now});
    }
}

} // namespace

std::variant<ImportPlan, std::vector<Refusal>> PlanImport(const TextTable &text,
                                                               const EnemyTable &table)
{
    const auto header = HeaderColumns(text.header);
    if (const auto *refusals = std::get_if<std::vector<Refusal>>(&header))
        return *refusals;
    const auto &columns = std::get<std::vector<const Column *>>(header);
    const auto enemyColumn = text.header.indexOf(ENEMY_COLUMN);

    std::vector<Refusal> refusals;
    std::map<int, int> rowOfEnemy;
    ImportPlan plan;
    for (std::size_t r = 0; r < text.rows.size(); ++r) {
        const QStringList &row = text.rows[r];
        const int rowNumber = text.firstRowNumber + static_cast<int>(r);
        // Spreadsheets may save rows of empty cells after the table.
        if (std::all_of(row.begin(), row.end(), [](const QString &cell) { return cell.isEmpty(); }))
            continue;
        const std::optional<int> index = EnemyIndex(row[enemyColumn]);
        if (!index) {
            refusals.push_back({.row = rowNumber,
                                .column = ENEMY_COLUMN.toStdString(),
                                .text = row[enemyColumn].toStdString(),
                                .accepted = "an enemy's number from 1 to " +
                                            std::to_string(ENEMY_COUNT) + ", such as 001"});
            continue;
        }
        if (const auto [it, fresh] = rowOfEnemy.emplace(*index, rowNumber); !fresh) {
            refusals.push_back({.row = rowNumber,
                                .column = ENEMY_COLUMN.toStdString(),
                                .text = row[enemyColumn].toStdString(),
                                .accepted = "each enemy once; row " + std::to_string(it->second) +
                                            " gives this enemy already"});
            continue;
        }
        const EnemyRecord &before = table.records[static_cast<std::size_t>(*index)];
        RowResult result = RecordFromRow(columns, row, rowNumber, before);
        refusals.insert(refusals.end(), result.refusals.begin(), result.refusals.end());
        if (result.refusals.empty() && !(result.record == before))
            plan.records.push_back({*index, before, result.record});
    }
    if (!refusals.empty())
        return refusals;
    std::sort(plan.records.begin(), plan.records.end(),
              [](const RecordWrite &a, const RecordWrite &b) { return a.index < b.index; });
    plan.cells = ChangedCells(plan.records, table);
    return plan;
}

std::vector<CellChange> ChangedCells(const std::vector<RecordWrite> &writes, const EnemyTable &table)
{
    EnemyTable after(table);
    for (const RecordWrite &change : writes)
        after.records[static_cast<std::size_t>(change.index)] = change.after;
    std::vector<CellChange> cells;
    for (const RecordWrite &change : writes)
        AddCellChanges(cells, change, table, after);
    return cells;
}

std::variant<ImportPlan, QStringList> PlanImportOfFile(const QString &path, const EnemyTable &table)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList{QStringLiteral("Cannot read %1: %2").arg(path, file.errorString())};
    const TableRead read = ReadTable(file.readAll(), FormatOfPath(path));
    if (const auto *refusal = std::get_if<Refusal>(&read))
        return QStringList{QString::fromStdString(refusal->message())};
    auto planned = PlanImport(std::get<TextTable>(read), table);
    if (auto *plan = std::get_if<ImportPlan>(&planned))
        return std::move(*plan);
    QStringList lines;
    for (const Refusal &refusal : std::get<std::vector<Refusal>>(planned))
        lines.append(QString::fromStdString(refusal.message()));
    return lines;
}

QStringList DescribeChanges(const ImportPlan &plan)
{
    QStringList lines;
    for (const CellChange &cell : plan.cells)
        lines.append(QStringLiteral("%1, %2: %3 -> %4")
                         .arg(cell.enemy, cell.column, cell.before, cell.after));
    return lines;
}

} // namespace mobwright
