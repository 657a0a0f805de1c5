#include "FieldText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace mobwright;

TEST(FieldText, ShowsStoredBytesInTheFieldsNotation)
{
    const struct
    {
        Field field;
        std::vector<std::uint8_t> bytes;
        const char *shown;
    } rows[]{{Field::Level, {255}, "255"},
             {Field::HP, {0x10, 0x27}, "10000"},
             {Field::HP, {0x40, 0x9C}, "-25536"},
             {Field::Money, {0x00, 0x80}, "-32768"},
             {Field::Exp, {0xA0, 0x86, 0x01, 0x00}, "100000"},
             {Field::Exp, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
             {Field::Exp, {0xFF, 0xFF, 0xFF, 0x7F}, "2147483647"},
             {Field::StartText, {0xCD, 0xAB, 0xC5, 0x07}, "C5ABCD"},
             {Field::DeathText, {0x00, 0x00, 0x00, 0xFF}, "000000"}};
    for (const auto &row : rows)
        EXPECT_EQ(FieldText(LayoutOf(row.field), row.bytes), row.shown) << FieldName(row.field);
}

TEST(FieldText, TakesTypedTextWithinTheFieldsRange)
{
    const struct
    {
        Field field;
        const char *text;
        std::uint32_t stored;
    } accepted[]{{Field::Level, " 255\t", 255},
                 {Field::Level, "007", 7},
                 {Field::Level, "+9", 9},
                 {Field::HP, "300", 0x012C},
                 {Field::HP, "65535", 0xFFFF},
                 {Field::HP, "-32768", 0x8000},
                 {Field::Exp, "4294967295", 0xFFFFFFFF},
                 {Field::Exp, "-2147483648", 0x80000000},
                 {Field::StartText, "c5abcd", 0xC5ABCD},
                 {Field::StartText, " ABCD ", 0xABCD},
                 {Field::DeathText, "0", 0}};
    for (const auto &row : accepted)
        EXPECT_EQ(ParseFieldText(LayoutOf(row.field), row.text), row.stored) << row.text;

    for (const char *text : {"", "   ", "abc", "1.5", "1,5", "0x10", "FF", "1e3", "--1", "-", "1 2",
                             "\xEF\xBC\x91" /* fullwidth one */, "99999999999999999999999"})
        for (const Field field : {Field::Level, Field::HP, Field::Exp})
            EXPECT_EQ(ParseFieldText(LayoutOf(field), text), std::nullopt) << '"' << text << '"';
    const struct
    {
        Field field;
        const char *text;
    } outside[]{
        {Field::Level, "256"},         {Field::Level, "-1"},         {Field::HP, "65536"},
        {Field::HP, "-32769"},         {Field::Exp, "4294967296"},   {Field::Exp, "-2147483649"},
        {Field::StartText, "1234567"}, {Field::StartText, "ZZ1234"}, {Field::StartText, "-1"}};
    for (const auto &row : outside)
        EXPECT_EQ(ParseFieldText(LayoutOf(row.field), row.text), std::nullopt) << row.text;
}

TEST(FieldText, RefusalsNameTheFieldTheTextAndWhatItTakes)
{
    const FieldError error{Field::HP, "70000", AcceptedText(LayoutOf(Field::HP))};
    EXPECT_EQ(
        error.message(),
        "The field \"HP\" cannot take \"70000\". It accepts a whole number from -32768 to 65535.");
    EXPECT_EQ(FieldName(Field::Exp), "Exp.");
    EXPECT_EQ(FieldName(Field::TheFlag), "'The' Flag");
    EXPECT_NE(AcceptedText(LayoutOf(Field::Level)).find("0 to 255"), std::string::npos);
    EXPECT_NE(AcceptedText(LayoutOf(Field::StartText)).find("hexadecimal"), std::string::npos);

    for (const char *name : {"", "Boss", "Big Pile of Puke! $1,000.", "zzzzzzzzzzzzzzzzzzzzzzzzz"})
        EXPECT_EQ(NameRefusal(name), std::nullopt) << name;
    for (const auto &[name, why] :
         {std::pair{"zzzzzzzzzzzzzzzzzzzzzzzzzz", "at most 25 characters"},
          {"1/128", "\"/\""},
          {"Caf\xC3\xA9", "\"\xC3\xA9\""}})
        EXPECT_NE(NameRefusal(name).value_or("").find(why), std::string::npos) << name;
}
