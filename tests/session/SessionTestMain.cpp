#include "ScratchHome.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// The session watches its file through the event loop.
int main(int argc, char *argv[])
{
    const mobwright::test::ScratchHome home;
    home.keepThisProcessApart();
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
