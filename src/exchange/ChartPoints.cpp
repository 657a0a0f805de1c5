#include "ChartPoints.h"

namespace mobwright {
namespace {

QPointF PointOf(const EnemyRecord &record, int enemy, const ChartAxes &axes)
{
    const double x = axes.x ? StoredValue(record, *axes.x->cell) : enemy + 1;
    return {x, double(StoredValue(record, *axes.y->cell))};
}

} // namespace

std::vector<ChartPoint> ChartPoints(const std::vector<int> &enemies, const ChartAxes &axes,
                                    const EnemyTable &shown, const std::vector<EnemyRecord> &stored)
{
    std::vector<ChartPoint> points;
    points.reserve(enemies.size());
    for (const int enemy : enemies) {
        const std::size_t row = std::size_t(enemy);
        ChartPoint point{enemy, PointOf(shown.records[row], enemy, axes),
                         DisplayText(*axes.colour, enemy, shown), std::nullopt};
        if (const QPointF before = PointOf(stored[row], enemy, axes); before != point.at)
            point.before = before;
        points.push_back(std::move(point));
    }
    return points;
}

std::vector<const Column *> ChartNumberColumns()
{
    std::vector<const Column *> columns;
    for (const Column &column : TableColumns()) {
        if (IsNumberColumn(column))
            columns.push_back(&column);
    }
    return columns;
}

std::vector<const Column *> ChartColourColumns()
{
    std::vector<const Column *> columns;
    for (const Column &column : TableColumns()) {
        if (column.kind == ColumnKind::Field && IsChoice(LayoutOf(column.field()).encoding))
            columns.push_back(&column);
    }
    return columns;
}

} // namespace mobwright
