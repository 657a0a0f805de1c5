#pragma once

#include "TableCells.h"

#include <QColor>

class QWidget;

namespace mobwright {

struct PendingRecord;
struct RecordCell;

// An edit that another program's change conflicts with is marked on a
// colour of its own, underlined: apart from the bold of an edit and the
// italics of a difference from the baseline.
QColor ConflictColour();
// Dark text, readable on that colour, and on the other light colours of
// marks, in light and dark palettes alike.
QColor MarkTextColour();

// "The file now holds 77; your edit is 10": a conflicting cell's values as
// the enemy table shows them, table holding the records as stored.
QString ConflictText(const RecordCell &cell, int enemy, const PendingRecord &pending, EnemyTable table);

// Marks a field's label, or takes the mark away.
void MarkConflict(QWidget *label, bool conflicts);

} // namespace mobwright
