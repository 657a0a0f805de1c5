#pragma once

#include "TableCells.h"
#include "TextTable.h"

#include <QByteArray>

namespace mobwright {

// Every column of every record. A label that a spreadsheet would take for a
// formula (starting with = + - @, a tab or a carriage return) is written
// after an apostrophe, which spreadsheets read as "text follows".
TextTable ExportTable(const EnemyTable &table);
// The part of an exported table that holds the rows of the enemies given and
// the columns given, with the enemy's number always first, and each field's
// label and name bytes beside it.
TextTable ShownPart(const TextTable &table, const std::vector<int> &enemies,
                    const std::vector<const Column *> &columns);

} // namespace mobwright
