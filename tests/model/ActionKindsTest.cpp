#include "ActionKinds.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace mobwright;

TEST(ActionKindTable, GivesEveryCodeItsKindOnceBuiltAndAgainWhenRebuilt)
{
    // The kinds in code order, in runs: Normal, Psi, Call or Item, how many.
    std::istringstream runs("N10 P52 C2 N76 I1 N18 I42 N44 C1 N1 I1 N10 I2 N8 I5 N8 I9 N20 I2 N7");
    std::string expected;
    for (std::string run; runs >> run;)
        expected += std::string(std::stoul(run.substr(1)), run[0]);
    ActionKindTable table;
    EXPECT_EQ(table.kindOf(0), std::nullopt);
    for (int build = 0; build < 2; ++build) {
        table.BuildActionKinds();
        std::string kinds;
        for (int code = -1; code <= ACTION_COUNT; ++code)
            kinds += table.kindOf(code) ? "NPCI"[static_cast<int>(*table.kindOf(code))] : '-';
        EXPECT_EQ(kinds, "-" + expected + "-");
    }
}
