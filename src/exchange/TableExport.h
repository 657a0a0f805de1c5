#pragma once

#include "TableCells.h"
#include "TextTable.h"

#include <QByteArray>

namespace mobwright {

// Every column of every record.
TextTable ExportTable(const EnemyTable &table);

// The file's bytes in the format asked for.
QByteArray WriteTable(const TextTable &table, TableFormat format);
// Reads a file's bytes in the format asked for.
TableRead ReadTable(const QByteArray &bytes, TableFormat format);

} // namespace mobwright
