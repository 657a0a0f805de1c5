#pragma once

#include "PendingEdits.h"
#include "TableColumns.h"

#include <QStringList>

#include <map>
#include <variant>
#include <vector>

namespace mobwright {

// A cell of the enemy table that can be edited: an enemy, and a column of
// a field or of a byte that no field covers.
struct TableCell
{
    int enemy;
    const Column *column;
};

bool IsEditable(const Column &column);

struct CellEdit
{
    TableCell cell;
    std::string text;
};

// Pending records of enemies, or why cells refuse their text (the first
// few cells at fault, each naming its enemy and column).
using CellEdits = std::variant<std::map<int, PendingRecord>, std::vector<Refusal>>;

// Every cell set to its text, as the window takes typed text, list cells
// read as reading says (typed and pasted text: NumberForm::Listed with the
// table's NamingOf); any cell that refuses its text refuses them all.
CellEdits SetCells(const std::vector<CellEdit> &texts, const PendingOf &pendingOf,
                   const ValueReading &reading = {});

// Pasted text larger than this holds far more than the table's cells, and is
// refused before it is read.
inline constexpr qsizetype MAX_PASTED_TEXT = 16 * 1024 * 1024;

// Rows of tab-separated cells as a spreadsheet copies them; a last line end
// makes no row of its own. Only the first maxRows rows are split, and only
// the first maxColumns cells of each: what lies beyond has no cell to go to,
// and so a paste holds no more strings than the table has cells.
std::vector<QStringList> SplitPastedText(QStringView text, std::size_t maxRows,
                                         qsizetype maxColumns);

struct Adjustment
{
    enum class Operation { SetTo, Add, MultiplyBy, Formula };
    Operation operation = Operation::MultiplyBy;
    double value = 1;
    bool clamp = true; // values that leave the field's range: clamped, or refused
    QString formula;   // a RowFormula over the row's columns, for Formula
};

// What an adjustment does to one number cell: its value before, the whole
// number worked out, and the value the cell takes.
struct AdjustedCell
{
    TableCell cell;
    double before = 0;
    double worked = 0;  // may leave the field's range, or be no number
    double after = 0;   // clamped into the range where the adjustment clamps
    double largest = 0; // the field's range is 0 to this
    bool refused = false; // out of the range, and not clamped

    bool clamped() const { return !refused && after != worked; }
};

// Every number cell's adjustment, a formula worked out for each cell's row
// as it is before the adjustment; or why the formula cannot be read.
Checked<std::vector<AdjustedCell>> AdjustCells(const std::vector<TableCell> &cells, const Adjustment &adjustment,
                                               const PendingOf &pendingOf);

// The texts that an adjustment gives number cells, rounded to whole
// numbers; cells of other columns are left out. A formula is worked out
// for each cell's row as it is before the adjustment. Refuses values out
// of the field's range unless they are clamped, and a formula that cannot
// be read.
std::variant<std::vector<CellEdit>, std::vector<Refusal>>
AdjustedTexts(const std::vector<TableCell> &cells, const Adjustment &adjustment, const PendingOf &pendingOf);

} // namespace mobwright
