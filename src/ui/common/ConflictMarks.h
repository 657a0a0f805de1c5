#pragma once

#include "TableCells.h"

class QWidget;

namespace mobwright {

struct PendingRecord;
struct RecordCell;

// "The file now holds 77; your edit is 10": a conflicting cell's values as
// the enemy table shows them, table holding the records as stored.
QString ConflictText(const RecordCell &cell, int enemy, const PendingRecord &pending, EnemyTable table);

// Marks a field's label as an edit that another program's change conflicts
// with, on the conflict's colour, underlined: apart from the bold of an edit
// and the italics of a difference from the baseline. Or takes the mark away.
void MarkConflict(QWidget *label, bool conflicts);

} // namespace mobwright
