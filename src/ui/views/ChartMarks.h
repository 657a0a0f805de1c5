#pragma once

#include <QBrush>
#include <QGraphicsItem>
#include <QPen>
#include <QPixmap>

#include <vector>

class QChart;
class QScatterSeries;

namespace mobwright {

// The chart's points, drawn by this one item in the chart's scene: a series
// would make, place and paint an item of its own for each point, which
// costs several times what the rest of the chart does. Each group's point
// is drawn once as its series' legend shows it, then stamped at each place.
class ChartMarks : public QGraphicsItem
{
public:
    explicit ChartMarks(QChart &chart);

    // Before the first group of a new plot.
    void clear();
    // Points drawn as series draws its own, series being in the chart.
    void addGroup(const QScatterSeries &series, std::vector<QPointF> values);
    // Puts the points where the chart's axes and plot area now put their values.
    void place();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    struct Group
    {
        QPen pen;
        QBrush brush;
        qreal size;
        std::vector<QPointF> values;
        std::vector<QPointF> places; // in the scene
        QPixmap stamp;               // the point, at the screen's pixel ratio
    };

    static void drawPoint(QPainter &painter, const Group &group, const QPointF &centre);
    static const QPixmap &stampOf(Group &group, qreal pixelRatio);

    QChart &chart_;
    std::vector<Group> groups_;
    QRectF area_; // the plot area in the scene, where points are drawn
};

} // namespace mobwright
