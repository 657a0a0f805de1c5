#include "ASCIIControl.h"

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::ASCIIControl;
using Bytes = std::vector<std::uint8_t>;

TEST(GameText, MapsExactlyTheSeventyCharactersAtTheirAsciiValuePlus0x30)
{
    std::string mapped;
    for (int code = 0; code < 256; ++code) {
        const std::string character = DecodeGameChar(static_cast<std::uint8_t>(code));
        mapped += character;
        EXPECT_TRUE(character.empty() ||
                    (character[0] + 0x30 == code && EncodeGameChar(character) == code));
    }
    EXPECT_EQ(mapped, " !$',.0123456789?ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz|");
    for (const char *outside : {"é", "/", "", "ab", "\""})
        EXPECT_EQ(EncodeGameChar(outside), 0) << outside;
    EXPECT_EQ(DecodeGameString(Bytes{0x72, 0x01, 0x9F, 0xA3, 0xA3, 0x00, 0x71}),
              "Boss"); // 0x01 is skipped
    EXPECT_EQ(EncodeGameString("1/128"),
              (NameField{0x61, 0x00, 0x61, 0x62, 0x68})); // "/" becomes 0
    EXPECT_EQ(EncodeGameString("e\xC3\xA9"
                               "e"),
              (NameField{0x95, 0x00, 0x95}));
}
