#include "ChartPoints.h"

#include <gtest/gtest.h>

using namespace mobwright;

// The rows asked for, in their order; a point that pending edits move
// carries where the file's record puts it; colours by the list's entry.
TEST(ChartPoints, PlotsTheRowsAskedForWithTheirEditsAndWhereTheFileHasThem)
{
    std::vector<EnemyRecord> stored(ENEMY_COUNT);
    for (int k = 0; k < ENEMY_COUNT; ++k) {
        stored[std::size_t(k)].setValue(Field::Level, std::uint32_t(k % 50));
        stored[std::size_t(k)].setValue(Field::HP, std::uint32_t(10 * k));
        stored[std::size_t(k)].setValue(Field::Type, std::uint32_t(k % 3));
    }
    std::vector<EnemyRecord> edited = stored;
    edited[7].setValue(Field::HP, 999);
    edited[7].setValue(Field::Type, 2);
    const EnemyTable shown(edited);
    const ChartAxes axes{FindColumn("Level"), FindColumn("HP"), FindColumn("Type")};

    const auto points = ChartPoints({9, 7, 3}, axes, shown, stored);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].enemy, 9);
    EXPECT_EQ(points[0].at, QPointF(9, 90));
    EXPECT_FALSE(points[0].before);
    EXPECT_EQ(points[1].at, QPointF(7, 999));
    EXPECT_EQ(points[1].before, QPointF(7, 70));
    EXPECT_EQ(points[1].group, DisplayText(*axes.colour, 7, shown));
    EXPECT_NE(points[1].group, points[2].group);

    // Against the enemy's number, a change along y alone still moves the point.
    const auto byNumber = ChartPoints({7}, {nullptr, axes.y, axes.colour}, shown, stored);
    EXPECT_EQ(byNumber.front().at, QPointF(8, 999));
    EXPECT_EQ(byNumber.front().before, QPointF(8, 70));

    for (const Column *column : ChartNumberColumns())
        EXPECT_TRUE(IsNumberColumn(*column)) << column->name.toStdString();
    EXPECT_EQ(ChartColourColumns().front()->name, "TheFlag");
}
