#include "ASCIIControl.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::ASCIIControl;
using mobwright::test::TestImage;

TEST(GameChar, MapsExactlyTheSeventyCharacters)
{
    int mapped = 0;
    for (int code = 0; code < 256; ++code) {
        const std::string character = DecodeGameChar(static_cast<std::uint8_t>(code));
        if (character.empty())
            continue;
        ++mapped;
        EXPECT_EQ(character.size(), 1u);
        EXPECT_EQ(character[0] + 0x30, code);
        EXPECT_EQ(EncodeGameChar(character), code);
    }
    EXPECT_EQ(mapped, 70);
    EXPECT_EQ(DecodeGameChar(0x00), "");
    EXPECT_EQ(DecodeGameChar(0x52), ""); // '"' is not in the table
    EXPECT_EQ(DecodeGameChar(0xAC), "|");
    EXPECT_EQ(DecodeGameChar(0xAB), "");
}

TEST(GameChar, EncodesCaseSensitivelyAndRefusesEverythingElse)
{
    EXPECT_EQ(EncodeGameChar("a"), 0x91);
    EXPECT_EQ(EncodeGameChar("A"), 0x71);
    EXPECT_EQ(EncodeGameChar(" "), 0x50);
    EXPECT_EQ(EncodeGameChar("é"), 0);
    EXPECT_EQ(EncodeGameChar("/"), 0);
    EXPECT_EQ(EncodeGameChar(""), 0);
    EXPECT_EQ(EncodeGameChar("ab"), 0);
}

TEST(GameString, DecodesUpToTheTerminatorSkippingUnmappedCodes)
{
    const std::vector<std::uint8_t> boss{0x72, 0x9F, 0xA3, 0xA3, 0x00, 0x71};
    EXPECT_EQ(DecodeGameString(boss), "Boss");
    const std::vector<std::uint8_t> withStray{0x72, 0x01, 0x9F, 0xA3, 0xA3, 0x00};
    EXPECT_EQ(DecodeGameString(withStray), "Boss");
    const std::vector<std::uint8_t> empty{0x00, 0x72};
    EXPECT_EQ(DecodeGameString(empty), "");
}

TEST(GameString, EncodesIntoExactlyTwentyFiveBytes)
{
    NameField expected{0x72, 0x9F, 0xA3, 0xA3};
    EXPECT_EQ(EncodeGameString("Boss"), expected);
    EXPECT_EQ(EncodeGameString(""), NameField{});

    // Characters outside the table become 0, which ends the name for a reader.
    NameField fraction{0x61, 0x00, 0x61, 0x62, 0x68};
    EXPECT_EQ(EncodeGameString("1/128"), fraction);
    EXPECT_EQ(DecodeGameString(fraction), "1");

    // "é" is one character, so it takes one byte.
    NameField accented{0x95, 0x00, 0x95};
    EXPECT_EQ(EncodeGameString("e\xC3\xA9" "e"), accented);

    const NameField thirty = EncodeGameString(std::string(30, 'x'));
    for (const std::uint8_t b : thirty)
        EXPECT_EQ(b, 0xA8);
}

TEST(GameString, SplitsUtf8IntoCharacters)
{
    EXPECT_EQ(SplitCharacters("ab").size(), 2u);
    EXPECT_EQ(SplitCharacters("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80").size(), 3u);
    // A stray continuation byte or a cut sequence counts byte by byte.
    EXPECT_EQ(SplitCharacters("\x80\xC3").size(), 2u);
}

TEST(GameStringInImage, ReadsOnlyWithinTheNameField)
{
    TestImage image;
    const std::uint32_t name = image.recordOffset(5) + 1;
    EXPECT_EQ(name, 0x1599BEu);
    // 25 characters and no terminator: the bytes after the field are not name.
    image.setBytes(name, std::vector<std::uint8_t>(25, 0x71));
    image.setBytes(name + 25, std::vector<std::uint8_t>{0x72, 0x72, 0x00});
    RomFile rom = RomFile::Open(image.path());
    EXPECT_EQ(ReadGameString(rom, name), std::string(25, 'A'));

    // Near the end of the file the name ends with the file.
    const auto end = static_cast<std::uint32_t>(image.size());
    rom.WriteRomBytes(end - 2, std::vector<std::uint8_t>{0x72, 0x9F});
    EXPECT_EQ(ReadGameString(rom, end - 2), "Bo");
    EXPECT_EQ(ReadGameString(rom, end + 10), "");
}

TEST(GameStringInImage, WritesTheWholeFieldAndNothingBeyond)
{
    TestImage image(test::MIN_IMAGE_SIZE, 0xEE);
    const std::uint32_t name = image.recordOffset(0) + 1;
    {
        RomFile rom = RomFile::Open(image.path());
        WriteGameString(rom, "Boss", name);
    }
    const auto bytes = image.contents();
    EXPECT_EQ(bytes[name - 1], 0xEE);
    EXPECT_EQ(bytes[name], 0x72);
    EXPECT_EQ(bytes[name + 3], 0xA3);
    for (std::uint32_t k = 4; k < 25; ++k)
        EXPECT_EQ(bytes[name + k], 0x00) << k;
    EXPECT_EQ(bytes[name + 25], 0xEE);
}
