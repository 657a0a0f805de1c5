#pragma once

#include "Refusal.h"

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
    // The row number a person reads for rows[0]: 2 in a spreadsheet,
    // whose row 1 is the header; 1 for the first object of a JSON array.
    int firstRowNumber = 2;
};

using TableRead = Checked<TextTable>;

enum class TableFormat { Csv, Json };

// The format a file's name asks for: JSON for *.json, CSV otherwise.
TableFormat FormatOfPath(const QString &path);

} // namespace mobwright
