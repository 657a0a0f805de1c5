#include "ActionKinds.h"

#include <gtest/gtest.h>

#include <map>

using namespace mobwright;

TEST(ActionKindTable, GivesEveryCodeItsKindOnceBuiltAndAgainWhenRebuilt)
{
    using enum ActionKind;
    // The first code of each run of codes of one kind.
    const std::map<int, ActionKind> runs{{0, Normal}, {10, Psi},     {62, Call},  {64, Normal},
                                         {140, Item}, {141, Normal}, {159, Item}, {201, Normal},
                                         {245, Call}, {246, Normal}, {247, Item}, {248, Normal},
                                         {258, Item}, {260, Normal}, {268, Item}, {273, Normal},
                                         {281, Item}, {290, Normal}, {310, Item}, {312, Normal}};
    ActionKindTable table;
    for (int build = 0; build < 2; ++build) {
        EXPECT_EQ(table.kindOf(0).has_value(), build == 1);
        table.BuildActionKinds();
        EXPECT_EQ(table.ActionKindCount(), 319);
        for (int code = -1; code <= ACTION_COUNT; ++code) {
            const auto expected = code < 0 || code == ACTION_COUNT
                                      ? std::nullopt
                                      : std::optional(std::prev(runs.upper_bound(code))->second);
            EXPECT_EQ(table.kindOf(code), expected) << "code " << code;
        }
    }
}
