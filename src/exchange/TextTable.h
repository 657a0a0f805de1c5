#pragma once

#include "RefusalList.h"

#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace mobwright {

// A table as a file holds it: a header and rows of text cells. A null cell
// is one that the row does not give (a JSON object without that key).
struct TextTable
{
    QStringList header;
    std::vector<QStringList> rows;
    // The row number a person reads for each row: its line in a CSV file,
    // its position in a JSON array, counted from 1.
    std::vector<int> rowNumbers;
    // Columns whose cells JSON writes as numbers rather than text; none if empty.
    std::vector<bool> numeric;

    void addRow(QStringList cells, int number);
};

// What reading a table file gave: the rows that could be read, and the
// refusals of the file's form and of the rows that could not. Reading goes
// on past a refused row, so that every refusal is told at once.
struct TableRead
{
    TextTable table;
    RefusalList refusals;
};

// The largest table file that is read: an export is about 100 KB, so a
// larger file is no table, and is refused before it is parsed.
inline constexpr qint64 MAX_TABLE_FILE_SIZE = 16 * 1024 * 1024;

} // namespace mobwright
