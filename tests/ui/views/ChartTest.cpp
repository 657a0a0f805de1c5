#include "ChartCanvas.h"
#include "EditorHarness.h"
#include "EnemyEditor.h"
#include "EnemyTableView.h"
#include "TestImage.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRubberBand>
#include <QScatterSeries>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>
#include <QXmlStreamReader>

#include <set>

using namespace mobwright;
using namespace mobwright::test;

namespace {

class ChartTest : public testing::Test
{
protected:
    ChartTest()
    {
        // Ten enemies a level, HP 100 times the enemy's index.
        for (int k = 0; k < ENEMY_COUNT; ++k) {
            image_.setRecordBytes(k, 54, {std::uint8_t(k / 10 + 1)});
            image_.setRecordBytes(k, 33, {std::uint8_t(100 * k), std::uint8_t(100 * k >> 8)});
            image_.setRecordBytes(k, 27, {std::uint8_t(k % 3)});
        }
        editor_.loadRom(image_.path());
        editHp(4, "5000");
        editor_.find<QAction>("mnuTable")->trigger();
        table_ = editor_.find<EnemyTableView>("frmEnemyTable");
        table_->findChild<QLineEdit *>("txtFilter")->setText("Level 1..2");
        editor_.find<QAction>("mnuChart")->trigger();
        canvas_ = editor_.find<ChartCanvas>("chtEnemies");
        editor_.combo("cmbChartRows")->setCurrentIndex(1); // the table's filtered rows
    }

    void editHp(int enemy, const char *hp)
    {
        editor_.window().session().editField(enemy, Field::HP, ControlValue{hp});
    }
    const ChartPoint &pointOf(int enemy) const
    {
        return *std::ranges::find(canvas_->points(), enemy, &ChartPoint::enemy);
    }
    QPoint placeOf(int enemy) const { return canvas_->positionOf(pointOf(enemy).at); }
    // The colour drawn inside an enemy's point, beside the line an edit draws to its middle,
    // and the one its legend entry shows.
    QColor drawnAt(int enemy) const
    {
        return canvas_->viewport()->grab().toImage().pixelColor(placeOf(enemy) + QPoint(2, 0));
    }
    QColor legendColour(const QString &name) const
    {
        const auto series = canvas_->chart()->series();
        return static_cast<QScatterSeries *>(
                   *std::ranges::find(series, name, &QAbstractSeries::name))
            ->brush()
            .color();
    }
    // The enemies of the cells selected, and the columns they are in.
    std::pair<std::set<int>, std::set<QString>> selectedInTable() const
    {
        std::pair<std::set<int>, std::set<QString>> selected;
        for (const TableCell &cell : table_->selectedCells()) {
            selected.first.insert(cell.enemy);
            selected.second.insert(cell.column->name);
        }
        return selected;
    }

    TestImage image_;
    EditorHarness editor_;
    EnemyTableView *table_ = nullptr;
    ChartCanvas *canvas_ = nullptr;
};

} // namespace

// The table's filtered rows, Level against HP, a pending edit as the old
// point faded and the new one; filters and edits are followed at once.
TEST_F(ChartTest, PlotsTheFilteredRowsWithTheirEditsAndFollowsThem)
{
    ASSERT_TRUE(canvas_ && canvas_->isVisible());
    EXPECT_EQ(canvas_->points().size(), 20u);
    EXPECT_EQ(pointOf(4).at, QPointF(1, 5000));
    EXPECT_EQ(pointOf(4).before, QPointF(1, 400));
    EXPECT_FALSE(pointOf(5).before);
    QStringList legend;
    for (const QAbstractSeries *one : canvas_->chart()->series()) {
        if (!one->name().isEmpty())
            legend << one->name();
    }
    EXPECT_EQ(legend.join(", "), "0 – Normal, 1 – Insect, 2 – Metal, Before the edits");
    EXPECT_EQ(drawnAt(4), legendColour("1 – Insect"));
    EXPECT_LT(legendColour("Before the edits").alpha(), 128);
    // Its line runs dashed, in the text colour, from the old place up to the
    // new one; looked at above the level's other points (HP 900 and below).
    const QImage drawn = canvas_->viewport()->grab().toImage();
    const QColor ink = canvas_->palette().color(QPalette::WindowText);
    int inked = 0;
    int gaps = 0;
    const int x = placeOf(4).x();
    for (int y = canvas_->positionOf({1, 4900}).y(); y < canvas_->positionOf({1, 1100}).y(); ++y) {
        int nearest = 3 * 255;
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor at = drawn.pixelColor(x + dx, y);
            nearest = std::min(nearest, std::abs(at.red() - ink.red()) +
                                            std::abs(at.green() - ink.green()) +
                                            std::abs(at.blue() - ink.blue()));
        }
        ++(nearest < 90 ? inked : gaps);
    }
    EXPECT_GT(inked, 10);
    EXPECT_GT(gaps, 10);
    for (QAbstractSeries *one : canvas_->chart()->series())
        EXPECT_EQ(one->attachedAxes().size(), 2);
    // Round ranges that take in every point, the one before its edit too.
    QStringList ranges;
    for (const QAbstractAxis *axis : canvas_->chart()->axes()) {
        const auto *values = static_cast<const QValueAxis *>(axis);
        ranges << QStringLiteral("%1..%2 in %3")
                      .arg(values->min())
                      .arg(values->max())
                      .arg(values->tickCount() - 1);
    }
    EXPECT_EQ(ranges.join(", "), "0..3 in 3, 0..6000 in 3");

    table_->findChild<QLineEdit *>("txtFilter")->setText("Level = 1");
    EXPECT_EQ(canvas_->points().size(), 10u);
    editHp(5, "6000");
    EXPECT_EQ(pointOf(5).at, QPointF(1, 6000));
    EXPECT_EQ(drawnAt(5), legendColour("2 – Metal"));
    editor_.combo("cmbChartX")->setCurrentIndex(0); // the enemy's number
    EXPECT_EQ(pointOf(5).at, QPointF(6, 6000));
}

// A rectangle dragged selects its points' rows in the table; a click and
// the arrow keys show a point's enemy in the form.
TEST_F(ChartTest, ChoosesPointsByRectangleClickAndKeys)
{
    editHp(5, "6000");
    const QPoint low = placeOf(4);
    const QPoint high = placeOf(5);
    QWidget *viewport = canvas_->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(high.x() - 6, high.y() - 6));
    QMouseEvent drag(QEvent::MouseMove, QPointF(low.x() + 6, low.y() + 6),
                     viewport->mapToGlobal(QPointF(low.x() + 6, low.y() + 6)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &drag);
    EXPECT_TRUE(canvas_->findChild<QRubberBand *>()->isVisible());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(low.x() + 6, low.y() + 6));
    EXPECT_FALSE(canvas_->findChild<QRubberBand *>()->isVisible());
    // Their HP cells, which Adjust… then changes.
    EXPECT_EQ(selectedInTable(), std::pair(std::set{4, 5}, std::set<QString>{"HP"}));

    QTest::mouseMove(viewport, placeOf(9));
    EXPECT_EQ(QToolTip::text(), "010: \nLevel: 1, HP: 900");
    QTest::mouseClick(viewport, Qt::LeftButton, {}, placeOf(9));
    EXPECT_EQ(editor_.window().editor().shownEnemy(), 9);
    EXPECT_EQ(selectedInTable().first, std::set{9});
    EXPECT_GT(selectedInTable().second.size(), 30u); // the whole row
    // The click gave the chart the keys. Across, 9 (HP 900) comes before 4
    // (5000) at the same level; up, 4 before 5.
    ASSERT_EQ(canvas_->window()->focusWidget(), canvas_);
    QTest::keyClick(canvas_, Qt::Key_Right);
    EXPECT_EQ(editor_.window().editor().shownEnemy(), 4);
    QTest::keyClick(canvas_, Qt::Key_Up);
    EXPECT_EQ(editor_.window().editor().shownEnemy(), 5);
    QTest::keyClick(canvas_, Qt::Key_Down);
    QTest::keyClick(canvas_, Qt::Key_Down); // below 4 (5000), 19 (1900) of the level above
    EXPECT_EQ(editor_.window().editor().shownEnemy(), 19);
}

// Save Chart As… writes an SVG that reads as one and a PNG, never over the image.
TEST_F(ChartTest, SavesTheChartAsSvgOrPngThroughTheOutputGuard)
{
    const QString base = QString::fromStdString(image_.path());
    auto *save = editor_.find<QPushButton>("cmdSaveChart");
    editor_.prompter().nextFile = base + ".svg";
    save->click();
    editor_.prompter().nextFile = base + ".png";
    QApplication::setActiveWindow(canvas_->window());
    QTest::keyClick(canvas_, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QFile svg(base + ".svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&svg);
    ASSERT_TRUE(reader.readNextStartElement());
    EXPECT_EQ(reader.name(), QStringLiteral("svg"));
    while (!reader.atEnd())
        reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(QImage(base + ".png").size(), canvas_->grab().size());
    EXPECT_TRUE(editor_.takeMessages().isEmpty());

    const auto before = image_.contents();
    editor_.prompter().nextFile = base;
    save->click();
    EXPECT_EQ(editor_.takeMessages().size(), 1);
    EXPECT_EQ(image_.contents(), before);
}
