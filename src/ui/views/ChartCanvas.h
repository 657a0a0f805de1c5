#pragma once

#include "ChartPoints.h"

#include <QChartView>

#include <functional>

class QGraphicsPathItem;
class QRubberBand;
class QScatterSeries;
class QValueAxis;

namespace mobwright {

class ChartMarks;

// The chart's drawing: the points of each colour group in a colour of
// their own, with a legend; the records as the file holds them faded where pending edits
// moved them, joined to where the edits put them. Hovering a point names
// it; a click or the arrow keys choose one; dragging a rectangle chooses
// the points inside.
class ChartCanvas : public QChartView
{
    Q_OBJECT

public:
    explicit ChartCanvas(QWidget *parent = nullptr);

    // How a point is named in its tip: the enemy's label.
    void setNamer(std::function<QString(int enemy)> namer) { namer_ = std::move(namer); }
    void plot(std::vector<ChartPoint> points, const QString &xTitle, const QString &yTitle);
    const std::vector<ChartPoint> &points() const { return points_; }
    // Where a point is drawn, in the canvas's coordinates.
    QPoint positionOf(const QPointF &value) const;

signals:
    void pointChosen(int enemy);
    void rectangleChosen(const std::vector<int> &enemies);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addGroups();
    void addEditedFrom();
    void fitAxes(const QString &xTitle, const QString &yTitle);
    void add(QAbstractSeries *series);
    // What the canvas draws itself, put where the plot area now puts it.
    void placeDrawings();
    void drawEditLines();
    void showCurrent();
    // The point nearest a place in reach of the pointer, or -1.
    int pointNear(const QPoint &place) const;
    QString tip(const ChartPoint &point) const;
    void step(int key);

    std::vector<ChartPoint> points_;
    std::function<QString(int)> namer_;
    QString xTitle_;
    QString yTitle_;
    QGraphicsPathItem *editLines_;
    ChartMarks *marks_;
    QScatterSeries *currentMark_ = nullptr;
    QRubberBand *band_;
    QValueAxis *xAxis_;
    QValueAxis *yAxis_;
    QPoint pressedAt_;
    bool dragging_ = false;
    int currentEnemy_ = -1; // the enemy of the point the keys are on
};

} // namespace mobwright
