#include "RecordDifferences.h"

#include "GameText.h"

#include <gtest/gtest.h>

using namespace mobwright;
using enum Field;

// Each changed field, and each changed byte that no field shows, once, as the user reads it.
TEST(RecordDifferences, FindsEachChangedFieldAndByte)
{
    std::vector<EnemyRecord> baseline(ENEMY_COUNT);
    baseline[3].setValue(HP, 300);
    std::vector<EnemyRecord> current = baseline;
    EXPECT_TRUE(RecordDifferences(baseline, current).empty());

    std::ranges::copy(GameText::Encode("Abc"), baseline[0].bytes(Name).begin());
    std::ranges::copy(GameText::Encode("Abd"), current[0].bytes(Name).begin());
    current[1].bytes(Name)[20] = 0x71; // past the name's end
    current[3].setValue(HP, 65535);
    current[3].setValue(Exp, 70000);
    current[3].setValue(Music, 0x5B); // a list numbered in hex
    current[3].bytes(26, 1)[0] = 7;
    current[229].setValue(StartText, 0xC5ABCD);
    current[229].bytes(52, 1)[0] = 1; // the death text address's fourth byte

    const std::string noName(50, '0');
    const std::string byteAfterNoName = std::string(40, '0') + "71" + std::string(8, '0');
    const std::vector<RecordDifference> expected{
        {0, Name, "Abc", "Abd"},          {1, Name, noName, byteAfterNoName},
        {3, UncoveredByte{26}, "0", "7"}, {3, HP, "300", "65535"},
        {3, Exp, "0", "70000"},           {3, Music, "00", "5B"},
        {229, StartText, "000000", "C5ABCD"},
        {229, UncoveredByte{52}, "0", "1"},
    };
    EXPECT_EQ(RecordDifferences(baseline, current), expected);
}
