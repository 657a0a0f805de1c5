#include "ActionKinds.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace mobwright;

namespace {

// The codes of each kind but "TYPE_NORMAL", as ranges; the rest are normal.
const std::vector<std::pair<std::pair<int, int>, ActionKind>> SpecialRanges{
    {{10, 61}, ActionKind::Psi},   {{62, 63}, ActionKind::Call},   {{245, 245}, ActionKind::Call},
    {{140, 140}, ActionKind::Item}, {{159, 200}, ActionKind::Item}, {{247, 247}, ActionKind::Item},
    {{258, 259}, ActionKind::Item}, {{268, 272}, ActionKind::Item}, {{281, 289}, ActionKind::Item},
    {{310, 311}, ActionKind::Item},
};

ActionKind ExpectedKind(int code)
{
    for (const auto &[range, kind] : SpecialRanges) {
        if (code >= range.first && code <= range.second)
            return kind;
    }
    return ActionKind::Normal;
}

} // namespace

TEST(ActionKinds, EveryCodeHasItsKind)
{
    std::array<int, 4> counts{};
    for (int code = 0; code < ACTION_COUNT; ++code) {
        EXPECT_EQ(KindOfCode(code), ExpectedKind(code)) << "code " << code;
        ++counts[static_cast<std::size_t>(KindOfCode(code))];
    }
    EXPECT_EQ(counts, (std::array<int, 4>{202, 52, 3, 62}));
    EXPECT_THROW(KindOfCode(-1), std::out_of_range);
    EXPECT_THROW(KindOfCode(ACTION_COUNT), std::out_of_range);
}

TEST(ActionKinds, KindNamesAreTheArgumentListTags)
{
    EXPECT_EQ(KindName(ActionKind::Normal), "TYPE_NORMAL");
    EXPECT_EQ(KindName(ActionKind::Psi), "TYPE_PSI");
    EXPECT_EQ(KindName(ActionKind::Call), "TYPE_CALL");
    EXPECT_EQ(KindName(ActionKind::Item), "TYPE_ITEM");
}

TEST(ActionKindTable, IsEmptyUntilBuiltAndKeepsItsSizeWhenRebuilt)
{
    ActionKindTable table;
    EXPECT_EQ(table.ActionKindCount(), 0);
    EXPECT_FALSE(table.isBuilt());
    EXPECT_EQ(table.kindOf(0), std::nullopt);

    table.BuildActionKinds();
    EXPECT_EQ(table.ActionKindCount(), 319);
    EXPECT_EQ(table.kindOf(10), ActionKind::Psi);
    EXPECT_EQ(table.kindOf(245), ActionKind::Call);
    EXPECT_EQ(table.kindOf(318), ActionKind::Normal);
    EXPECT_EQ(table.kindOf(319), std::nullopt);
    EXPECT_EQ(table.kindOf(-1), std::nullopt);

    table.BuildActionKinds();
    EXPECT_EQ(table.ActionKindCount(), 319);
    for (int code = 0; code < ACTION_COUNT; ++code)
        EXPECT_EQ(table.kindOf(code), KindOfCode(code));
}
