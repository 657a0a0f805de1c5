#include "ChartMarks.h"

#include <QChart>
#include <QPaintEngine>
#include <QPainter>
#include <QScatterSeries>

#include <cmath>

namespace mobwright {

ChartMarks::ChartMarks(QChart &chart)
    : chart_(chart)
{
}

void ChartMarks::clear()
{
    groups_.clear();
}

void ChartMarks::addGroup(const QScatterSeries &series, std::vector<QPointF> values)
{
    groups_.push_back({series.pen(), series.brush(), series.markerSize(), std::move(values), {}, {}});
}

void ChartMarks::place()
{
    prepareGeometryChange();
    area_ = chart_.mapToScene(chart_.plotArea()).boundingRect();
    for (Group &group : groups_) {
        group.places.clear();
        group.places.reserve(group.values.size());
        for (const QPointF &value : group.values)
            group.places.push_back(chart_.mapToScene(chart_.mapToPosition(value)));
    }
    update();
}

QRectF ChartMarks::boundingRect() const
{
    return area_;
}

void ChartMarks::drawPoint(QPainter &painter, const Group &group, const QPointF &centre)
{
    painter.setPen(group.pen);
    painter.setBrush(group.brush);
    painter.drawEllipse(centre, group.size / 2, group.size / 2);
}

const QPixmap &ChartMarks::stampOf(Group &group, qreal pixelRatio)
{
    if (!group.stamp.isNull() && group.stamp.devicePixelRatio() == pixelRatio)
        return group.stamp;
    // Room for the outline, which straddles the circle's edge, and a pixel of antialiasing.
    const int side = int(std::ceil((group.size + group.pen.widthF()) * pixelRatio)) + 2;
    group.stamp = QPixmap(side, side);
    group.stamp.setDevicePixelRatio(pixelRatio);
    group.stamp.fill(Qt::transparent);
    QPainter painter(&group.stamp);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPoint(painter, group, QPointF(side, side) / (2 * pixelRatio));
    return group.stamp;
}

void ChartMarks::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setClipRect(area_);
    // Drawn to a file, as an SVG, the points stay shapes.
    if (painter->paintEngine()->type() != QPaintEngine::Raster) {
        for (const Group &group : groups_) {
            for (const QPointF &place : group.places)
                drawPoint(*painter, group, place);
        }
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    for (Group &group : groups_) {
        const QPixmap &stamp = stampOf(group, ratio);
        const QPointF half = QPointF(stamp.width(), stamp.height()) / (2 * ratio);
        for (const QPointF &place : group.places)
            painter->drawPixmap(place - half, stamp);
    }
}

} // namespace mobwright
