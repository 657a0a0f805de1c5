#include "EnemyLabels.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;

TEST(EnemyLabels, NumberEveryRecordFromOneAndNameItFromItsImage)
{
    test::TestImage image;
    image.setName(0, "Boss");
    image.setName(229, std::string(25, 'Z'));
    image.setRecordBytes(229, 26, {0x71}); // right after a full name
    RomFile rom = RomFile::Open(image.path());
    const auto labels = ReadEnemyLabels(rom);
    ASSERT_EQ(labels.size(), 230u);
    EXPECT_EQ(labels[0] + labels[9] + labels[99], "001: Boss010: 100: ");
    EXPECT_EQ(labels[229], "230: " + std::string(25, 'Z'));
}
