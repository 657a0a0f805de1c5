#include "ASCIIControl.h"
#include "HexText.h"

#include <gtest/gtest.h>

using namespace mobwright;

TEST(HexText, PadsReversesAndParsesTheWayRecordsNeed)
{
    using ASCIIControl::ZeroPad;
    EXPECT_EQ(ZeroPad("7", 2) + ZeroPad("FF", 2) + ZeroPad("1A2", 2), "07FF1A2");
    EXPECT_EQ(ZeroPad("", 4) + "|" + ZeroPad("12", 0) + ZeroPad("3", -3), "0000|123");
    EXPECT_EQ(HexText(std::array<std::uint8_t, 4>{0x07, 0xCD, 0x00, 0xAB}), "07CD00AB");
    EXPECT_EQ(HexDigits(0x1597E7), "1597E7");
    for (const auto &[text, reversed] :
         {std::pair{"CDABC507", "C5ABCD"}, {"ABCD", "CDAB"}, {"ABC", "CAB"}, {"", ""}})
        EXPECT_EQ(ReverseHex24(text), reversed) << text;
    for (const auto &[text, value] : {std::pair{"40420F00", 1000000},
                                      {"FFFFFFFF", -1},
                                      {"00000080", INT32_MIN},
                                      {"FFFFFF7F", INT32_MAX},
                                      {"0A", 10},
                                      {"", 0}})
        EXPECT_EQ(ParseHexLE32(text), value) << text;
}
