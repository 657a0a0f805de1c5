#include "ChartCanvas.h"

#include "ChartMarks.h"

#include <QCollator>
#include <QGraphicsLayout>
#include <QGraphicsPathItem>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLegendMarker>
#include <QRubberBand>
#include <QScatterSeries>
#include <QStyleHints>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>

namespace mobwright {
namespace {

// How near the pointer must come to a point to name or choose it.
constexpr int REACH = 8;

QString Number(double value)
{
    return QString::number(value, 'f', 0);
}

// An axis from low to high on round numbers: its step 1, 2 or 5 times a
// power of ten, for about five ticks. Set at once, it lays its labels out
// once, where QValueAxis::applyNiceNumbers would after a first range.
void SetRoundRange(QValueAxis *axis, double low, double high)
{
    const double rough = std::max(high - low, 1.0) / 4;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double step = rough <= power ? power : rough <= 2 * power ? 2 * power : rough <= 5 * power ? 5 * power : 10 * power;
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    axis->setTickCount(int(std::lround((high - low) / step)) + 1);
    axis->setRange(low, high);
}

bool IsDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QScatterSeries *Scatter(const QString &name, qreal size)
{
    auto *series = new QScatterSeries;
    series->setName(name);
    series->setMarkerSize(size);
    series->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    return series;
}

} // namespace

ChartCanvas::ChartCanvas(QWidget *parent)
    : QChartView(parent)
    , editLines_(new QGraphicsPathItem)
    , marks_(new ChartMarks(*chart()))
    , band_(new QRubberBand(QRubberBand::Rectangle, this))
    , xAxis_(new QValueAxis)
    , yAxis_(new QValueAxis)
{
    setObjectName(QStringLiteral("chtEnemies"));
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setRubberBand(QChartView::NoRubberBand);
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->addAxis(xAxis_, Qt::AlignBottom);
    chart()->addAxis(yAxis_, Qt::AlignLeft);
    // Above the chart, and the edits' lines above its points.
    chart()->scene()->addItem(marks_);
    marks_->setZValue(5);
    chart()->scene()->addItem(editLines_);
    editLines_->setZValue(10);
    connect(chart(), &QChart::plotAreaChanged, this, &ChartCanvas::placeDrawings);
}

void ChartCanvas::plot(std::vector<ChartPoint> points, const QString &xTitle, const QString &yTitle)
{
    points_ = std::move(points);
    xTitle_ = xTitle;
    yTitle_ = yTitle;
    QChart *chart = this->chart();
    chart->removeAllSeries();
    marks_->clear();
    const auto theme = IsDark(palette()) ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    if (chart->theme() != theme)
        chart->setTheme(theme);
    // The ranges first: each change of an axis lays out every series attached to it.
    fitAxes(xTitle, yTitle);
    addGroups();
    addEditedFrom();
    currentMark_ = Scatter(QString(), 18);
    currentMark_->setBrush(Qt::NoBrush);
    currentMark_->setPen(QPen(palette().color(QPalette::Highlight), 3));
    add(currentMark_);
    chart->legend()->markers(currentMark_).front()->setVisible(false);
    // Laid out now rather than when next painted, so that the points are
    // where a pointer finds them, and the edits' lines are drawn between them.
    chart->layout()->activate();
    showCurrent();
    placeDrawings();
}

// A series for each entry of the colour column, in the list's order: its
// legend entry, whose look the marks give its points.
void ChartCanvas::addGroups()
{
    QCollator collator;
    collator.setNumericMode(true);
    const auto before = [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; };
    std::map<QString, std::vector<QPointF>, decltype(before)> groups(before);
    for (const ChartPoint &point : points_)
        groups[point.group].push_back(point.at);
    for (auto &[group, values] : groups) {
        QScatterSeries *series = Scatter(group, 10);
        add(series);
        marks_->addGroup(*series, std::move(values));
    }
}

// The points as the file holds them, faded, where pending edits moved them.
void ChartCanvas::addEditedFrom()
{
    std::vector<QPointF> values;
    for (const ChartPoint &point : points_) {
        if (point.before)
            values.push_back(*point.before);
    }
    if (values.empty())
        return;
    QScatterSeries *series = Scatter(tr("Before the edits"), 10);
    QColor faded = palette().color(QPalette::WindowText);
    faded.setAlpha(70);
    series->setColor(faded);
    series->setBorderColor(faded);
    add(series);
    marks_->addGroup(*series, std::move(values));
    QPen line(palette().color(QPalette::WindowText), 1.5, Qt::DashLine);
    editLines_->setPen(line);
}

// The axes' ranges take in every point, where it was before its edits too.
void ChartCanvas::fitAxes(const QString &xTitle, const QString &yTitle)
{
    for (const auto &[axis, title, ofPoint] :
         {std::tuple{xAxis_, xTitle, &QPointF::x}, std::tuple{yAxis_, yTitle, &QPointF::y}}) {
        double low = 0;
        double high = 1;
        for (const ChartPoint &point : points_) {
            for (const QPointF &at : {point.at, point.before.value_or(point.at)}) {
                low = std::min(low, (at.*ofPoint)());
                high = std::max(high, (at.*ofPoint)());
            }
        }
        axis->setTitleText(title);
        axis->setLabelFormat(high - low > 20 ? QStringLiteral("%.0f") : QStringLiteral("%g"));
        SetRoundRange(axis, low, high + (high - low) * 0.05);
    }
}

void ChartCanvas::add(QAbstractSeries *series)
{
    chart()->addSeries(series);
    series->attachAxis(xAxis_);
    series->attachAxis(yAxis_);
}

void ChartCanvas::placeDrawings()
{
    marks_->place();
    drawEditLines();
}

void ChartCanvas::drawEditLines()
{
    QPainterPath path;
    for (const ChartPoint &point : points_) {
        if (!point.before)
            continue;
        path.moveTo(chart()->mapToPosition(*point.before));
        path.lineTo(chart()->mapToPosition(point.at));
    }
    editLines_->setPath(chart()->mapToScene(path));
}

QPoint ChartCanvas::positionOf(const QPointF &value) const
{
    return mapFromScene(chart()->mapToScene(chart()->mapToPosition(value)));
}

int ChartCanvas::pointNear(const QPoint &place) const
{
    int nearest = -1;
    int best = REACH + 1;
    for (std::size_t k = 0; k < points_.size(); ++k) {
        const int distance = (positionOf(points_[k].at) - place).manhattanLength();
        if (distance < best) {
            best = distance;
            nearest = int(k);
        }
    }
    return nearest;
}

QString ChartCanvas::tip(const ChartPoint &point) const
{
    QString text = (namer_ ? namer_(point.enemy) : QString::number(point.enemy + 1)) +
                   QStringLiteral("\n%1: %2, %3: %4")
                       .arg(xTitle_, Number(point.at.x()), yTitle_, Number(point.at.y()));
    if (point.before)
        text += tr("\nAs the file holds it: %1, %2").arg(Number(point.before->x()), Number(point.before->y()));
    return text;
}

void ChartCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QChartView::mousePressEvent(event);
    setFocus();
    pressedAt_ = event->position().toPoint();
    dragging_ = false;
}

void ChartCanvas::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton) {
        dragging_ = dragging_ || (at - pressedAt_).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance();
        band_->setGeometry(QRect(pressedAt_, at).normalized());
        band_->setVisible(dragging_);
        return;
    }
    const int near = pointNear(at);
    if (near >= 0)
        QToolTip::showText(mapToGlobal(at), tip(points_[std::size_t(near)]), this);
    else
        QToolTip::hideText();
}

void ChartCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QChartView::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    if (dragging_) {
        band_->hide();
        dragging_ = false;
        const QRect rectangle = QRect(pressedAt_, at).normalized();
        std::vector<int> enemies;
        for (const ChartPoint &point : points_) {
            if (rectangle.contains(positionOf(point.at)))
                enemies.push_back(point.enemy);
        }
        emit rectangleChosen(enemies);
        return;
    }
    const int near = pointNear(at);
    if (near < 0)
        return;
    currentEnemy_ = points_[std::size_t(near)].enemy;
    showCurrent();
    emit pointChosen(currentEnemy_);
}

void ChartCanvas::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        step(event->key());
        return;
    default:
        QChartView::keyPressEvent(event);
    }
}

// Left and right go to the next point across, up and down to the next point up.
void ChartCanvas::step(int key)
{
    if (points_.empty())
        return;
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    std::vector<const ChartPoint *> order;
    for (const ChartPoint &point : points_)
        order.push_back(&point);
    const auto place = [across](const ChartPoint *point) {
        return across ? std::tuple(point->at.x(), point->at.y(), point->enemy)
                      : std::tuple(point->at.y(), point->at.x(), point->enemy);
    };
    std::ranges::sort(order, {}, place);
    const auto current = std::ranges::find(order, currentEnemy_, [](const ChartPoint *point) { return point->enemy; });
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Up;
    std::ptrdiff_t at = current - order.begin();
    if (current == order.end())
        at = forward ? 0 : std::ptrdiff_t(order.size()) - 1;
    else
        at = std::clamp<std::ptrdiff_t>(at + (forward ? 1 : -1), 0, std::ptrdiff_t(order.size()) - 1);
    currentEnemy_ = order[std::size_t(at)]->enemy;
    showCurrent();
    const ChartPoint &point = *order[std::size_t(at)];
    QToolTip::showText(mapToGlobal(positionOf(point.at)), tip(point), this);
    emit pointChosen(currentEnemy_);
}

void ChartCanvas::showCurrent()
{
    const auto current = std::ranges::find(points_, currentEnemy_, &ChartPoint::enemy);
    if (current == points_.end())
        currentMark_->clear();
    else
        currentMark_->replace(QList<QPointF>{current->at});
}

} // namespace mobwright
