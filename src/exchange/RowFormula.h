#pragma once

#include "EnemyRecord.h"
#include "PendingEdits.h"
#include "Refusal.h"

#include <QString>

#include <memory>

namespace mobwright {

// An expression over the number columns of a row, named by their keys or
// titles in any case: "Level * 12 + 30", "max(HP, 100)", "round(Exp * 1.1)".
// muparser reads it: + - * / ^, comparisons and ?:, min, max, sum, avg,
// abs, sqrt and the like, with round, floor and ceil besides.
class RowFormula
{
public:
    // The formula, or why it cannot be read: its syntax, a name that is no
    // column, or a column that holds no number.
    static Checked<RowFormula> parse(const QString &text);

    // Its value for the columns of record.
    double valueFor(const EnemyRecord &record) const;

private:
    struct State;
    // Where muparser finds the value of a name it meets.
    static double *nameMet(const char *name, void *state);

    std::shared_ptr<State> state_;
};

} // namespace mobwright
