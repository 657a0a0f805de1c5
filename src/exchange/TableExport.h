#pragma once

#include "TableCells.h"
#include "TextTable.h"

#include <QByteArray>

namespace mobwright {

// Every column of every record. A label that a spreadsheet would take for a
// formula (starting with = + - @, a tab or a carriage return) is written
// after an apostrophe, which spreadsheets read as "text follows".
TextTable ExportTable(const EnemyTable &table);

// The file's bytes in the format asked for.
QByteArray WriteTable(const TextTable &table, TableFormat format);
// Reads a file's bytes in the format asked for.
TableRead ReadTable(const QByteArray &bytes, TableFormat format);

} // namespace mobwright
