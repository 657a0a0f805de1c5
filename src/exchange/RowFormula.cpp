#include "RowFormula.h"

#include "QtText.h"
#include "RecordCell.h"
#include "TableColumns.h"

#include <muParser.h>

#include <cmath>
#include <deque>

namespace mobwright {

struct RowFormula::State
{
    mu::Parser parser;
    std::vector<std::string> names; // as the formula writes them
    std::deque<double> values;      // one for each name, where muparser reads it
    std::vector<RecordCell> cells;  // the column each name reads
};

namespace {

double Round(double value)
{
    return std::round(value);
}
double Floor(double value)
{
    return std::floor(value);
}
double Ceil(double value)
{
    return std::ceil(value);
}

Refusal FormulaRefusal(std::string why)
{
    return {.place = "The formula", .accepted = std::move(why)};
}

} // namespace

double *RowFormula::nameMet(const char *name, void *state)
{
    auto *formula = static_cast<State *>(state);
    formula->names.emplace_back(name);
    return &formula->values.emplace_back(0);
}

Checked<RowFormula> RowFormula::parse(const QString &text)
{
    RowFormula formula;
    formula.state_ = std::make_shared<State>();
    State &state = *formula.state_;
    try {
        state.parser.SetVarFactory(&RowFormula::nameMet, &state);
        state.parser.DefineFun("round", Round);
        state.parser.DefineFun("floor", Floor);
        state.parser.DefineFun("ceil", Ceil);
        state.parser.SetExpr(ToModelText(text));
        state.parser.Eval(); // reads the whole formula, meeting every name in it
        // muparser takes "1,000" as two results and gives the last.
        if (state.parser.GetNumResults() > 1)
            return FormulaRefusal("it gives more than one value; a comma only parts a function's arguments, "
                                  "as in max(HP, 100)");
    } catch (const mu::Parser::exception_type &error) {
        std::string message = error.GetMsg();
        if (message.ends_with('.'))
            message.pop_back(); // the refusal's message ends its sentence
        return FormulaRefusal(message);
    }
    for (const std::string &name : state.names) {
        const Column *column = ColumnCalled(ToQString(name));
        if (!column)
            return FormulaRefusal("\"" + name + "\" is not a column; a formula names number columns by their "
                                                "keys, such as HP, Level or Exp");
        if (!IsNumberColumn(*column))
            return FormulaRefusal("\"" + name + "\" holds no number; a formula reads number columns only");
        state.cells.push_back(*column->cell);
    }
    return formula;
}

double RowFormula::valueFor(const EnemyRecord &record) const
{
    for (std::size_t k = 0; k < state_->cells.size(); ++k)
        state_->values[k] = StoredValue(record, state_->cells[k]);
    return state_->parser.Eval();
}

} // namespace mobwright
