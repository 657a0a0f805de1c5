#include "FieldText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace mobwright;

namespace {

std::string Shown(Field field, std::vector<std::uint8_t> bytes)
{
    return FieldText(LayoutOf(field), bytes);
}

std::optional<std::uint32_t> Parsed(Field field, std::string_view text)
{
    return ParseFieldText(LayoutOf(field), text);
}

} // namespace

TEST(FieldTextShown, ByteFieldsAreUnsigned)
{
    EXPECT_EQ(Shown(Field::Level, {0}), "0");
    EXPECT_EQ(Shown(Field::Level, {255}), "255");
}

TEST(FieldTextShown, WiderFieldsAreUnsigned)
{
    EXPECT_EQ(Shown(Field::HP, {0xFF, 0xFF}), "65535");
    EXPECT_EQ(Shown(Field::HP, {0x40, 0x9C}), "40000");
    EXPECT_EQ(Shown(Field::Money, {0x00, 0x80}), "32768");
    EXPECT_EQ(Shown(Field::Exp, {0xA0, 0x86, 0x01, 0x00}), "100000");
    EXPECT_EQ(Shown(Field::Exp, {0xFF, 0xFF, 0xFF, 0xFF}), "4294967295");
    EXPECT_EQ(Shown(Field::Exp, {0x00, 0x00, 0x00, 0x80}), "2147483648");
}

TEST(FieldTextShown, TextAddressesShowSixDigitsAndDropTheFourthByte)
{
    EXPECT_EQ(Shown(Field::StartText, {0xCD, 0xAB, 0xC5, 0x07}), "C5ABCD");
    EXPECT_EQ(Shown(Field::DeathText, {0x05, 0x0A, 0xEF, 0x00}), "EF0A05");
    EXPECT_EQ(Shown(Field::DeathText, {0x00, 0x00, 0x00, 0xFF}), "000000");
}

TEST(FieldTextParsed, NumbersAcceptTheirRangeIgnoringBlanks)
{
    EXPECT_EQ(Parsed(Field::Level, "0"), 0u);
    EXPECT_EQ(Parsed(Field::Level, " 255\t"), 255u);
    EXPECT_EQ(Parsed(Field::Level, "007"), 7u);
    EXPECT_EQ(Parsed(Field::Level, "+9"), 9u);
    EXPECT_EQ(Parsed(Field::HP, "300"), 0x012Cu);
    EXPECT_EQ(Parsed(Field::HP, "65535"), 0xFFFFu);
    EXPECT_EQ(Parsed(Field::HP, "-25536"), 0x9C40u);
    EXPECT_EQ(Parsed(Field::HP, "-32768"), 0x8000u);
    EXPECT_EQ(Parsed(Field::Exp, "100000"), 0x000186A0u);
    EXPECT_EQ(Parsed(Field::Exp, "4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(Parsed(Field::Exp, "-2147483648"), 0x80000000u);
    EXPECT_EQ(Parsed(Field::Exp, "-1"), 0xFFFFFFFFu);
}

TEST(FieldTextParsed, NumbersRefuseAnythingElse)
{
    for (const char *text : {"", "   ", "abc", "1.5", "1,5", "0x10", "FF", "1e3", "--1", "-", "+",
                             "1 2", "12a", "\xEF\xBC\x91" /* fullwidth one */}) {
        EXPECT_EQ(Parsed(Field::Level, text), std::nullopt) << '"' << text << '"';
        EXPECT_EQ(Parsed(Field::HP, text), std::nullopt) << '"' << text << '"';
        EXPECT_EQ(Parsed(Field::Exp, text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(Parsed(Field::Level, "256"), std::nullopt);
    EXPECT_EQ(Parsed(Field::Level, "-1"), std::nullopt);
    EXPECT_EQ(Parsed(Field::HP, "65536"), std::nullopt);
    EXPECT_EQ(Parsed(Field::HP, "-32769"), std::nullopt);
    EXPECT_EQ(Parsed(Field::Exp, "4294967296"), std::nullopt);
    EXPECT_EQ(Parsed(Field::Exp, "-2147483649"), std::nullopt);
    EXPECT_EQ(Parsed(Field::Exp, "99999999999999999999999"), std::nullopt);
}

TEST(FieldTextParsed, AddressesTakeOneToSixHexDigitsPaddedOnTheLeft)
{
    EXPECT_EQ(Parsed(Field::StartText, "C5ABCD"), 0x00C5ABCDu);
    EXPECT_EQ(Parsed(Field::StartText, "c5abcd"), 0x00C5ABCDu);
    EXPECT_EQ(Parsed(Field::StartText, "ABCD"), 0x0000ABCDu);
    EXPECT_EQ(Parsed(Field::StartText, "0"), 0u);
    EXPECT_EQ(Parsed(Field::StartText, " FFFFFF "), 0x00FFFFFFu);
    for (const char *text : {"", " ", "ZZ1234", "1234567", "12 34", "0x12", "-1", "G"})
        EXPECT_EQ(Parsed(Field::DeathText, text), std::nullopt) << '"' << text << '"';
}

TEST(FieldTextRefusal, SaysWhichFieldWhatWasTypedAndWhatItAccepts)
{
    const FieldError error{Field::HP, "70000", AcceptedText(LayoutOf(Field::HP))};
    EXPECT_EQ(error.message(), "The field \"HP\" cannot take \"70000\". It accepts a whole number "
                               "from 0 to 65535; negatives down to -32768 are taken too, counting "
                               "back from 65536.");
    EXPECT_EQ(AcceptedText(LayoutOf(Field::Level)), "a whole number from 0 to 255");
    EXPECT_NE(AcceptedText(LayoutOf(Field::StartText)).find("hexadecimal"), std::string::npos);
}

TEST(NameRefusal, AcceptsUpToTwentyFiveTableCharacters)
{
    EXPECT_EQ(NameRefusal(""), std::nullopt);
    EXPECT_EQ(NameRefusal("Boss"), std::nullopt);
    EXPECT_EQ(NameRefusal("Big Pile of Puke! $1,000."), std::nullopt);
    EXPECT_EQ(NameRefusal(std::string(25, 'z')), std::nullopt);

    const auto tooLong = NameRefusal(std::string(26, 'z'));
    ASSERT_TRUE(tooLong);
    EXPECT_NE(tooLong->find("at most 25 characters"), std::string::npos);

    const auto slash = NameRefusal("1/128");
    ASSERT_TRUE(slash);
    EXPECT_NE(slash->find("\"/\""), std::string::npos) << *slash;

    const auto accent = NameRefusal("Caf\xC3\xA9");
    ASSERT_TRUE(accent);
    EXPECT_NE(accent->find("\"\xC3\xA9\""), std::string::npos) << *accent;
}
