#pragma once

#include "TableCells.h"
#include "TextTable.h"

#include <QByteArray>

#include <optional>

namespace mobwright {

// Every column of every record.
TextTable ExportTable(const EnemyTable &table);

// The file's bytes in the format asked for.
QByteArray WriteTable(const TextTable &table, TableFormat format);
// Writes table into the file at path, replaced whole or not at all; returns
// why it could not be written.
std::optional<QString> SaveTable(const TextTable &table, const QString &path, TableFormat format);
// Reads a file's bytes in the format asked for.
TableRead ReadTable(const QByteArray &bytes, TableFormat format);

} // namespace mobwright
