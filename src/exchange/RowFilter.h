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
// ("uses action 100", "uses music 51"); text with no column finds enemies by
// number or name. Columns are named by their title or key, in any case and
// spacing ("max call", "MaxCall").
class RowFilter
{
public:
    // The filter a text asks for, or why it cannot be read.
    static Checked<RowFilter> parse(const QString &text);

    bool matches(int index, const EnemyTable &table) const;

private:
    enum class Op { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, Contains, Range, Uses };
    struct Term
    {
        const Column *column = nullptr; // null: the enemy's number or name
        Op op = Op::Contains;
        QString value;
        double low = 0;  // a range's ends; the entry's stored value for Uses
        double high = 0;
        LongList list = LongList::Action; // Uses
    };

    static Checked<Term> parseTerm(const QString &text);
    static bool meets(const Term &term, int index, const EnemyTable &table);

    std::vector<Term> terms_;
};

} // namespace mobwright
