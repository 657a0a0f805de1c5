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

Checked<std::vector<AdjustedCell>> AdjustCells(const std::vector<TableCell> &cells, const Adjustment &adjustment,
                                               const PendingOf &pendingOf)
{
    std::optional<RowFormula> formula;
    if (adjustment.operation == Adjustment::Operation::Formula) {
        auto parsed = RowFormula::parse(adjustment.formula);
        if (auto *refusal = std::get_if<Refusal>(&parsed))
            return *refusal;
        formula = std::get<RowFormula>(std::move(parsed));
    }
    std::vector<AdjustedCell> adjusted;
    for (const TableCell &cell : cells) {
        if (!IsNumberColumn(*cell.column))
            continue;
        const RecordCell recordCell = *cell.column->cell;
        const EnemyRecord row = pendingOf(cell.enemy).target;
        AdjustedCell &made = adjusted.emplace_back(AdjustedCell{cell, static_cast<double>(StoredValue(row, recordCell))});
        made.largest = LargestValue(recordCell);
        made.worked = std::round(formula ? formula->valueFor(row) : Adjusted(made.before, adjustment));
        made.after = adjustment.clamp && !std::isnan(made.worked) ? std::clamp(made.worked, 0.0, made.largest)
                                                                  : made.worked;
        made.refused = !(made.after >= 0 && made.after <= made.largest);
    }
    return adjusted;
}

std::variant<std::vector<CellEdit>, std::vector<Refusal>>
AdjustedTexts(const std::vector<TableCell> &cells, const Adjustment &adjustment, const PendingOf &pendingOf)
{
    auto adjusted = AdjustCells(cells, adjustment, pendingOf);
    if (auto *refusal = std::get_if<Refusal>(&adjusted))
        return std::vector<Refusal>{*refusal};
    std::vector<CellEdit> texts;
    std::vector<Refusal> refusals;
    for (const AdjustedCell &cell : std::get<std::vector<AdjustedCell>>(adjusted)) {
        if (!cell.refused)
            texts.push_back({cell.cell, std::to_string(static_cast<long long>(cell.after))});
        else if (refusals.size() < NAMED_REFUSALS)
            refusals.push_back(AtCell({.text = NumberText(cell.worked),
                                       .accepted = "a whole number from 0 to " + NumberText(cell.largest)},
                                      cell.cell));
    }
    if (!refusals.empty())
        return refusals;
    return texts;
}

} // namespace mobwright
