#include "ActionKinds.h"

#include <gtest/gtest.h>

#include <map>

using namespace mobwright;

TEST(ActionKindTable, GivesEveryCodeItsKindOnceBuiltAndAgainWhenRebuilt)
{
    // The first code of each run of one kind, in code order.
    const std::map<int, ActionKind> runs{
        {0, ActionKind::Normal},   {10, ActionKind::Psi},     {62, ActionKind::Call},
        {64, ActionKind::Normal},  {140, ActionKind::Item},   {141, ActionKind::Normal},
        {159, ActionKind::Item},   {201, ActionKind::Normal}, {245, ActionKind::Call},
        {246, ActionKind::Normal}, {247, ActionKind::Item},   {248, ActionKind::Normal},
        {258, ActionKind::Item},   {260, ActionKind::Normal}, {268, ActionKind::Item},
        {273, ActionKind::Normal}, {281, ActionKind::Item},   {290, ActionKind::Normal},
        {310, ActionKind::Item},   {312, ActionKind::Normal}};
    ActionKindTable table;
    EXPECT_EQ(table.kindOf(0), std::nullopt);
    for (int build = 0; build < 2; ++build) {
        table.BuildActionKinds();
        EXPECT_EQ(table.ActionKindCount(), 319);
        for (int code = 0; code < ACTION_COUNT; ++code)
            EXPECT_EQ(table.kindOf(code), std::prev(runs.upper_bound(code))->second)
                << "code " << code;
        EXPECT_EQ(table.kindOf(-1), std::nullopt);
        EXPECT_EQ(table.kindOf(ACTION_COUNT), std::nullopt);
    }
}
