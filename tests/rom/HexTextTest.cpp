#include "ASCIIControl.h"
#include "HexText.h"

#include <gtest/gtest.h>

using namespace mobwright;
using mobwright::ASCIIControl::ZeroPad;

TEST(ZeroPad, PadsOnTheLeftAndNeverCuts)
{
    EXPECT_EQ(ZeroPad("7", 2), "07");
    EXPECT_EQ(ZeroPad("FF", 2), "FF");
    EXPECT_EQ(ZeroPad("1A2", 2), "1A2");
    EXPECT_EQ(ZeroPad("5", 3), "005");
    EXPECT_EQ(ZeroPad("", 4), "0000");
    EXPECT_EQ(ZeroPad("12", 0), "12");
    EXPECT_EQ(ZeroPad("12", -3), "12");
}

TEST(HexText, GivesTwoUpperCaseDigitsPerByteInFileOrder)
{
    const std::array<std::uint8_t, 4> bytes{0x07, 0xCD, 0x00, 0xAB};
    EXPECT_EQ(HexText(bytes), "07CD00AB");
    EXPECT_EQ(HexDigits(0), "0");
    EXPECT_EQ(HexDigits(0x1597E7), "1597E7");
}

TEST(ReverseHex24, TurnsFileOrderIntoTheAddressDigits)
{
    EXPECT_EQ(ReverseHex24("CDABC507"), "C5ABCD");
    EXPECT_EQ(ReverseHex24("ABCD"), "CDAB");
    EXPECT_EQ(ReverseHex24("ABC"), "CAB");
    EXPECT_EQ(ReverseHex24(""), "");
}

TEST(ParseHexLE32, ReadsTheLittleEndianValueSigned)
{
    EXPECT_EQ(ParseHexLE32("40420F00"), 1000000);
    EXPECT_EQ(ParseHexLE32("A0860100"), 100000);
    EXPECT_EQ(ParseHexLE32("FFFFFFFF"), -1);
    EXPECT_EQ(ParseHexLE32("00000080"), INT32_MIN);
    EXPECT_EQ(ParseHexLE32("FFFFFF7F"), INT32_MAX);
    EXPECT_EQ(ParseHexLE32("0A"), 10);
    EXPECT_EQ(ParseHexLE32(""), 0);
}
