#pragma once

#include "TableCells.h"
#include "TableColumns.h"

#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

namespace mobwright {

// What a chart of the enemy table plots: a number column along each axis,
// or the enemy's number along x, and a list column whose entries colour the points.
struct ChartAxes
{
    const Column *x = nullptr; // null: the enemy's number, 1 to 230
    const Column *y = nullptr;
    const Column *colour = nullptr;
};

struct ChartPoint
{
    int enemy;
    QPointF at;    // with the enemy's pending edits
    QString group; // the colour column's cell as the table shows it
    // Where the record as the file holds it puts the point, when its
    // pending edits move it.
    std::optional<QPointF> before;
};

// The points of enemies, in their order: shown holds the records with
// their pending edits, stored the records as the file holds them.
std::vector<ChartPoint> ChartPoints(const std::vector<int> &enemies, const ChartAxes &axes,
                                    const EnemyTable &shown, const std::vector<EnemyRecord> &stored);

// The columns a chart can plot: those of plain numbers, in record order.
std::vector<const Column *> ChartNumberColumns();
// The columns whose entries can colour its points: the list and flag fields.
std::vector<const Column *> ChartColourColumns();

} // namespace mobwright
