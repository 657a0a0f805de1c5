#pragma once

#include "RecordCell.h"

#include <QString>

#include <vector>

namespace mobwright {

// What a column of an exported table holds.
enum class ColumnKind {
    Enemy,     // the enemy's number as the pickers show it, 001 to 230
    Field,     // a field's stored value; the name as text
    Label,     // a list field's label: for reading only, ignored on import
    NameBytes, // the name's 25 bytes in hex, when its text does not give them back
    Byte,      // a byte no field shows, by its record offset
};

struct Column
{
    ColumnKind kind;
    // What the column shows of the record: nothing for the Enemy column; a
    // field for its Field, Label and NameBytes columns; a byte for a Byte column.
    std::optional<RecordCell> cell;
    QString name;

    // The field of a Field, Label or NameBytes column.
    Field field() const { return cell.value().field().value(); }
    // Whether JSON holds the column's values as numbers rather than text.
    bool isNumeric() const;
    // Whether a file may give the column's value by an entry's label or
    // name too: a list or flag field's.
    bool takesNames() const;
    // The most digits a cell of the column can show, when it shows a plain
    // number; 0 for text, flags and list entries.
    int mostDigits() const;
};

// Every column in record order, so that the table holds every byte of
// every record: the enemy, then each field or byte by its offset.
const std::vector<Column> &TableColumns();

// The column of that name, or null.
const Column *FindColumn(const QString &name);
// The Field or Byte column of a field or byte.
const Column &ColumnOf(const RecordCell &cell);
// A column's name or title as a user's text is compared with it: in any
// case and spacing ("max call", "MaxCall", "byte26").
QString SqueezedName(const QString &name);
// The column a user calls so, or null.
const Column *ColumnCalled(const QString &typed);

// The name of a field in a table's header: its name in the record layout.
QString ColumnName(Field field);

// The column's name as the enemy table's header shows it: "Max Call",
// "Pronoun" for a byte of known meaning, "Byte 57" for another.
QString ColumnTitle(const Column &column);
// What the column holds: its key in files, its bytes in the record and the
// values it accepts.
QString ColumnHelp(const Column &column);

inline const QString ENEMY_COLUMN = QStringLiteral("Enemy");

} // namespace mobwright
