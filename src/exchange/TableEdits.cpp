#include "TableEdits.h"

#include "EnemyLabels.h"
#include "RowFormula.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace mobwright {
namespace {

// So many refused cells are named; the user mends those and tries again.
constexpr std::size_t NAMED_REFUSALS = 5;

Refusal AtCell(Refusal refusal, const TableCell &cell)
{
    refusal.place = "Enemy " + EnemyNumber(cell.enemy);
    refusal.column = cell.column->name.toStdString();
    return refusal;
}

double LargestValue(const RecordCell &cell)
{
    return std::ldexp(1.0, 8 * cell.width()) - 1;
}

// A value the user reads, however large or strange.
std::string NumberText(double value)
{
    if (std::isnan(value))
        return "no number";
    if (std::abs(value) >= 1e15)
        return value < 0 ? "a number below -10^15" : "a number above 10^15";
    return std::to_string(static_cast<long long>(value));
}

double Adjusted(double value, const Adjustment &adjustment)
{
    switch (adjustment.operation) {
    case Adjustment::Operation::SetTo: return adjustment.value;
    case Adjustment::Operation::Add: return value + adjustment.value;
    case Adjustment::Operation::MultiplyBy:
    case Adjustment::Operation::Formula: break;
    }
    return value * adjustment.value;
}

} // namespace

bool IsEditable(const Column &column)
{
    return column.kind == ColumnKind::Field || column.kind == ColumnKind::Byte;
}

bool IsNumberColumn(const Column &column)
{
    return column.kind == ColumnKind::Byte ||
           (column.kind == ColumnKind::Field && LayoutOf(column.field()).encoding == Encoding::Number);
}

std::uint32_t StoredValue(const EnemyRecord &record, const RecordCell &cell)
{
    const std::optional<Field> field = cell.field();
    return field ? record.value(*field) : record.bytes(cell.offset(), 1)[0];
}

CellEdits SetCells(const std::vector<CellEdit> &texts, const PendingOf &pendingOf,
                   const ValueReading &reading)
{
    std::map<int, PendingRecord> records;
    std::vector<Refusal> refusals;
    for (const CellEdit &text : texts) {
        auto found = records.find(text.cell.enemy);
        if (found == records.end())
            found = records.emplace(text.cell.enemy, pendingOf(text.cell.enemy)).first;
        auto checked = WithCellText(found->second, *text.cell.column->cell, text.text, reading);
        if (auto *refusal = std::get_if<Refusal>(&checked)) {
            if (refusals.size() < NAMED_REFUSALS)
                refusals.push_back(AtCell(*refusal, text.cell));
            continue;
        }
        found->second = std::get<PendingRecord>(std::move(checked));
    }
    if (!refusals.empty())
        return refusals;
    return records;
}

std::vector<QStringList> SplitPastedText(QStringView text, std::size_t maxRows,
                                         qsizetype maxColumns)
{
    if (text.endsWith(u'\n'))
        text.chop(1);
    std::vector<QStringList> rows;
    for (QStringView line : text.tokenize(u'\n')) {
        if (rows.size() == maxRows)
            break;
        if (line.endsWith(u'\r'))
            line.chop(1);
        QStringList &cells = rows.emplace_back();
        for (QStringView cell : line.tokenize(u'\t')) {
            if (cells.size() == maxColumns)
                break;
            cells.append(cell.toString());
        }
    }
    return rows;
}

std::variant<std::vector<CellEdit>, std::vector<Refusal>>
AdjustedTexts(const std::vector<TableCell> &cells, const Adjustment &adjustment, const PendingOf &pendingOf)
{
    std::optional<RowFormula> formula;
    if (adjustment.operation == Adjustment::Operation::Formula) {
        auto parsed = RowFormula::parse(adjustment.formula);
        if (auto *refusal = std::get_if<Refusal>(&parsed))
            return std::vector<Refusal>{*refusal};
        formula = std::get<RowFormula>(std::move(parsed));
    }
    std::vector<CellEdit> texts;
    std::vector<Refusal> refusals;
    for (const TableCell &cell : cells) {
        if (!IsNumberColumn(*cell.column))
            continue;
        const RecordCell recordCell = *cell.column->cell;
        const double largest = LargestValue(recordCell);
        const EnemyRecord row = pendingOf(cell.enemy).target;
        double value = std::round(formula ? formula->valueFor(row)
                                          : Adjusted(StoredValue(row, recordCell), adjustment));
        if (adjustment.clamp && !std::isnan(value))
            value = std::clamp(value, 0.0, largest);
        if (!(value >= 0 && value <= largest)) {
            if (refusals.size() < NAMED_REFUSALS)
                refusals.push_back(AtCell({.text = NumberText(value),
                                           .accepted = "a whole number from 0 to " + NumberText(largest)},
                                          cell));
            continue;
        }
        texts.push_back({cell, std::to_string(static_cast<long long>(value))});
    }
    if (!refusals.empty())
        return refusals;
    return texts;
}

} // namespace mobwright
