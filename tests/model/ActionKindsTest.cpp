#include "ActionKinds.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace mobwright;

TEST(ActionKinds, GiveEveryCodeItsKindAndNoneToACodePastTheLast)
{
    // The kinds in code order, in runs: Normal, Psi, Call or Item, how many.
    std::istringstream runs("N10 P52 C2 N76 I1 N18 I42 N44 C1 N1 I1 N10 I2 N8 I5 N8 I9 N20 I2 N7");
    std::string expected;
    for (std::string run; runs >> run;)
        expected += std::string(std::stoul(run.substr(1)), run[0]);
    std::string kinds;
    for (std::uint32_t code = -1u; code != ACTION_COUNT + 1; ++code)
        kinds += KindOfAction(code) ? "NPCI"[static_cast<int>(*KindOfAction(code))] : '-';
    EXPECT_EQ(kinds, "-" + expected + "-");
}
