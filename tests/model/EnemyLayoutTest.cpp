#include "EnemyLayout.h"
#include "TableGeometry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace mobwright;

TEST(EnemyLayout, CoversTheRecordInOrderWithoutOverlap)
{
    int next = 0;
    int covered = 0;
    for (std::size_t i = 0; i < EnemyLayout.size(); ++i) {
        const FieldLayout &layout = EnemyLayout[i];
        EXPECT_EQ(static_cast<std::size_t>(layout.field), i) << layout.control;
        EXPECT_GE(layout.offset, next) << layout.control;
        next = layout.offset + layout.width;
        covered += layout.width;
    }
    EXPECT_LE(next, ENEMY_RECORD_SIZE);
    EXPECT_EQ(covered, ENEMY_RECORD_SIZE - 14);
}

TEST(EnemyLayout, LeavesExactlyTheFourteenUnknownBytesUntouched)
{
    std::vector<int> untouched;
    for (int offset = 0; offset < ENEMY_RECORD_SIZE; ++offset) {
        if (IsUntouchedOffset(offset))
            untouched.push_back(offset);
    }
    EXPECT_EQ(untouched, (std::vector<int>{26, 32, 57, 59, 63, 64, 65, 66, 67, 84, 85, 86, 91, 93}));
    EXPECT_FALSE(IsUntouchedOffset(-1));
    EXPECT_FALSE(IsUntouchedOffset(ENEMY_RECORD_SIZE));
}

TEST(EnemyLayout, PlacesTheFieldsWhereTheGameKeepsThem)
{
    EXPECT_EQ(LayoutOf(Field::Name).offset, 1);
    EXPECT_EQ(LayoutOf(Field::Name).width, 25);
    EXPECT_EQ(LayoutOf(Field::Exp).offset, 37);
    EXPECT_EQ(LayoutOf(Field::Exp).width, 4);
    EXPECT_EQ(LayoutOf(Field::StartText).offset, 45);
    EXPECT_EQ(LayoutOf(Field::MaxCall).offset, 92);
    EXPECT_EQ(LayoutOf(ActionField(3)).offset, 76);
    EXPECT_EQ(LayoutOf(ArgumentField(3)).offset, 83);
    EXPECT_EQ(LayoutOf(ArgumentField(0)).control, "cmbArgs(0)");
}

TEST(EnemyLayout, NamesFieldsByTheirLabels)
{
    EXPECT_EQ(FieldName(Field::HP), "HP");
    EXPECT_EQ(FieldName(Field::Exp), "Exp.");
    EXPECT_EQ(FieldName(Field::Status), "Satus");
    EXPECT_EQ(FieldName(Field::TheFlag), "'The' Flag");
}
