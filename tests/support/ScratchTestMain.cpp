#include "ScratchHome.h"

#include <gtest/gtest.h>

// Tests whose commands write journals keep them in a home of their own.
int main(int argc, char *argv[])
{
    const mobwright::test::ScratchHome home;
    home.keepThisProcessApart();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
