#include "GameText.h"

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::GameText;
using Bytes = std::vector<std::uint8_t>;

TEST(GameText, MapsExactlyTheSeventyCharactersAtTheirAsciiValuePlus0x30)
{
    std::string mapped;
    for (int code = 0; code < 256; ++code) {
        const std::string character = DecodeChar(static_cast<std::uint8_t>(code));
        mapped += character;
        EXPECT_TRUE(character.empty() ||
                    (character[0] + 0x30 == code && EncodeChar(character) == code));
    }
    EXPECT_EQ(mapped, " !$',.0123456789?ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz|");
    for (const char *outside : {"é", "/", "", "ab", "\""})
        EXPECT_EQ(EncodeChar(outside), 0) << outside;
    EXPECT_EQ(Decode(Bytes{0x72, 0x01, 0x9F, 0xA3, 0xA3, 0x00, 0x71}), "Boss"); // 0x01 is skipped
    EXPECT_EQ(Encode("1/128"), (NameBytes{0x61, 0x00, 0x61, 0x62, 0x68})); // "/" becomes 0
    EXPECT_EQ(Encode("e\xC3\xA9"
                     "e"),
              (NameBytes{0x95, 0x00, 0x95}));
}

// The words that tell the user which characters a name takes name exactly
// the characters that can be stored.
TEST(GameText, TellsTheUserExactlyTheCharactersItStores)
{
    const std::string told = CharactersText();
    EXPECT_EQ(told, "the letters A-Z and a-z, the digits 0-9, blanks and ! $ ' , . ? |");
    const std::string marks = told.substr(told.find("blanks and ") + 11);
    for (char c = ' '; c <= '~'; ++c) {
        const bool named = std::isalnum(static_cast<unsigned char>(c)) || c == ' ' ||
                           marks.find(c) != std::string::npos;
        EXPECT_EQ(EncodeChar(std::string(1, c)) != 0, named) << c;
    }
}
