#include "EnemyLabels.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;
using mobwright::test::TestImage;

TEST(EnemyLabel, NumbersFromOneInThreeDigits)
{
    EXPECT_EQ(EnemyLabel(0, "Boss"), "001: Boss");
    EXPECT_EQ(EnemyLabel(9, ""), "010: ");
    EXPECT_EQ(EnemyLabel(99, "x"), "100: x");
    EXPECT_EQ(EnemyLabel(229, "Last"), "230: Last");
}

TEST(EnemyLabels, NameEveryRecordFromItsImage)
{
    for (const std::uint64_t size : {test::MIN_IMAGE_SIZE, test::HEADERLESS_IMAGE_SIZE}) {
        TestImage image(size);
        image.setName(0, "Boss");
        image.setName(6, "Frog");
        image.setName(229, std::string(25, 'Z'));
        image.setRecordBytes(229, 26, {0x71}); // right after a full name
        RomFile rom = RomFile::Open(image.path());
        const auto labels = ReadEnemyLabels(rom);
        ASSERT_EQ(labels.size(), 230u);
        EXPECT_EQ(labels[0], "001: Boss");
        EXPECT_EQ(labels[1], "002: ");
        EXPECT_EQ(labels[6], "007: Frog");
        EXPECT_EQ(labels[229], "230: " + std::string(25, 'Z'));
    }
}
