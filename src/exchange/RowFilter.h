#pragma once

#include "Refusal.h"
#include "TableCells.h"

#include <QString>

#include <vector>

namespace mobwright {

// Which rows of the enemy table to show: terms, all of which a row must
// meet, joined by "," or "and". A term compares a column with a value
// ("HP > 40000", "Type = Insect", "Name ~ bat", "Level 10..20"), or asks for
// the enemies that use a long list's entry in any field that takes it
// ("uses action 100", "uses music 5B"); text with no column finds enemies by
// number or name. Columns are named by their title or key, in any case and
// spacing ("max call", "MaxCall"). A list's entry is given as the table
// shows it: its number as the list numbers it (music in hexadecimal), its
// label or its name. "=", "!=" and "~" take several values joined by "|"
// (any of them; for "!=", none); a value in double quotes ("" for a quote)
// is matched as the cell reads, not read as a list's entry.
class RowFilter
{
public:
    // The filter a text asks for, or why it cannot be read: the term at
    // fault, at which characters (from 1), and what is wrong with it. List
    // entries go by the table's names.
    static Checked<RowFilter> parse(const QString &text, const EnemyTable &table);
    // The same with the built-in names.
    static Checked<RowFilter> parse(const QString &text);

    bool matches(int index, const EnemyTable &table) const;

private:
    enum class Op { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, Contains, Range, Uses };
    struct Term
    {
        const Column *column = nullptr; // null: the enemy's number or name
        Op op = Op::Contains;
        QStringList values;  // as typed, without their quotes
        bool quoted = false; // matched as the cell reads
        // The values as numbers: a list's stored values where they do not
        // depend on the row (an argument's list follows its action).
        std::vector<double> numbers;
        double low = 0; // a range's ends; the entry's stored value for Uses
        double high = 0;
        LongList list = LongList::Action; // Uses
    };

    static Checked<Term> parseTerm(const QString &text, const EntryNaming &naming);
    static Checked<Term> parseComparison(const Column &column, const QString &rest,
                                         const EntryNaming &naming);
    static bool meets(const Term &term, int index, const EnemyTable &table);
    static bool meetsList(const Term &term, int index, const EnemyTable &table);

    std::vector<Term> terms_;
};

} // namespace mobwright
