#include "ActionKinds.h"

#include <gtest/gtest.h>

using namespace mobwright;

namespace {

// The codes of every kind but "TYPE_NORMAL", as ranges; the rest are normal.
ActionKind ExpectedKind(int code)
{
    const struct
    {
        int first, last;
        ActionKind kind;
    } special[]{{10, 61, ActionKind::Psi},    {62, 63, ActionKind::Call},
                {245, 245, ActionKind::Call}, {140, 140, ActionKind::Item},
                {159, 200, ActionKind::Item}, {247, 247, ActionKind::Item},
                {258, 259, ActionKind::Item}, {268, 272, ActionKind::Item},
                {281, 289, ActionKind::Item}, {310, 311, ActionKind::Item}};
    for (const auto &range : special) {
        if (code >= range.first && code <= range.last)
            return range.kind;
    }
    return ActionKind::Normal;
}

} // namespace

TEST(ActionKindTable, GivesEveryCodeItsKindOnceBuiltAndAgainWhenRebuilt)
{
    ActionKindTable table;
    EXPECT_EQ(table.ActionKindCount(), 0);
    EXPECT_EQ(table.kindOf(0), std::nullopt);
    for (int build = 0; build < 2; ++build) {
        table.BuildActionKinds();
        EXPECT_EQ(table.ActionKindCount(), 319);
        std::array<int, 4> counts{};
        for (int code = 0; code < ACTION_COUNT; ++code) {
            EXPECT_EQ(table.kindOf(code), ExpectedKind(code)) << "code " << code;
            ++counts[static_cast<std::size_t>(KindOfCode(code))];
        }
        EXPECT_EQ(counts, (std::array<int, 4>{202, 52, 3, 62}));
        EXPECT_EQ(table.kindOf(-1), std::nullopt);
        EXPECT_EQ(table.kindOf(ACTION_COUNT), std::nullopt);
    }
}
