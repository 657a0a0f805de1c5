#include "EnemyLayout.h"
#include "TableGeometry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace mobwright;

TEST(EnemyLayout, CoversTheRecordInOrderButTheSixteenBytesOfNoField)
{
    std::vector<int> uncovered;
    int next = 0;
    for (std::size_t i = 0; i < EnemyLayout.size(); ++i) {
        const FieldLayout &layout = EnemyLayout[i];
        EXPECT_EQ(static_cast<std::size_t>(layout.field), i) << layout.control;
        EXPECT_GE(layout.offset, next) << layout.control;
        for (; next < layout.offset; ++next)
            uncovered.push_back(next);
        next = layout.offset + layout.width;
    }
    for (; next < ENEMY_RECORD_SIZE; ++next)
        uncovered.push_back(next);
    EXPECT_EQ(uncovered,
              (std::vector<int>{26, 32, 48, 52, 57, 59, 63, 64, 65, 66, 67, 84, 85, 86, 91, 93}));
}
